#pragma once

#include "clip.h"

#include <QTimer>
#include <QWidget>

namespace tavrolin {

// Plays a silent clip in a loop, like an animation control: the current frame is drawn at its
// natural size at the top-left corner, the rest of the widget shows its background, and with no
// clip open the widget is an empty area. Frames advance on a timer in the event loop, so the
// clip keeps playing while a long loop lets pending events run.
class ClipPlayer : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinimumFrameDelayMs = 10;

    explicit ClipPlayer(QWidget *parent = nullptr);

    // With auto-play on (the default), opening a clip starts playing it over and over.
    bool autoPlay() const { return m_autoPlay; }
    void setAutoPlay(bool on) { m_autoPlay = on; }

    // Opens the clip at path and shows its first frame. On failure the player is left with no
    // clip and error describes what is wrong.
    bool open(const QString &path, QString *error);
    // Plays from the first frame, looping; a clip of a single frame only shows that frame.
    void play();
    // Stops at the frame shown.
    void stop();
    // Stops and forgets the clip: the widget shows an empty area. This is the control's close,
    // not QWidget::close(): the widget stays visible.
    void close();

    bool isPlaying() const { return m_timer.isActive(); }
    int currentFrame() const { return m_frame; }
    int frameCount() const { return int(m_clip.frames.size()); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void advance();

    Clip m_clip;
    int m_frame = 0;
    bool m_autoPlay = true;
    QTimer m_timer;
};

} // namespace tavrolin
