#pragma once

#include "keystrokesender.h"

namespace tavrolin {

// Keystroke hand-over on Windows: the Qt face of Win32WindowTyper.
class Win32KeystrokeSender : public KeystrokeSender
{
public:
    bool sendText(const QString &windowTitle, const QString &text, QString *error) override;
};

} // namespace tavrolin
