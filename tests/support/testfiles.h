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
#ifdef Q_OS_LINUX
#include <sys/sysmacros.h>
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

enum class Device { Null, Full };

// A device to write to: a null one takes everything, a full one nothing. A node of the test's
// own in `folder` where one can be made (the superuser on Linux), so a test that writes to a
// device never touches the system's own; else the system's, which other users cannot replace.
inline QString testDevice(const QString &folder, Device device)
{
    const bool full = device == Device::Full;
    const QString own = folder + (full ? QStringLiteral("/full") : QStringLiteral("/null"));
#ifdef Q_OS_LINUX
    const auto numbers = makedev(1, full ? 7 : 3);
    if (QFileInfo::exists(own) ||
        ::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, numbers) == 0)
        return own;
#endif
#ifdef Q_OS_WIN
    if (!full)
        return QStringLiteral("\\\\.\\NUL");
#endif
    return full ? QStringLiteral("/dev/full") : QStringLiteral("/dev/null");
}

// The built program's file name, as its usage lines name it.
inline QString programFileName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("tavrolin.exe");
#else
    return QStringLiteral("tavrolin");
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
