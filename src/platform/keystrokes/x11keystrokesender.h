#pragma once

#include "keystrokesender.h"

namespace tavrolin {

// Keystroke hand-over on X11: finds the window by its title, has the window manager activate
// it and types the text through the XTEST extension. It connects to the display only while
// sendText runs.
class X11KeystrokeSender : public KeystrokeSender
{
public:
    // displayName: the X display to use; empty means the one named by DISPLAY.
    explicit X11KeystrokeSender(const QString &displayName = {});

    bool sendText(const QString &windowTitle, const QString &text, QString *error) override;

private:
    QByteArray m_displayName;
};

} // namespace tavrolin
