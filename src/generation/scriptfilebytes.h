#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

namespace tavrolin {

// The bytes of a script file made piece by piece, as the script's blocks come, and handed on in
// pieces of about 256 KB, so neither the script's text nor its bytes are ever held whole:
// the first line, the blocks, the frame line, the comment block. Together the pieces are the
// bytes of scriptFileBytes(scriptFileText(script, comment)).
class ScriptFileBytes
{
public:
    using Take = std::function<void(QByteArrayView bytes)>;

    explicit ScriptFileBytes(Take take);

    // Appends the next part of the generated script.
    void addScript(QStringView part);

    // Ends the file with the comment block and hands on the rest.
    void finish(const QString &commentText);

    // The number of characters written as '?', which the code page cannot hold.
    qsizetype lostCharacters() const { return m_lost; }

private:
    void add(QStringView text);

    Take m_take;
    QByteArray m_bytes;
    qsizetype m_lost = 0;
};

} // namespace tavrolin
