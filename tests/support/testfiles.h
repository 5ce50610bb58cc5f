#pragma once

#include "core/ansicodec.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tavrolin::test {

// Writes bytes to a file, failing the test when that is impossible.
inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Writes text in the ANSI code page (code page 932 here), as the settings file is stored.
inline void writeAnsi(const QString &path, const QString &text)
{
    writeBytes(path, ansi::encode(text));
}

// Makes a FIFO, on which opening for reading blocks until a writer comes. False where the system
// has none.
inline bool makeFifo(const QString &path)
{
#ifdef Q_OS_UNIX
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace tavrolin::test
