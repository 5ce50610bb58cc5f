#pragma once

#include <string>

namespace tavrolin {

// Keystroke hand-over on Windows, in plain Win32 so that it can be built and tried without Qt.
// Finds the visible top-level window by its title, brings it to the front and types the text
// as Unicode characters, one UTF-16 unit at a time, so every character arrives as typed text:
// the line feed and the carriage return as the characters 10 and 13, not as key presses.
class Win32WindowTyper
{
public:
    // Takes the window whose title equals title, or else one whose title begins with it. An
    // empty title is refused. On failure error receives a short reason.
    bool sendText(const std::wstring &title, const std::wstring &text, std::wstring *error) const;
};

} // namespace tavrolin
