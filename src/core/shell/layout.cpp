#include "layout.h"

#include <QFontDatabase>
#include <QWidget>

namespace tavrolin {

namespace {

// Japanese fonts in order of preference: the classic Windows one, then those of other
// platforms and of Linux distributions.
QString japaneseFamily()
{
    static const QString family = [] {
        const QStringList wanted{QStringLiteral("ＭＳ Ｐゴシック"),  QStringLiteral("MS PGothic"),
                                 QStringLiteral("Meiryo UI"),        QStringLiteral("Yu Gothic UI"),
                                 QStringLiteral("Hiragino Sans"),    QStringLiteral("IPAPGothic"),
                                 QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic"),
                                 QStringLiteral("TakaoPGothic")};
        const QStringList installed = QFontDatabase::families();
        for (const QString &candidate : wanted) {
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
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
