#pragma once

#include "core/programfolder.h"
#include "support/testfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

namespace tavrolin::test {

// A program folder of the test's own: the shipped pictures and help pages copied from data/, and
// the settings file (empty until the test writes one) and comment template that the test writes.
// The program reads it as its program folder while the object lives, and its folder "user" as
// the user's own folder.
class TestProgramFolder
{
public:
    TestProgramFolder()
    {
        copyFolder(QStringLiteral("ico"));
        copyFolder(QStringLiteral("help"));
        QDir(m_dir.path()).mkpath(QStringLiteral("scr"));
        // A settings file without vocabulary: a missing one is warned about when the grid loads.
        writeSettings(QString());
        QFile::copy(QStringLiteral(TAVROLIN_SOURCE_DIR "/data/FileCopy.avi"),
                    file(QStringLiteral("FileCopy.avi")));
        setProgramFolder(m_dir.path());
        setUserFolder(file(QStringLiteral("user")));
    }

    ~TestProgramFolder()
    {
        setProgramFolder(QString());
        setUserFolder(QString());
    }

    TestProgramFolder(const TestProgramFolder &) = delete;
    TestProgramFolder &operator=(const TestProgramFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const { return m_dir.filePath(relative); }

    // The settings file, stored in code page 932 as the program reads it.
    void writeSettings(const QString &text) const
    {
        writeAnsi(file(QStringLiteral("tavrolin.ini")), text);
    }

    void writeCommentTemplate(const QString &text) const
    {
        writeAnsi(file(QStringLiteral("commentdata.dat")), text);
    }

    // Uses the example settings file and comment template that ship with the program.
    void useShippedSettings() const
    {
        for (const char *name : {"tavrolin.ini", "commentdata.dat"}) {
            const QString shipped =
                QStringLiteral(TAVROLIN_SOURCE_DIR "/data/") + QLatin1String(name);
            QFile::remove(file(QLatin1String(name)));
            QFile::copy(shipped, file(QLatin1String(name)));
        }
    }

private:
    void copyFolder(const QString &name) const
    {
        const QString source = QStringLiteral(TAVROLIN_SOURCE_DIR "/data/") + name;
        QDir(m_dir.path()).mkpath(name);
        QDirIterator files(source, QDir::Files);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile::copy(path, file(name + u'/' + QFileInfo(path).fileName()));
        }
    }

    QTemporaryDir m_dir;
};

} // namespace tavrolin::test
