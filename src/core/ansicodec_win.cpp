#include "ansicodec.h"

#include <windows.h>

// The system's ANSI code page, through the platform's own conversion. Best-fit replacements are
// switched off, so a character the code page lacks becomes '?' and never a look-alike (a
// best-fit yen sign would turn into a backslash inside a path).
namespace tavrolin::ansi {

bool isLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

QString decode(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    QString text(units, Qt::Uninitialized);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<wchar_t *>(text.data()),
                        units);
    return text;
}

QByteArray encode(QStringView text, qsizetype *unrepresentable)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int units =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        char buffer[8];
        BOOL lost = FALSE;
        const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS,
                                                reinterpret_cast<const wchar_t *>(text.utf16() + i),
                                                units, buffer, sizeof buffer, "?", &lost);
        if (lost || written <= 0) {
            bytes.append('?');
            if (unrepresentable)
                ++*unrepresentable;
        } else {
            bytes.append(buffer, written);
        }
        i += units - 1;
    }
    return bytes;
}

void appendEncoded(QStringView text, QByteArray &bytes, qsizetype *unrepresentable)
{
    bytes += encode(text, unrepresentable);
}

} // namespace tavrolin::ansi
