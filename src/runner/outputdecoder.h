#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace tavrolin {

// The console's output as text, decoded as it arrives. The console writes UTF-16LE; output that
// is not UTF-16 (a program of another make, a batch file in its place) is read in the ANSI code
// page. Which of the two is told from the first bytes: UTF-16LE text holds the zero bytes of its
// ASCII characters (its line ends at least), and text in the ANSI code page holds none.
// A character split between two pieces of output waits for its rest.
class OutputDecoder
{
public:
    // The text of the next piece of output; empty while the encoding is still undecided.
    QString decode(QByteArrayView piece);

    // The text that is left once the output has ended.
    QString finish();

private:
    enum class Encoding { Undecided, Utf16, Ansi };

    void decide();
    QString decodePending();
    QString decodeAnsi();

    Encoding m_encoding = Encoding::Undecided;
    QByteArray m_pending;
    QStringDecoder m_utf16{QStringDecoder::Utf16LE};
};

} // namespace tavrolin
