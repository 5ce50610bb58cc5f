#include "drawingpath.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// The control characters (Unicode's category Cc): C0, DEL and C1. Compared directly, since a
// drawing list's every path is looked at.
bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

} // namespace

bool isDrawingPath(const QString &path)
{
    return path.endsWith(u".dwg", Qt::CaseInsensitive) ||
           path.endsWith(u".dxf", Qt::CaseInsensitive);
}

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isControl);
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
        if (!isControl(c))
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
    return std::find(path.utf16(), path.utf16() + path.size(), u' ') != path.utf16() + path.size();
}

QString scriptPath(const QString &path)
{
    if (!needsScriptQuotes(path))
        return path;
    return QChar(u'"') + path + u'"';
}

// Made in one allocation of its exact size: a list of 50 000 drawings keeps 50 000 of them.
QString openCommand(const QString &path)
{
    constexpr QStringView kOpen = u".open ";
    const bool quoted = needsScriptQuotes(path);
    QString line;
    line.reserve(kOpen.size() + path.size() + (quoted ? 2 : 0));
    line += kOpen;
    if (quoted)
        line += u'"';
    line += path;
    if (quoted)
        line += u'"';
    return line;
}

} // namespace tavrolin
