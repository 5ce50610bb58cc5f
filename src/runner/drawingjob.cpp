#include "drawingjob.h"

#include "core/filefailure.h"
#include "generation/scriptfile.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

using Outcome = DrawingResult::Outcome;

QString quoted(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

// An exit status of Windows that is an exception code (0xC0000005 and the like) rather than a
// status the program chose: the program crashed. A status of -1 (0xFFFFFFFF) is chosen.
bool isExceptionCode(int exitCode)
{
    const auto code = static_cast<quint32>(exitCode);
    return code >= 0xC0000000u && code < 0xD0000000u;
}

// The drawing's script, with the bytes of a script file. Written directly rather than through a
// file replaced whole: the file is new in the run's own folder, and the save's wait for the disk
// would cost each drawing several milliseconds.
bool writeDrawingScript(const QString &path, const QString &text, QString *error)
{
    QFile file(path);
    const QByteArray bytes = scriptFileBytes(text);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    *error = u"スクリプトファイル %1 を書き込めません: %2"_s.arg(
        messagePath(path), fileFailureReason(path, FileAction::Write));
    return false;
}

} // namespace

DrawingJob::DrawingJob(const ConsoleCommand &command, DrawingTask task, QObject *parent)
    : QObject(parent), m_command(command), m_task(std::move(task))
{
    m_process.setProgram(command.program);
    m_process.setArguments(arguments());
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_tree.prepare(m_process);
    m_timeout.setSingleShot(true);
    m_timeout.setTimerType(Qt::PreciseTimer); // a coarse timer may end the console early
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &DrawingJob::readOutput);
    connect(&m_process, &QProcess::finished, this, &DrawingJob::ended);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart();
    });
    connect(&m_timeout, &QTimer::timeout, this, &DrawingJob::timedOut);
}

DrawingJob::~DrawingJob()
{
    stop();
}

QStringList DrawingJob::arguments() const
{
    QStringList arguments{u"/i"_s, QDir::toNativeSeparators(m_task.drawing), u"/s"_s,
                          QDir::toNativeSeparators(m_task.files + u".scr"_s)};
    if (!m_command.language.isEmpty())
        arguments += {u"/l"_s, m_command.language};
    return arguments;
}

QString DrawingJob::commandLine() const
{
    QString line = quoted(m_command.program) + u" /i "_s + quoted(m_task.drawing) + u" /s "_s +
                   quoted(m_task.files + u".scr"_s);
    if (!m_command.language.isEmpty())
        line += u" /l "_s + m_command.language;
    return line;
}

void DrawingJob::start()
{
    m_clock.start();
    QString error;
    if (!writeDrawingScript(m_task.files + u".scr"_s, m_task.script, &error) ||
        !m_log.open(m_task.files + u".log"_s, commandLine(), &error)) {
        finish({Outcome::Failed, 0, {}, error});
        return;
    }
    m_logged = true;
    m_saves = std::make_unique<SaveWatch>(m_task.saved);
    m_process.start();
    if (m_process.state() == QProcess::NotRunning)
        return; // failedToStart() has told
    m_tree.adopt(m_process);
    m_timeout.start(m_command.timeoutMs);
}

void DrawingJob::stop()
{
    if (m_done)
        return;
    m_done = true;
    m_timeout.stop();
    m_tree.end();
    disconnect(&m_process, nullptr, this, nullptr);
    if (m_process.state() != QProcess::NotRunning)
        m_process.waitForFinished(5000);
    m_log.close();
}

void DrawingJob::readOutput()
{
    m_log.write(m_process.readAllStandardOutput());
}

void DrawingJob::timedOut()
{
    m_timedOut = true;
    m_tree.end();
}

void DrawingJob::failedToStart()
{
    if (m_done)
        return;
    finish({Outcome::Failed, 0, {}, u"コンソールを起動できません: "_s + m_process.errorString()});
}

// Whatever the console left behind is ended with it.
void DrawingJob::ended(int exitCode, QProcess::ExitStatus status)
{
    if (m_done)
        return;
    m_timeout.stop();
    m_tree.end();
    readOutput();
    m_log.close();
    finish(judge(exitCode, status));
}

DrawingResult DrawingJob::judge(int exitCode, QProcess::ExitStatus status) const
{
    const auto notOk = [this](Outcome outcome, const QString &reason) {
        const QString output = m_log.lastLines();
        return DrawingResult{
            outcome, 0, {}, output.isEmpty() ? reason : reason + u" — 最後の出力: "_s + output};
    };
    if (m_timedOut)
        return notOk(Outcome::Timeout, u"%1 秒を過ぎても終わらないので終了させました"_s.arg(
                                           m_command.timeoutMs / 1000.0));
    if (isExceptionCode(exitCode))
        return notOk(Outcome::Crashed, u"異常終了しました（例外コード 0x%1）"_s.arg(
                                           static_cast<quint32>(exitCode), 8, 16, QChar(u'0')));
    if (status == QProcess::CrashExit)
        return notOk(Outcome::Crashed, u"異常終了しました（シグナル %1）"_s.arg(exitCode));
    if (exitCode != 0)
        return notOk(Outcome::Failed, u"終了コード %1"_s.arg(exitCode));
    const QStringList unwritten = m_saves->unwritten();
    if (!unwritten.isEmpty())
        return notOk(Outcome::Failed,
                     u"保存されていません: "_s + QDir::toNativeSeparators(unwritten.join(u", "_s)));
    return {Outcome::Ok, 0, {}, {}};
}

void DrawingJob::finish(DrawingResult result)
{
    m_done = true;
    m_log.close();
    result.seconds = m_clock.elapsed() / 1000.0;
    if (m_logged)
        result.log = m_task.files + u".log"_s;
    emit finished(result);
}

} // namespace tavrolin
