#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <windows.h>

namespace tavrolin::test {

// A top-level window with a title of the test's choice that keeps every character it receives
// (WM_CHAR), on a thread of its own: the stand-in for AutoCAD's main window in the tests of the
// Win32 hand-over.
class Win32Recorder
{
public:
    explicit Win32Recorder(const std::wstring &title) : m_thread([this, title] { run(title); })
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [this] { return m_started; });
    }
    ~Win32Recorder()
    {
        if (m_window)
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        m_thread.join();
    }
    Win32Recorder(const Win32Recorder &) = delete;
    Win32Recorder &operator=(const Win32Recorder &) = delete;

    // False when no window could be made (wine needs an X display).
    bool hasWindow() const { return m_window != nullptr; }

    std::wstring take()
    {
        std::lock_guard lock(m_mutex);
        return std::exchange(m_text, {});
    }
    std::size_t size()
    {
        std::lock_guard lock(m_mutex);
        return m_text.size();
    }

    // Waits until at least count characters arrived or the time is over, then a little longer
    // for stray ones.
    void waitFor(std::size_t count, DWORD milliseconds)
    {
        const ULONGLONG deadline = GetTickCount64() + milliseconds;
        while (size() < count && GetTickCount64() < deadline)
            Sleep(20);
        Sleep(200);
    }

private:
    static const wchar_t *className()
    {
        static const wchar_t *name = [] {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = procedure;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"TavrolinRecorder";
            RegisterClassW(&windowClass);
            return windowClass.lpszClassName;
        }();
        return name;
    }

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<Win32Recorder *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_CHAR && self) {
            std::lock_guard lock(self->m_mutex);
            self->m_text += static_cast<wchar_t>(wParam);
            return 0;
        }
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void run(const std::wstring &title)
    {
        const HWND window =
            CreateWindowExW(0, className(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                            100, 400, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        {
            std::lock_guard lock(m_mutex);
            m_window = window;
            m_started = true;
        }
        m_ready.notify_all();
        if (!window)
            return;
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    HWND m_window = nullptr;
    bool m_started = false;
    std::wstring m_text;
    std::thread m_thread;
};

} // namespace tavrolin::test
