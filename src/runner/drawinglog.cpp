#include "drawinglog.h"

#include "core/filefailure.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// How much of the output's end is kept, how many of its lines a result quotes, and how long
// the quote may grow.
constexpr qsizetype kTail = 4096;
constexpr int kQuotedLines = 3;
constexpr qsizetype kQuoteLength = 300;

} // namespace

bool DrawingLog::open(const QString &path, const QString &command, QString *error)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = u"ログ %1 を書き込めません: %2"_s.arg(messagePath(path),
                                                       fileFailureReason(path, FileAction::Write));
        return false;
    }
    m_file.write("\xef\xbb\xbf");
    m_file.write((u"> "_s + command + u"\r\n"_s).toUtf8());
    return true;
}

void DrawingLog::write(QByteArrayView output)
{
    add(m_decoder.decode(output));
}

void DrawingLog::close()
{
    if (!m_file.isOpen())
        return;
    add(m_decoder.finish());
    m_file.close();
}

// A line feed without its carriage return gets one, so Notepad breaks the line.
void DrawingLog::add(QString text)
{
    if (text.isEmpty())
        return;
    QString lines;
    lines.reserve(text.size() + text.size() / 16);
    for (const QChar c : std::as_const(text)) {
        if (c == u'\n' && !m_afterCr)
            lines += u'\r';
        lines += c;
        m_afterCr = c == u'\r';
    }
    m_file.write(lines.toUtf8());
    m_tail += text;
    if (m_tail.size() > 2 * kTail)
        m_tail.remove(0, m_tail.size() - kTail);
}

QString DrawingLog::lastLines() const
{
    QStringList quoted;
    const QStringList lines = m_tail.split(u'\n');
    for (qsizetype i = lines.size() - 1; i >= 0 && quoted.size() < kQuotedLines; --i) {
        const QString line = lines[i].simplified();
        if (!line.isEmpty())
            quoted.prepend(line);
    }
    QString quote = quoted.join(u" / "_s);
    if (quote.size() > kQuoteLength)
        quote = u"…"_s + quote.right(kQuoteLength);
    return quote;
}

} // namespace tavrolin
