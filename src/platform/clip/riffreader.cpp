#include "riffreader.h"

#include <QtEndian>
#include <algorithm>

namespace tavrolin {

namespace {

constexpr qsizetype HeaderSize = 8;
constexpr qsizetype FourccSize = 4;

bool isContainer(QByteArrayView id)
{
    return id == "RIFF" || id == "LIST";
}

} // namespace

bool RiffChunk::isList(QByteArrayView type) const
{
    return isContainer(id) && data.first(FourccSize) == type;
}

bool RiffReader::next(RiffChunk *chunk, QString *error)
{
    if (m_rest.size() < HeaderSize) {
        if (error)
            *error = QStringLiteral("a chunk header is cut short (damaged or truncated file)");
        return false;
    }
    const QByteArrayView id = m_rest.first(FourccSize);
    // Sizes are compared as 64-bit numbers, so a size near 4 GB cannot wrap around.
    const qint64 size = qFromLittleEndian<quint32>(m_rest.data() + FourccSize);
    const qint64 room = m_rest.size() - HeaderSize;
    if (size > room) {
        if (error)
            *error = QStringLiteral("chunk '%1' is cut short (damaged or truncated file)")
                         .arg(fourccText(id));
        return false;
    }
    if (isContainer(id) && size < FourccSize) {
        if (error)
            *error = QStringLiteral("list chunk '%1' has no list type").arg(fourccText(id));
        return false;
    }
    chunk->id = id;
    chunk->data = m_rest.sliced(HeaderSize, size);
    // Data of odd length is followed by a pad byte; the last chunk of a container may lack it.
    m_rest = m_rest.sliced(HeaderSize + qMin(size + (size & 1), room));
    return true;
}

QString fourccText(QByteArrayView fourcc)
{
    const bool printable =
        std::all_of(fourcc.begin(), fourcc.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
    if (printable || fourcc.size() != FourccSize)
        return QString::fromLatin1(fourcc);
    return QString::number(qFromLittleEndian<quint32>(fourcc.data()));
}

} // namespace tavrolin
