#include "resultsfile.h"

#include "core/filefailure.h"
#include "core/inputfile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

QString field(QString text)
{
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

} // namespace

QString drawingKey(const QString &drawing)
{
    const QString path = QDir::cleanPath(QFileInfo(drawing).absoluteFilePath());
#ifdef Q_OS_WIN
    return path.toCaseFolded();
#else
    return path;
#endif
}

bool ResultsFile::open(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (QFileInfo::exists(path) && !readPrevious(error))
        return false;
    QDir().mkpath(QFileInfo(path).path());
    if (!m_file.open(QIODevice::Append | QIODevice::Unbuffered)) {
        *error = u"結果ファイル %1 に書き込めません: %2"_s.arg(
            messagePath(path), fileFailureReason(path, FileAction::Write));
        return false;
    }
    // A line cut short by an earlier program's end is ended, so the next line stands alone.
    if (m_file.size() > 0) {
        QFile last(path);
        if (last.open(QIODevice::ReadOnly) && last.seek(m_file.size() - 1) && last.read(1) != "\n")
            m_file.write("\n");
    }
    return true;
}

bool ResultsFile::readPrevious(QString *error)
{
    QStringList lines;
    QString reason;
    if (!readTextLines(m_file.fileName(), &lines, &reason)) {
        *error = u"結果ファイル %1 を読めません: %2"_s.arg(messagePath(m_file.fileName()), reason);
        return false;
    }
    for (const QString &line : std::as_const(lines)) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() < 2)
            continue;
        if (const auto outcome = DrawingResult::fromName(fields[0]))
            m_last.insert(drawingKey(fields[1]), *outcome);
    }
    return true;
}

std::optional<DrawingResult::Outcome> ResultsFile::lastOutcome(const QString &drawing) const
{
    const auto found = m_last.constFind(drawingKey(drawing));
    if (found == m_last.cend())
        return std::nullopt;
    return *found;
}

QString ResultsFile::line(const QString &drawing, const DrawingResult &result)
{
    return DrawingResult::name(result.outcome) + u'\t' + field(drawing) + u'\t' +
           QString::number(result.seconds, 'f', 1) + u'\t' +
           field(QDir::toNativeSeparators(result.log)) + u'\t' + field(result.reason) + u'\n';
}

bool ResultsFile::append(const QString &drawing, const DrawingResult &result, QString *error)
{
    const QByteArray bytes = line(drawing, result).toUtf8();
    if (m_file.write(bytes) != bytes.size()) {
        *error = u"結果ファイル %1 に書き込めません: %2"_s.arg(
            messagePath(m_file.fileName()),
            fileFailureReason(m_file.fileName(), FileAction::Write));
        return false;
    }
    m_last.insert(drawingKey(drawing), result.outcome);
    return true;
}

} // namespace tavrolin
