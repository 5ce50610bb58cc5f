#include "previewpopup.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

constexpr int Gap = 4; // pixels between the list and the popup

// The folder of a path, as the list shows it (with its last separator), with a place to break
// the line after every separator: a long folder wraps to the picture's width instead of
// widening the popup.
QString breakableFolder(const QString &path)
{
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    QString folder = path.first(cut);
    folder.replace(u'/', u"/\u200B"_s).replace(u'\\', u"\\\u200B"_s);
    return folder;
}

} // namespace

PreviewPopup::PreviewPopup(QWidget *parent)
    : QFrame(parent, Qt::ToolTip | Qt::FramelessWindowHint), m_picture(new QLabel(this)),
      m_name(new QLabel(this)), m_folder(new QLabel(this))
{
    setObjectName(u"PreviewPopup"_s);
    setAccessibleName(u"図面プレビュー"_s);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_picture->setObjectName(u"PreviewPicture"_s);
    m_picture->setAlignment(Qt::AlignCenter);
    m_name->setObjectName(u"PreviewName"_s);
    m_name->setAlignment(Qt::AlignCenter);
    m_folder->setObjectName(u"PreviewFolder"_s);
    m_folder->setAlignment(Qt::AlignCenter);
    m_folder->setWordWrap(true);
    m_folder->setForegroundRole(QPalette::PlaceholderText);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Gap, Gap, Gap, Gap);
    layout->setSpacing(Gap);
    layout->addWidget(m_picture);
    layout->addWidget(m_name);
    layout->addWidget(m_folder);
}

QSize PreviewPopup::pictureSize(const QSize &image, const QSize &screen)
{
    if (image.isEmpty())
        return {};
    QSize size = image;
    if (size.width() < MinWidth)
        size = image.scaled(MinWidth, image.height() * MinWidth, Qt::KeepAspectRatio);
    const QSize bound(screen.width() / ScreenShare, screen.height() / ScreenShare);
    if (size.width() > bound.width() || size.height() > bound.height())
        size = size.scaled(bound, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(1, 1));
}

QSize PreviewPopup::pictureSize() const
{
    return m_picture->pixmap().deviceIndependentSize().toSize();
}

void PreviewPopup::showPreview(const QString &path, const QImage &image, const QRect &list,
                               int entryTop)
{
    QScreen *screen = QGuiApplication::screenAt(list.center());
    if (!screen)
        screen = this->screen();
    const qreal ratio = screen->devicePixelRatio();
    const QSize size = pictureSize(image.size(), screen->size());
    QImage scaled = image.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_path = path;
    m_picture->setPixmap(QPixmap::fromImage(scaled));
    m_picture->setFixedSize(size);
    m_name->setText(QFileInfo(path).fileName());
    m_name->setAccessibleName(m_name->text());
    m_folder->setText(breakableFolder(path));
    m_folder->setAccessibleName(QString(m_folder->text()).remove(u'\u200B'));
    m_folder->setMaximumWidth(qMax(size.width(), m_name->sizeHint().width()));
    adjustSize();
    placeBeside(list, entryTop, screen->availableGeometry());
    show();
    raise();
}

// To the right of the list, or to its left when the screen has no room there; level with the
// entry, moved up or down as far as needed to stay on the screen.
void PreviewPopup::placeBeside(const QRect &list, int entryTop, const QRect &screen)
{
    int x = list.right() + 1 + Gap;
    if (x + width() > screen.right() + 1)
        x = qMax(screen.left(), list.left() - Gap - width());
    const int y =
        qBound(screen.top(), entryTop, qMax(screen.top(), screen.bottom() + 1 - height()));
    move(x, y);
}

} // namespace tavrolin
