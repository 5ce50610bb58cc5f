#pragma once

#include <QString>
#include <memory>

namespace tavrolin {

// Hands text to a running application's window as keystrokes: the finish page uses it to type
// AutoCAD's script command and the working script file's path into AutoCAD's main window.
class KeystrokeSender
{
public:
    virtual ~KeystrokeSender() = default;

    // Activates the top-level window whose title equals windowTitle, or else one whose title
    // begins with it, types exactly the characters of text into it (a line feed and a carriage
    // return are typed as the characters they are) and waits until they were taken. An empty
    // title is refused: it would pick any window. On failure nothing has been typed and error
    // receives a short reason.
    virtual bool sendText(const QString &windowTitle, const QString &text, QString *error) = 0;
};

// The real sender of this platform. Constructing it opens no connection to the window system.
std::unique_ptr<KeystrokeSender> createPlatformKeystrokeSender();

// The sender the pages use: the real one unless another was set.
KeystrokeSender &keystrokeSender();

// Replaces the sender the pages use (tests set a recording one); nullptr brings back the real
// one.
void setKeystrokeSender(std::unique_ptr<KeystrokeSender> sender);

} // namespace tavrolin
