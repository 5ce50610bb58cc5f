#include "layout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>

namespace tavrolin {

namespace {

// The family that a font name stands for on this system, or an empty text when the system has
// no font by that name. The platform resolves the name: on Windows the font list holds the
// localized family names ("ＭＳ Ｐゴシック", "IPA Pゴシック") and the English names resolve to
// them; elsewhere font aliases do the same.
QString resolvedFamily(const QString &name)
{
    if (!QFontDatabase::hasFamily(name))
        return {};
    return QFontInfo(QFont(name)).family();
}

// Japanese fonts in order of preference: the one the windows are laid out for, the user
// interface fonts of a Japanese Windows, then those of other platforms and of Linux
// distributions; failing all, any font that has Japanese.
QString japaneseFamily()
{
    static const QString family = [] {
        const QStringList wanted{
            QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
            QStringLiteral("Yu Gothic UI"),    QStringLiteral("Meiryo UI"),
            QStringLiteral("MS UI Gothic"),    QStringLiteral("Hiragino Sans"),
            QStringLiteral("IPAPGothic"),      QStringLiteral("Noto Sans CJK JP"),
            QStringLiteral("IPAGothic"),       QStringLiteral("TakaoPGothic")};
        for (const QString &candidate : wanted) {
            const QString resolved = resolvedFamily(candidate);
            if (!resolved.isEmpty())
                return resolved;
        }
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        return japanese.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                  : japanese.first();
    }();
    return family;
}

} // namespace

void placeTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

void setClientSizeTwips(QWidget *window, int width, int height)
{
    window->setFixedSize(twips(width), twips(height));
}

QFont japaneseFont(qreal pointSize, bool bold)
{
    QFont font(japaneseFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace tavrolin
