// A stand-in for the core console in the tests: takes "/i DRAWING /s SCRIPT [/l TAG]" as the
// real one does, writes its output in UTF-16LE, and carries out the save lines of the script on
// the file system: ".qsave" touches the drawing, ".saveas" creates the file it names (or, as a
// DXF save, the DXF file beside the drawing), ".dxfout" creates that DXF file. A word in the
// drawing's file name makes it misbehave:
//   fail    ends with status 3 without saving     nosave  ends with status 0 without saving
//   hang    never ends                             crash   ends as a crash does
//   loud    prints 50 000 lines                    slow    takes 1.5 s
//   child   starts a process that outlives it (its number in DRAWING.pid) and runs on
//   ansi    writes its output in the ANSI code page
#include "core/ansicodec.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <spawn.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using namespace tavrolin;

namespace {

QString g_drawing;
bool g_ansi = false;

void say(const QString &line)
{
    const QString text = line + u"\r\n"_s;
    const QByteArray bytes =
        g_ansi ? ansi::encode(text) : QStringEncoder(QStringEncoder::Utf16LE)(text);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

bool marked(const char *word)
{
    return QFileInfo(g_drawing).fileName().contains(QLatin1String(word));
}

// A process of this program that sleeps, started as a console's helper would be: it stays in the
// console's process group (Linux) or job (Windows).
void startChild()
{
    const QString pidFile = g_drawing + u".pid"_s;
    const QString self = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
#ifdef Q_OS_WIN
    std::wstring line =
        (u'"' + self + u"\" --linger \""_s + QDir::toNativeSeparators(pidFile) + u'"')
            .toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
#else
    QByteArray program = QFile::encodeName(self);
    QByteArray file = QFile::encodeName(pidFile);
    char linger[] = "--linger";
    char *arguments[] = {program.data(), linger, file.data(), nullptr};
    pid_t child = 0;
    posix_spawn(&child, program.constData(), nullptr, nullptr, arguments, environ);
#endif
    // The child runs for sure before this one goes on.
    for (int wait = 0; wait < 500 && QFileInfo(pidFile).size() == 0; ++wait)
        QThread::msleep(10);
}

void outliveTheConsole(const QString &pidFile)
{
    QFile file(pidFile);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::number(QCoreApplication::applicationPid()));
    file.close();
    QThread::sleep(120);
}

[[noreturn]] void crash()
{
#ifdef Q_OS_WIN
    TerminateProcess(GetCurrentProcess(), 0xC0000005u);
#endif
    std::abort();
}

void touch(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    say(u"保存しました: "_s + path);
}

// A DXF drawing saved as DXF under its own name is saved in place.
void create(const QString &path)
{
    if (QFileInfo(path) != QFileInfo(g_drawing)) {
        QFile::remove(path);
        QFile::copy(g_drawing, path);
    }
    touch(path);
}

QString dxfBeside()
{
    return g_drawing.left(g_drawing.lastIndexOf(u'.')) + u".dxf"_s;
}

// ".saveas" with a path (in double quotes when it holds a blank), or a DXF save: ".saveas d r12".
void saveAs(const QString &rest)
{
    if (rest.contains(u'"'))
        return create(rest.section(u'"', 1, 1));
    const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
    if (!words.isEmpty() && (words.last().endsWith(u".dwg"_s, Qt::CaseInsensitive) ||
                             words.last().endsWith(u".dxf"_s, Qt::CaseInsensitive)))
        return create(words.last());
    if (!words.isEmpty() && (words.first() == u"d" || words.first() == u"dxf"))
        create(dxfBeside());
}

void runScript(const QString &script)
{
    QFile file(script);
    if (!file.open(QIODevice::ReadOnly))
        return say(u"スクリプトを読めません: "_s + script);
    const QStringList lines = ansi::decode(file.readAll()).split(u"\r\n"_s);
    for (const QString &line : lines) {
        say(u"コマンド: "_s + line);
        if (marked("fail") || marked("nosave"))
            continue;
        if (line.startsWith(u".qsave"_s))
            touch(g_drawing);
        else if (line.startsWith(u".saveas"_s))
            saveAs(line.mid(7));
        else if (line.startsWith(u".dxfout"_s))
            create(dxfBeside());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == u"--linger") {
        outliveTheConsole(arguments[2]);
        return 0;
    }
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const qsizetype drawing = arguments.indexOf(u"/i"_s);
    const qsizetype script = arguments.indexOf(u"/s"_s);
    if (drawing < 0 || script < 0 || drawing + 1 >= arguments.size() ||
        script + 1 >= arguments.size())
        return 2;
    g_drawing = arguments[drawing + 1];
    g_ansi = marked("ansi");
    say(u"代役コンソール: 図面を開きます: "_s + g_drawing);
    if (const qsizetype language = arguments.indexOf(u"/l"_s); language > 0)
        say(u"言語: "_s + arguments.value(language + 1));
    if (marked("child"))
        startChild();
    if (marked("loud")) {
        QStringList lines;
        for (int i = 1; i <= 50000; ++i)
            lines.append(u"たくさんの出力 %1 / 50000"_s.arg(i));
        say(lines.join(u"\r\n"_s));
    }
    if (marked("slow"))
        QThread::msleep(1500);
    if (marked("hang"))
        QThread::sleep(3600);
    if (marked("crash"))
        crash();
    runScript(arguments[script + 1]);
    say(u"終了します"_s);
    return marked("fail") ? 3 : 0;
}
