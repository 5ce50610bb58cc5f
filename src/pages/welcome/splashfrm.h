#pragma once

#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"

class QFont;
class QLabel;
class QPushButton;

namespace tavrolin {

class LabelReveal;

// The welcome page, the program's start window: a picture and headlines that reveal themselves
// from left to right, the About box and the help browser, and the way into the wizard. Once its
// first frame is painted it loads the command grid page, hidden, so that page is ready when the
// user reaches it and the window does not wait for it.
class splashfrm : public PageWindow
{
    Q_OBJECT

public:
    explicit splashfrm(const PageContext &context);

protected:
    bool event(QEvent *event) override;

private:
    void buildControls();
    void load();
    void loadPicture();
    void startReveal();

    QLabel *addLabel(const char *name, const QString &text, const QFont &font, int left, int top,
                     int width, int height);
    QPushButton *addButton(const char *name, const QString &caption, int left, int width);

    PageContext m_context;
    QLabel *m_image1 = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label8 = nullptr;
    LabelReveal *m_timer1 = nullptr;
    bool m_gridRequested = false;
};

} // namespace tavrolin
