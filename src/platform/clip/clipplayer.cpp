#include "clipplayer.h"

#include "clipreader.h"

#include <QPainter>

namespace tavrolin {

ClipPlayer::ClipPlayer(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    connect(&m_timer, &QTimer::timeout, this, &ClipPlayer::advance);
}

bool ClipPlayer::open(const QString &path, QString *error)
{
    close();
    std::optional<Clip> clip = ClipReader::readFile(path, error);
    if (!clip)
        return false;
    m_clip = std::move(*clip);
    const qint64 milliseconds = (qint64(m_clip.microsecondsPerFrame) + 500) / 1000;
    m_timer.setInterval(int(qMax<qint64>(MinimumFrameDelayMs, milliseconds)));
    update();
    if (m_autoPlay)
        play();
    return true;
}

void ClipPlayer::play()
{
    m_frame = 0;
    update();
    if (frameCount() > 1)
        m_timer.start();
}

void ClipPlayer::stop()
{
    m_timer.stop();
}

void ClipPlayer::close()
{
    stop();
    m_clip = Clip();
    m_frame = 0;
    update();
}

void ClipPlayer::paintEvent(QPaintEvent *)
{
    if (m_clip.frames.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_clip.frames.at(m_frame));
}

void ClipPlayer::advance()
{
    m_frame = (m_frame + 1) % frameCount();
    update();
}

} // namespace tavrolin
