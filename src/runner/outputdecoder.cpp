#include "outputdecoder.h"

#include "core/ansicodec.h"

#include <utility>

namespace tavrolin {

namespace {

// The bytes looked at before the encoding is decided: a line or two of the console.
constexpr qsizetype kSample = 256;

} // namespace

QString OutputDecoder::decode(QByteArrayView piece)
{
    m_pending += piece;
    if (m_encoding == Encoding::Undecided && m_pending.size() >= kSample)
        decide();
    return decodePending();
}

QString OutputDecoder::finish()
{
    if (m_encoding == Encoding::Undecided)
        decide();
    QString text = decodePending();
    if (m_encoding == Encoding::Ansi && !m_pending.isEmpty()) {
        text += ansi::decode(m_pending);
        m_pending.clear();
    }
    return text;
}

// Text in the ANSI code page holds no zero byte; UTF-16LE text holds one in each ASCII
// character, line ends included.
void OutputDecoder::decide()
{
    const bool zero =
        QByteArrayView(m_pending).first(qMin(m_pending.size(), kSample)).contains('\0');
    m_encoding = zero || m_pending.startsWith("\xff\xfe") ? Encoding::Utf16 : Encoding::Ansi;
}

QString OutputDecoder::decodePending()
{
    switch (m_encoding) {
    case Encoding::Undecided:
        return {};
    case Encoding::Utf16: {
        const QByteArray bytes = std::exchange(m_pending, {});
        return m_utf16.decode(bytes);
    }
    case Encoding::Ansi:
        return decodeAnsi();
    }
    return {};
}

// Decodes the whole characters; a lead byte at the end waits for its trail byte.
QString OutputDecoder::decodeAnsi()
{
    qsizetype whole = 0;
    while (whole < m_pending.size()) {
        const bool lead = ansi::isLeadByte(static_cast<unsigned char>(m_pending[whole]));
        if (lead && whole + 1 == m_pending.size())
            break;
        whole += lead ? 2 : 1;
    }
    const QString text = ansi::decode(QByteArrayView(m_pending).first(whole));
    m_pending.remove(0, whole);
    return text;
}

} // namespace tavrolin
