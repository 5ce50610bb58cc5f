#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tavrolin {

// The bytes of a script file made piece by piece, as the script's blocks come, so the script's
// text is never held whole: the first line, the blocks, the frame line, the comment block. The
// bytes are those of scriptFileBytes(scriptFileText(script, comment)).
class ScriptFileBytes
{
public:
    ScriptFileBytes();

    // Appends the next part of the generated script.
    void addScript(QStringView part);

    // The whole file, once the script is complete.
    QByteArray finish(const QString &commentText);

    // The number of characters written as '?', which the code page cannot hold.
    qsizetype lostCharacters() const { return m_lost; }

private:
    QByteArray m_bytes;
    qsizetype m_lost = 0;
};

} // namespace tavrolin
