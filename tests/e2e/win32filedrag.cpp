#include "win32filedrag.h"

#include "win32desktop.h"

#include <QDir>
#include <future>
#include <ole2.h>
#include <shlobj.h>
#include <thread>

namespace tavrolin::test {

namespace {

// The dragged files as CF_HDROP: a DROPFILES header followed by the wide paths, each ended by a
// NUL, and one more NUL.
QByteArray dropFilesOf(const QStringList &paths)
{
    QString names;
    for (const QString &path : paths)
        names += QDir::toNativeSeparators(path) + QChar(u'\0');
    names += QChar(u'\0');
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(names.utf16()), names.size() * 2);
    return bytes;
}

FORMATETC hdropFormat()
{
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

template <typename Interface>
class ComObject : public Interface
{
public:
    virtual ~ComObject() = default;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **object) override
    {
        if (id != IID_IUnknown && id != __uuidof(Interface)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return ULONG(left);
    }

private:
    LONG m_references = 1;
};

class FileDataObject : public ComObject<IDataObject>
{
public:
    explicit FileDataObject(QByteArray dropFiles) : m_dropFiles(std::move(dropFiles)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC *format, STGMEDIUM *medium) override
    {
        if (QueryGetData(format) != S_OK)
            return DV_E_FORMATETC;
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, SIZE_T(m_dropFiles.size()));
        memcpy(GlobalLock(memory), m_dropFiles.constData(), size_t(m_dropFiles.size()));
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC *, STGMEDIUM *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC *format) override
    {
        return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK
                                                                               : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC *, FORMATETC *out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC *, STGMEDIUM *, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC **formats) override
    {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC format = hdropFormat();
        return SHCreateStdEnumFmtEtc(1, &format, formats);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC *, DWORD, IAdviseSink *, DWORD *) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA **) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }

private:
    QByteArray m_dropFiles;
};

// Drops where the left button is released, as every drag source does.
class ButtonDropSource : public ComObject<IDropSource>
{
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override
    {
        if (escape)
            return DRAGDROP_S_CANCEL;
        return keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

constexpr int kSourceLeft = 20;
constexpr int kSourceTop = 20;
constexpr int kSourceSize = 120;

struct DragThread
{
    QByteArray dropFiles;
    std::promise<HWND> ready;
    std::promise<DWORD> effect;

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<DragThread *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_LBUTTONDOWN || !self)
            return DefWindowProcW(window, message, wParam, lParam);
        auto *data = new FileDataObject(self->dropFiles);
        auto *source = new ButtonDropSource;
        DWORD chosen = DROPEFFECT_NONE;
        const HRESULT result =
            DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &chosen);
        data->Release();
        source->Release();
        self->effect.set_value(result == DRAGDROP_S_DROP ? chosen : DROPEFFECT_NONE);
        DestroyWindow(window);
        return 0;
    }

    void run()
    {
        OleInitialize(nullptr);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        windowClass.lpszClassName = L"TavrolinFileDragSource";
        RegisterClassW(&windowClass);
        const HWND window = CreateWindowExW(
            WS_EX_TOPMOST, windowClass.lpszClassName, L"Files", WS_POPUP | WS_VISIBLE, kSourceLeft,
            kSourceTop, kSourceSize, kSourceSize, nullptr, nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ready.set_value(window);
        MSG message;
        while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
        OleUninitialize();
    }
};

} // namespace

DWORD Win32FileDrag::drag(const QStringList &paths, QPoint target)
{
    DragThread drag{dropFilesOf(paths), {}, {}};
    std::future<HWND> ready = drag.ready.get_future();
    std::future<DWORD> effect = drag.effect.get_future();
    std::thread thread([&drag] { drag.run(); });
    if (!ready.get()) {
        thread.join();
        return DROPEFFECT_NONE;
    }
    using namespace win32desktop;
    const QPoint start(kSourceLeft + kSourceSize / 2, kSourceTop + kSourceSize / 2);
    pressLeftButton(start);
    Sleep(300);
    // The pointer travels in steps, so the drag loop sees it leave the source and enter the
    // target, and rests there before the button comes up.
    constexpr int kSteps = 10;
    for (int step = 1; step <= kSteps; ++step) {
        moveMouse(start + (target - start) * step / kSteps);
        Sleep(50);
    }
    moveMouse(target + QPoint(1, 1));
    Sleep(300);
    releaseLeftButton();
    const DWORD chosen = effect.wait_for(std::chrono::seconds(120)) == std::future_status::ready
                             ? effect.get()
                             : DROPEFFECT_NONE;
    thread.join();
    return chosen;
}

} // namespace tavrolin::test
