// Tries Win32WindowTyper against real windows: two recorder windows, each on its own thread,
// keep every character they receive (WM_CHAR), and a third window plays the wizard that has
// the foreground when the hand-over starts. Prints one line per case and a closing count;
// exits non-zero when a case failed. A test of the Windows build (run under wine on Linux).
#include "platform/keystrokes/win32windowtyper.h"
#include "support/win32recorder.h"

#include <cstdio>
#include <string>
#include <windows.h>

using tavrolin::Win32WindowTyper;
using Recorder = tavrolin::test::Win32Recorder;

namespace {

const std::wstring ShortTitle = L"AutoCAD 2000";
const std::wstring LongTitle = L"AutoCAD 2000 (1).dwg [x]+ 図面";
const std::wstring ScriptCommand = L"_script\n/tmp/some dir (x)+y\\café\\ｽｸﾘﾌﾟﾄ図面/scr/tmp.scr\r";

enum class Target { Short, Long, Either, None };

// The wizard's own window, in the foreground when the user presses the run button.
HWND showWizardWindow()
{
    const HWND window =
        CreateWindowExW(0, L"STATIC", L"Tavrolin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    return window;
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::string utf8(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

bool check(Recorder &shortWindow, Recorder &longWindow, const std::wstring &title, Target target)
{
    HWND wizard = showWizardWindow();
    std::wstring error;
    const bool sent = Win32WindowTyper().sendText(title, ScriptCommand, &error);
    const std::wstring expected = sent ? ScriptCommand : std::wstring();
    const ULONGLONG deadline = GetTickCount64() + 30000;
    while (shortWindow.size() + longWindow.size() < expected.size() && GetTickCount64() < deadline)
        Sleep(20);
    Sleep(200); // let stray characters arrive too
    const std::wstring shortText = shortWindow.take();
    const std::wstring longText = longWindow.take();
    DestroyWindow(wizard);
    pumpMessages();

    bool ok = false;
    switch (target) {
    case Target::Short:
        ok = sent && shortText == expected && longText.empty();
        break;
    case Target::Long:
        ok = sent && longText == expected && shortText.empty();
        break;
    case Target::Either:
        ok = sent && shortText + longText == expected && (shortText.empty() || longText.empty());
        break;
    case Target::None:
        ok = !sent && !error.empty() && shortText.empty() && longText.empty();
        break;
    }
    if (!ok)
        std::printf("  sent=%d error=[%s]\n  short=[%s]\n  long=[%s]\n", sent, utf8(error).c_str(),
                    utf8(shortText).c_str(), utf8(longText).c_str());
    return ok;
}

} // namespace

int main()
{
    Recorder shortWindow(ShortTitle);
    Recorder longWindow(LongTitle);
    if (!shortWindow.hasWindow() || !longWindow.hasWindow()) {
        std::printf("cannot create windows (wine needs an X display)\n");
        return 2;
    }

    const struct
    {
        const char *name;
        std::wstring title;
        Target target;
    } cases[] = {
        {"exact title wins over a longer one", ShortTitle, Target::Short},
        {"whole title with special characters", LongTitle, Target::Long},
        {"beginning with special characters", L"AutoCAD 2000 (1).dwg [x]+ 図", Target::Long},
        {"beginning shared by both windows", L"AutoCAD", Target::Either},
        {"titles compare with case", L"autocad 2000", Target::None},
        {"longer than every title", L"AutoCAD 2000 R15", Target::None},
        {"no window has it", L"AutoCAD R14", Target::None},
        {"empty title", L"", Target::None},
    };
    int passed = 0;
    int failed = 0;
    for (const auto &c : cases) {
        const bool ok = check(shortWindow, longWindow, c.title, c.target);
        std::printf("%s: %s\n", ok ? "PASS" : "FAIL", c.name);
        ok ? ++passed : ++failed;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
