#pragma once

#include <QByteArray>
#include <QByteArrayView>

class QIODevice;

namespace tavrolin {

// Reads an ASCII DXF file as its pairs of lines, a group code line and a value line. The file
// is read in chunks and split into lines in place, so memory stays at one chunk whatever the
// file's size. Lines may end in CR LF or LF; blanks around the group code and the value are
// ignored.
class DxfGroupReader
{
public:
    static constexpr qsizetype MaxLineLength = 4096;
    // A chunk holds at least two whole lines of the longest length read.
    static constexpr qsizetype SmallestChunk = 2 * MaxLineLength + 2;
    static constexpr qsizetype DefaultChunk = 64 * 1024;

    // A reader that only needs the file's first groups reads it in small chunks.
    explicit DxfGroupReader(QIODevice &device, qsizetype chunkSize = DefaultChunk);

    // Reads the next pair. False at the end of the data or when the data stops being pairs
    // (isMalformed() tells which).
    bool next();
    bool isMalformed() const { return m_malformed; }
    // Skips one line, to start pairing at the next; false at the end of the data.
    bool skipLine();

    int code() const { return m_code; }
    // The value without blanks and line end; valid until the next call of next().
    QByteArrayView value() const { return m_value; }
    // True when the value line was longer than MaxLineLength; its value is then empty.
    bool isValueCut() const { return m_valueCut; }
    // The line number (from 1) of the current value line, for messages.
    qint64 lineNumber() const { return m_lineNumber; }

private:
    enum class Line { Whole, Cut, End };

    Line readLine(QByteArrayView *line);
    bool fill();
    void skipPastNewline();

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_position = 0; // first unread byte in m_buffer
    qsizetype m_end = 0;      // end of the bytes read into m_buffer
    QByteArrayView m_value;
    int m_code = 0;
    bool m_valueCut = false;
    bool m_malformed = false;
    qint64 m_lineNumber = 0;
};

} // namespace tavrolin
