#pragma once

#include <QCache>
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <optional>

namespace tavrolin {

// The preview pictures of drawings, each read once in the background and remembered: a large
// DXF drawing without a thumbnail is read to its end, which takes seconds, and the list that
// asks must stay alive meanwhile. One drawing is read at a time; of the drawings asked for in
// the meantime, the last few are read next, the latest first (the one under the mouse). The
// pictures kept are bounded in memory; the least recently used go first.
class PreviewCache : public QObject
{
    Q_OBJECT

public:
    explicit PreviewCache(QObject *parent = nullptr);
    // Stops the read in progress at its next read of the file and waits for it: a drawing is
    // never read to its end when nobody wants its picture any more.
    ~PreviewCache() override;

    // The drawing's preview when it has been read (a null image when it holds none), or
    // nothing when it has not.
    std::optional<QImage> find(const QString &path);

    // Reads the drawing's preview in the background unless it is known already; ready() tells
    // when it is known.
    void request(const QString &path);

    // Forgets every preview (the drawings may have changed since); a read in progress still
    // reports.
    void clear();

signals:
    void ready(const QString &path);

private:
    void readNext();
    void store(const QString &path, const QImage &image);

    QThreadPool m_pool;
    std::atomic_bool m_stopping{false};
    QCache<QString, QImage> m_images;
    QString m_reading;    // the drawing being read, or the empty text
    QStringList m_wanted; // drawings asked for and not yet read, the latest first
};

} // namespace tavrolin
