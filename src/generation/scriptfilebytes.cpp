#include "scriptfilebytes.h"

#include "core/ansicodec.h"
#include "scriptfile.h"

namespace tavrolin {

ScriptFileBytes::ScriptFileBytes()
{
    ansi::appendEncoded(kScriptFileStart, m_bytes, &m_lost);
}

void ScriptFileBytes::addScript(QStringView part)
{
    ansi::appendEncoded(part, m_bytes, &m_lost);
}

QByteArray ScriptFileBytes::finish(const QString &commentText)
{
    ansi::appendEncoded(kScriptFileFrame, m_bytes, &m_lost);
    ansi::appendEncoded(commentText, m_bytes, &m_lost);
    m_bytes.append(kScriptFileEnd);
    return std::move(m_bytes);
}

} // namespace tavrolin
