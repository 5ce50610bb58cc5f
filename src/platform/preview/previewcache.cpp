#include "previewcache.h"

#include "drawingpreviewreader.h"

namespace tavrolin {

namespace {

// A stored preview is at most a few hundred kilobytes as pixels; this keeps hundreds of them.
constexpr qsizetype MaxCachedBytes = 128 * 1024 * 1024;
// Drawings asked for while another is read: the mouse passing over the list asks for many, of
// which only the last few still matter.
constexpr qsizetype MaxWaiting = 4;

} // namespace

PreviewCache::PreviewCache(QObject *parent) : QObject(parent), m_images(MaxCachedBytes)
{
    m_pool.setMaxThreadCount(1);
}

PreviewCache::~PreviewCache()
{
    m_stopping = true;
    m_pool.waitForDone();
}

std::optional<QImage> PreviewCache::find(const QString &path)
{
    if (const QImage *image = m_images.object(path))
        return *image;
    return std::nullopt;
}

void PreviewCache::request(const QString &path)
{
    if (m_images.contains(path) || path == m_reading)
        return;
    m_wanted.removeOne(path);
    m_wanted.prepend(path);
    if (m_wanted.size() > MaxWaiting)
        m_wanted.removeLast();
    if (m_reading.isEmpty())
        readNext();
}

void PreviewCache::clear()
{
    m_images.clear();
    m_wanted.clear();
}

// The result comes back to this object's thread as a queued call; the destructor waits for the
// read, so the worker never outlives the object it reports to.
void PreviewCache::readNext()
{
    if (m_wanted.isEmpty())
        return;
    const QString path = m_wanted.takeFirst();
    m_reading = path;
    m_pool.start([this, path] {
        const QImage image = DrawingPreviewReader::readFile(path, m_stopping).image;
        QMetaObject::invokeMethod(
            this, [this, path, image] { store(path, image); }, Qt::QueuedConnection);
    });
}

void PreviewCache::store(const QString &path, const QImage &image)
{
    const qsizetype cost = qMax<qsizetype>(1, image.sizeInBytes());
    m_images.insert(path, new QImage(image), cost);
    m_reading.clear();
    emit ready(path);
    if (m_reading.isEmpty())
        readNext();
}

} // namespace tavrolin
