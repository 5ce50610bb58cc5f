#include "drawingpath.h"

#include "textinplace.h"

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

// No character outside ASCII folds to the letters of these two extensions, so the last four
// characters are compared as ASCII, in small letters.
bool isDrawingPath(const QString &path)
{
    if (path.size() < 4 || path[path.size() - 4] != u'.')
        return false;
    char16_t extension[3];
    for (int i = 0; i < 3; ++i) {
        const char16_t c = path[path.size() - 3 + i].unicode();
        extension[i] = c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
    }
    const QStringView found(extension, 3);
    return found == u"dwg" || found == u"dxf";
}

bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), isControl);
}

bool isScriptSafePath(const QString &path)
{
    return std::none_of(path.begin(), path.end(),
                        [](QChar c) { return isControl(c) || c == u'"'; });
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
    return path.contains(u' ');
}

QString scriptPath(const QString &path)
{
    if (!needsScriptQuotes(path))
        return path;
    return QChar(u'"') + path + u'"';
}

// Made in one allocation of its exact size and written in place: a list of 50 000 drawings keeps
// 50 000 of them.
QString openCommand(const QString &path)
{
    constexpr QStringView kOpen = u".open ";
    const bool quoted = needsScriptQuotes(path);
    QString line(kOpen.size() + path.size() + (quoted ? 2 : 0), Qt::Uninitialized);
    char16_t *out = putText(kOpen, unitsOf(line));
    if (quoted)
        *out++ = u'"';
    out = putText(path, out);
    if (quoted)
        *out = u'"';
    return line;
}

} // namespace tavrolin
