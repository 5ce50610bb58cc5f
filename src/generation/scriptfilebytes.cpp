#include "scriptfilebytes.h"

#include "core/ansicodec.h"
#include "scriptfile.h"

namespace tavrolin {

namespace {

// Pieces this large cost few writes, and the memory they take is touched once and reused.
constexpr qsizetype kPieceSize = 256 * 1024;

} // namespace

ScriptFileBytes::ScriptFileBytes(Take take) : m_take(std::move(take))
{
    m_bytes.reserve(kPieceSize + 16 * 1024);
    add(kScriptFileStart);
}

void ScriptFileBytes::add(QStringView text)
{
    ansi::appendEncoded(text, m_bytes, &m_lost);
    if (m_bytes.size() >= kPieceSize) {
        m_take(m_bytes);
        m_bytes.truncate(0);
    }
}

void ScriptFileBytes::addScript(QStringView part)
{
    add(part);
}

void ScriptFileBytes::finish(const QString &commentText)
{
    add(kScriptFileFrame);
    add(commentText);
    m_bytes.append(kScriptFileEnd);
    m_take(m_bytes);
    m_bytes.truncate(0);
}

} // namespace tavrolin
