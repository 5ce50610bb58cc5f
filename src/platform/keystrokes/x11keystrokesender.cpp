#include "x11keystrokesender.h"

#include "x11errortrap.h"
#include "x11texttyper.h"

#include <QDeadlineTimer>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <memory>

extern "C" {
#include <X11/Xutil.h>
#include <xdo.h>
}

namespace tavrolin {

namespace {

// How long the window manager gets to hand the keyboard focus to the activated window.
constexpr int FocusTimeoutMilliseconds = 3000;
constexpr unsigned long FocusPollMilliseconds = 20;

using Connection = std::unique_ptr<xdo_t, decltype(&xdo_free)>;

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// A POSIX extended regular expression that matches the text literally.
QByteArray escapedPattern(const QString &text)
{
    static const QString special = QStringLiteral(".[]{}()\\*+?|^$");
    QString pattern;
    for (QChar c : text) {
        if (special.contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern.toUtf8();
}

QString windowTitle(Display *display, Window window)
{
    XTextProperty property{};
    if (!XGetWMName(display, window, &property))
        return {};
    char **list = nullptr;
    int count = 0;
    QString title;
    if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && count > 0)
        title = QString::fromUtf8(list[0]);
    if (list)
        XFreeStringList(list);
    XFree(property.value);
    return title;
}

// libxdo matches window names without regard to case, so its search only gathers the windows
// whose title may begin with the text; the titles are then compared exactly here.
Window findWindow(const xdo_t *xdo, const QString &title)
{
    const QByteArray pattern = '^' + escapedPattern(title);
    xdo_search_t search{};
    search.winname = pattern.constData();
    search.searchmask = SEARCH_NAME;
    search.max_depth = -1;
    search.require = xdo_search::SEARCH_ALL;
    Window *found = nullptr;
    unsigned int count = 0;
    xdo_search_windows(xdo, &search, &found, &count);
    const std::unique_ptr<Window, decltype(&free)> windows(found, free);

    Window prefixMatch = 0;
    for (unsigned int i = 0; i < count; ++i) {
        const QString candidate = windowTitle(xdo->xdpy, found[i]);
        if (candidate == title)
            return found[i];
        if (!prefixMatch && candidate.startsWith(title))
            prefixMatch = found[i];
    }
    return prefixMatch;
}

bool isWithin(Display *display, Window window, Window ancestor)
{
    while (window > PointerRoot) {
        if (window == ancestor)
            return true;
        Window root = 0;
        Window parent = 0;
        Window *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        window = parent;
    }
    return false;
}

bool hasFocus(const xdo_t *xdo, Window window)
{
    Window focused = 0;
    return xdo_get_focused_window(xdo, &focused) == XDO_SUCCESS &&
           isWithin(xdo->xdpy, focused, window);
}

// Whether a window manager runs that activates windows on request (_NET_ACTIVE_WINDOW).
bool windowManagerActivates(const xdo_t *xdo)
{
    unsigned char *value = nullptr;
    long count = 0;
    Atom type = 0;
    int size = 0;
    const Window root = DefaultRootWindow(xdo->xdpy);
    if (xdo_get_window_property(xdo, root, "_NET_SUPPORTED", &value, &count, &type, &size) !=
        XDO_SUCCESS)
        return false;
    const Atom wanted = XInternAtom(xdo->xdpy, "_NET_ACTIVE_WINDOW", False);
    // Format-32 properties arrive as an array of longs.
    const auto *atoms = reinterpret_cast<const Atom *>(value);
    const bool supported =
        value && size == 32 && std::find(atoms, atoms + count, wanted) != atoms + count;
    XFree(value);
    return supported;
}

// Asks the window manager to activate the window; without one that does, raises the window and
// gives it the focus directly. Succeeds only once the window has the focus, since keystrokes go
// wherever the focus is.
bool activate(const xdo_t *xdo, Window window)
{
    if (!windowManagerActivates(xdo) || xdo_activate_window(xdo, window) != XDO_SUCCESS) {
        xdo_raise_window(xdo, window);
        xdo_focus_window(xdo, window);
    }
    XSync(xdo->xdpy, False);
    const QDeadlineTimer deadline(FocusTimeoutMilliseconds);
    while (!hasFocus(xdo, window)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(FocusPollMilliseconds);
    }
    return true;
}

} // namespace

X11KeystrokeSender::X11KeystrokeSender(const QString &displayName)
    : m_displayName(displayName.toLocal8Bit())
{}

bool X11KeystrokeSender::sendText(const QString &windowTitle, const QString &text, QString *error)
{
    if (windowTitle.isEmpty())
        return fail(error, QStringLiteral("no window title given"));
    // Titles and typed characters beyond ASCII are converted through the locale.
    std::setlocale(LC_ALL, "");
    Display *display = XOpenDisplay(m_displayName.isEmpty() ? nullptr : m_displayName.constData());
    if (!display)
        return fail(error, QStringLiteral("cannot open the X display"));
    const Connection xdo(xdo_new_with_opened_display(display, XDisplayString(display), 1),
                         xdo_free);
    if (!xdo) {
        XCloseDisplay(display);
        return fail(error, QStringLiteral("cannot use the X display for typing"));
    }
    xdo->quiet = 1;

    const X11ErrorTrap trap;
    const Window window = findWindow(xdo.get(), windowTitle);
    if (!window)
        return fail(error, QStringLiteral("no window titled \"%1\"").arg(windowTitle));
    if (!activate(xdo.get(), window))
        return fail(
            error,
            QStringLiteral("the window \"%1\" did not take the keyboard focus").arg(windowTitle));
    X11TextTyper typer(xdo.get());
    return typer.type(text, error);
}

std::unique_ptr<KeystrokeSender> createPlatformKeystrokeSender()
{
    return std::make_unique<X11KeystrokeSender>();
}

} // namespace tavrolin
