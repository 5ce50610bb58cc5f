#pragma once

#include <QString>
#include <vector>

struct xdo;

namespace tavrolin {

// Types text into the window that has the keyboard focus, through libxdo's XTEST path.
// Characters that the keyboard map lacks (Japanese, the line feed) are bound to spare keycodes
// for the whole text and given back only after a pause at the end: binding one scratch keycode
// per character and releasing it at once, as libxdo does on its own, races with the target
// looking the key up and loses or garbles characters.
class X11TextTyper
{
public:
    explicit X11TextTyper(const xdo *connection);
    ~X11TextTyper();
    X11TextTyper(const X11TextTyper &) = delete;
    X11TextTyper &operator=(const X11TextTyper &) = delete;

    bool type(const QString &text, QString *error);

private:
    struct Key
    {
        unsigned long symbol = 0;
        unsigned char code = 0;
        unsigned int modifiers = 0;
    };

    bool findKey(unsigned long symbol, Key *key) const;
    bool bindSpareKey(unsigned long symbol, Key *key);
    void press(const Key &key, char32_t character) const;

    const xdo *m_xdo;
    int m_firstKeycode = 0;
    int m_symbolsPerKeycode = 0;
    std::vector<unsigned long> m_map; // the keyboard map, as the server had it plus our bindings
    std::vector<unsigned char> m_borrowed;
};

} // namespace tavrolin
