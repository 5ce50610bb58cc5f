#include "dxfgroupreader.h"

#include <QIODevice>
#include <cstring>

namespace tavrolin {

namespace {

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF", 3);

} // namespace

DxfGroupReader::DxfGroupReader(QIODevice &device, qsizetype chunkSize)
    : m_device(device), m_buffer(qMax(chunkSize, SmallestChunk), Qt::Uninitialized)
{}

bool DxfGroupReader::next()
{
    QByteArrayView codeLine;
    const Line codeKind = readLine(&codeLine);
    if (codeKind == Line::End)
        return false;
    if (m_lineNumber == 1 && codeLine.startsWith(ByteOrderMark))
        codeLine = codeLine.sliced(ByteOrderMark.size()).trimmed();
    bool ok = false;
    m_code = codeLine.toInt(&ok);
    const Line valueKind = ok && codeKind == Line::Whole ? readLine(&m_value) : Line::End;
    if (valueKind == Line::End) {
        m_malformed = true;
        return false;
    }
    m_valueCut = valueKind == Line::Cut;
    return true;
}

bool DxfGroupReader::skipLine()
{
    QByteArrayView line;
    return readLine(&line) != Line::End;
}

// Hands out the next line from the buffer, refilling it as needed. A line longer than
// MaxLineLength is skipped whole and reported as cut, with an empty text.
DxfGroupReader::Line DxfGroupReader::readLine(QByteArrayView *line)
{
    *line = {};
    qsizetype searched = 0; // unread bytes already known to hold no line feed
    for (;;) {
        const char *start = m_buffer.constData() + m_position;
        const qsizetype available = m_end - m_position;
        const void *feed = std::memchr(start + searched, '\n', available - searched);
        if (feed) {
            const qsizetype length = static_cast<const char *>(feed) - start;
            m_position += length + 1;
            ++m_lineNumber;
            if (length > MaxLineLength)
                return Line::Cut;
            *line = QByteArrayView(start, length).trimmed();
            return Line::Whole;
        }
        searched = available;
        if (searched > MaxLineLength) {
            skipPastNewline();
            ++m_lineNumber;
            return Line::Cut;
        }
        if (!fill()) {
            if (m_position == m_end)
                return Line::End;
            // The last line has no line end.
            *line = QByteArrayView(m_buffer.constData() + m_position, available).trimmed();
            m_position = m_end;
            ++m_lineNumber;
            return Line::Whole;
        }
    }
}

// Moves the unread bytes to the front of the buffer and reads more after them.
bool DxfGroupReader::fill()
{
    const qsizetype unread = m_end - m_position;
    std::memmove(m_buffer.data(), m_buffer.constData() + m_position, unread);
    m_position = 0;
    m_end = unread;
    const qint64 count = m_device.read(m_buffer.data() + unread, m_buffer.size() - unread);
    if (count <= 0)
        return false;
    m_end += count;
    return true;
}

// Drops the rest of an over-long line: everything up to and including its line feed.
void DxfGroupReader::skipPastNewline()
{
    m_position = m_end;
    while (fill()) {
        const void *feed = std::memchr(m_buffer.constData(), '\n', m_end);
        if (feed) {
            m_position = static_cast<const char *>(feed) - m_buffer.constData() + 1;
            return;
        }
        m_position = m_end;
    }
}

} // namespace tavrolin
