#include "drawingpath.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrolin {

bool isDrawingPath(const QString &path)
{
    return path.endsWith(u".dwg", Qt::CaseInsensitive) ||
           path.endsWith(u".dxf", Qt::CaseInsensitive);
}

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool isScriptSafePath(const QString &path)
{
    return !holdsControlCharacter(path) && !path.contains(u'"');
}

QString unsafeDrawingPathMessage()
{
    return u"このパスにはスクリプトに書けない文字（改行などの制御文字か \"）が有ります"_s;
}

// Line ends and TAB by their usual names, any other control character by its code: plain ASCII,
// which every font shows.
QString visibleControls(const QString &text)
{
    QString visible;
    visible.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Control)
            visible += c;
        else if (c == u'\n')
            visible += u"<LF>"_s;
        else if (c == u'\r')
            visible += u"<CR>"_s;
        else if (c == u'\t')
            visible += u"<TAB>"_s;
        else
            visible += u"<U+%1>"_s.arg(int(c.unicode()), 4, 16, QChar(u'0')).toUpper();
    }
    return visible;
}

bool needsScriptQuotes(QStringView path)
{
    return path.contains(u' ');
}

QString scriptPath(const QString &path)
{
    if (!needsScriptQuotes(path))
        return path;
    return QChar(u'"') + path + u'"';
}

QString openCommand(const QString &path)
{
    return u".open "_s + scriptPath(path);
}

} // namespace tavrolin
