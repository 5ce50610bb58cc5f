#pragma once

#include <QByteArrayView>
#include <QString>

namespace tavrolin {

// One chunk of a RIFF file: its four-character id and its data (without the pad byte).
// "RIFF" and "LIST" chunks start their data with a four-character list type.
struct RiffChunk
{
    QByteArrayView id;
    QByteArrayView data;

    bool isList(QByteArrayView type) const;
    // The chunks inside a "RIFF" or "LIST" chunk, after its list type.
    QByteArrayView listBody() const { return data.sliced(4); }
};

// Walks the chunks that lie one after the other in a RIFF container, checking every declared
// size against the bytes that are really there.
class RiffReader
{
public:
    explicit RiffReader(QByteArrayView container) : m_rest(container) {}

    bool atEnd() const { return m_rest.isEmpty(); }
    // Reads the next chunk; false with a description when the chunk is cut short.
    bool next(RiffChunk *chunk, QString *error);

private:
    QByteArrayView m_rest;
};

// A four-character code as readable text: its characters when printable, otherwise its value
// as a number (as in the compression field of a bitmap header).
QString fourccText(QByteArrayView fourcc);

} // namespace tavrolin
