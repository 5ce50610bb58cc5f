#include "x11texttyper.h"

#include <QThread>
#include <algorithm>

extern "C" {
#include <xdo.h>
}

namespace tavrolin {

namespace {

// libxdo's recommended pace; the target gets half of it after the press and half after the
// release.
constexpr useconds_t KeyDelayMicroseconds = 12000;
// Time the target gets to take the last keys before the spare keycodes are given back.
constexpr unsigned long SettleMilliseconds = 300;

KeySym keysymFor(char32_t character)
{
    // BackSpace, Tab, Linefeed, Return and Escape have the keysyms 0xff00 + their code.
    if (character < 0x20)
        return 0xff00 | character;
    // Latin-1 keysyms equal their character code; all others are Unicode keysyms.
    if (character < 0x7f || (character >= 0xa0 && character <= 0xff))
        return character;
    return 0x01000000 | character;
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

X11TextTyper::X11TextTyper(const xdo *connection) : m_xdo(connection)
{
    int lastKeycode = 0;
    XDisplayKeycodes(m_xdo->xdpy, &m_firstKeycode, &lastKeycode);
    KeySym *symbols = XGetKeyboardMapping(m_xdo->xdpy, m_firstKeycode,
                                          lastKeycode - m_firstKeycode + 1, &m_symbolsPerKeycode);
    if (!symbols)
        return;
    const auto count = std::size_t(lastKeycode - m_firstKeycode + 1) * m_symbolsPerKeycode;
    m_map.assign(symbols, symbols + count);
    XFree(symbols);
}

X11TextTyper::~X11TextTyper()
{
    for (unsigned char code : m_borrowed) {
        KeySym nothing[] = {NoSymbol, NoSymbol};
        XChangeKeyboardMapping(m_xdo->xdpy, code, 2, nothing, 1);
    }
    XSync(m_xdo->xdpy, False);
}

bool X11TextTyper::type(const QString &text, QString *error)
{
    const QList<uint> characters = text.toUcs4();
    std::vector<Key> keys;
    for (uint character : characters) {
        Key key;
        const KeySym symbol = keysymFor(character);
        if (!findKey(symbol, &key) && !bindSpareKey(symbol, &key))
            return fail(error, QStringLiteral("the keyboard map has no room for the character U+%1")
                                   .arg(character, 4, 16, QLatin1Char('0')));
        keys.push_back(key);
    }
    XSync(m_xdo->xdpy, False);
    for (std::size_t i = 0; i < keys.size(); ++i)
        press(keys[i], characters[qsizetype(i)]);
    XSync(m_xdo->xdpy, False);
    QThread::msleep(SettleMilliseconds);
    return true;
}

// Looks for the keysym on the first two levels of the first group: without and with Shift.
bool X11TextTyper::findKey(unsigned long symbol, Key *key) const
{
    const std::size_t perKeycode = m_symbolsPerKeycode;
    for (std::size_t i = 0; i < m_map.size(); ++i) {
        const std::size_t level = i % perKeycode;
        if (level < 2 && m_map[i] == symbol) {
            key->symbol = symbol;
            key->code = static_cast<unsigned char>(m_firstKeycode + i / perKeycode);
            key->modifiers = level == 1 ? ShiftMask : 0;
            return true;
        }
    }
    return false;
}

// Puts the keysym on both levels of a keycode that has no keysym at all.
bool X11TextTyper::bindSpareKey(unsigned long symbol, Key *key)
{
    const std::size_t perKeycode = m_symbolsPerKeycode;
    for (std::size_t first = 0; perKeycode >= 2 && first < m_map.size(); first += perKeycode) {
        const auto begin = m_map.begin() + std::ptrdiff_t(first);
        if (std::any_of(begin, begin + std::ptrdiff_t(perKeycode),
                        [](unsigned long s) { return s != NoSymbol; }))
            continue;
        const auto code = static_cast<unsigned char>(m_firstKeycode + first / perKeycode);
        KeySym symbols[] = {symbol, symbol};
        XChangeKeyboardMapping(m_xdo->xdpy, code, 2, symbols, 1);
        begin[0] = symbol;
        begin[1] = symbol;
        m_borrowed.push_back(code);
        *key = {symbol, code, 0};
        return true;
    }
    return false;
}

void X11TextTyper::press(const Key &key, char32_t character) const
{
    charcodemap_t stroke{};
    stroke.key = static_cast<wchar_t>(character);
    stroke.code = key.code;
    stroke.symbol = key.symbol;
    stroke.modmask = static_cast<int>(key.modifiers);
    xdo_send_keysequence_window_list_do(m_xdo, CURRENTWINDOW, &stroke, 1, True, nullptr,
                                        KeyDelayMicroseconds / 2);
    xdo_send_keysequence_window_list_do(m_xdo, CURRENTWINDOW, &stroke, 1, False, nullptr,
                                        KeyDelayMicroseconds / 2);
}

} // namespace tavrolin
