#pragma once

#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace tavrolin::test {

// A folder of drawings for the check of a drawing list: sample drawings under short names (the
// release in the name) and files made to show each finding. QSKIPs when the samples are absent.
//   r12.dxf r14.dwg r2000.dwg r2004.dwg r2007.dxf r2018.dwg   samples, AC1009 to AC1032
//   binary.dxf (AC1018)  headerless.dxf (entities only)      drawings made here
//   comments.dxf (AC1021 after 6 KiB of comments)
//   future.dwg (AC1040)  empty.dwg  text.dxf  nomark.dwg  folder.dwg/  no drawings, or too new
//   readonly.dwg  locked.dwg + LOCKED.DWL  locked2.dwg + locked2.dwl2  plan.dwg + plan.dxf
//   link.dwg -> r2000.dwg (not on Windows)  sub/
inline void makeCheckedDrawings(const QDir &folder)
{
    const QDir samples(QStringLiteral(TAVROLIN_DRAWINGS_DIR));
    if (!samples.exists())
        QSKIP(qPrintable(QStringLiteral("sample drawings not found in %1").arg(samples.path())));
    // The copies are writable, whatever the samples are.
    const auto copy = [&](const char *sample, const char *name) {
        const QString target = folder.filePath(QLatin1String(name));
        QVERIFY(QFile::copy(samples.filePath(QLatin1String(sample)), target));
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadOther));
    };
    copy("libredwg-r11-entities-2d.dxf", "r12.dxf");
    copy("libredwg-r14-example.dwg", "r14.dwg");
    copy("libredwg-r2000-entities-2d.dwg", "r2000.dwg");
    copy("libredwg-r2004-Line.dwg", "r2004.dwg");
    copy("libredwg-r2007-Line-nothumb.dxf", "r2007.dxf");
    copy("libredwg-r2018-sample.dwg", "r2018.dwg");
    for (const char *name : {"readonly.dwg", "locked.dwg", "locked2.dwg", "plan.dwg"})
        copy("libredwg-r2000-entities-2d.dwg", name);
    const auto make = [&](const char *name, const QByteArray &bytes) {
        writeBytes(folder.filePath(QLatin1String(name)), bytes);
    };
    // Binary groups: a two-byte code, then a text ended by NUL.
    QByteArray binary("AutoCAD Binary DXF\r\n\x1a", 22);
    for (const auto &[code, text] : {std::pair{0, "SECTION"},
                                     {2, "HEADER"},
                                     {9, "$ACADVER"},
                                     {1, "AC1018"},
                                     {0, "ENDSEC"},
                                     {0, "EOF"}})
        binary += QByteArray(1, char(code)) + '\0' + text + '\0';
    make("binary.dxf", binary);
    make("headerless.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nENDSEC\n  0\nEOF\n");
    make("comments.dxf", QByteArray("999\n") + QByteArray(6000, 'c') +
                             "\n  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1021\n");
    make("future.dwg", QByteArray("AC1040") + QByteArray(64, '\0'));
    make("empty.dwg", {});
    make("text.dxf", "readme\n");
    make("nomark.dwg", QByteArray("PK\x03\x04", 4) + QByteArray(64, '\0'));
    make("LOCKED.DWL", "lock");
    make("locked2.dwl2", "lock");
    make("plan.dxf", "  0\nEOF\n");
    QVERIFY(folder.mkpath(QStringLiteral("folder.dwg")) && folder.mkpath(QStringLiteral("sub")));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("readonly.dwg")),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
#ifndef Q_OS_WIN // QFile::link makes a shortcut on Windows, not a link
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("r2000.dwg")),
                        folder.filePath(QStringLiteral("link.dwg"))));
#endif
}

} // namespace tavrolin::test
