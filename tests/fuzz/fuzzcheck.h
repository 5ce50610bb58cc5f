#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <sanitizer/common_interface_defs.h>

// What every fuzz target shares: a check of a property that ends the run as a crash does, so
// libFuzzer keeps and prints the input, and a folder for the files a target writes.
namespace tavrolin::fuzz {

[[noreturn]] inline void fail(const char *property, const char *file, int line)
{
    char summary[512];
    std::snprintf(summary, sizeof summary, "property does not hold: %s (%s:%d)", property, file,
                  line);
    // The sanitizer's report channel stays open when libFuzzer silences standard error.
    __sanitizer_report_error_summary(summary);
    std::abort();
}

// A folder of the target's own, removed when the run ends: in memory where the system offers
// one, as the script command's save file syncs every output to disk.
inline const QTemporaryDir &scratch()
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/tavrolin-fuzz-XXXXXX")
                                          : QDir::tempPath() +
                                                QStringLiteral("/tavrolin-fuzz-XXXXXX"));
    return folder;
}

inline QString scratchFile(const char *name)
{
    return scratch().filePath(QString::fromLatin1(name));
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("the scratch file can be written", __FILE__, __LINE__);
}

} // namespace tavrolin::fuzz

#define FUZZ_CHECK(property)                                                                       \
    ((property) ? void() : tavrolin::fuzz::fail(#property, __FILE__, __LINE__))
