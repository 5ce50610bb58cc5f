#pragma once

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace tavrolin {

// One registry value as read, in plain Win32 so that it can be built and tried without Qt.
struct Win32RegistryValue
{
    DWORD type = REG_NONE;
    // The value as text: a text value (REG_SZ) up to its first NUL, a number value (REG_DWORD)
    // in decimal; nothing for the other types.
    std::optional<std::wstring> text;
};

// Reads the value name of the key path under root. The key is opened with the right to query
// values and nothing more, and closed before returning. Nothing when the key or the value
// cannot be opened or read.
std::optional<Win32RegistryValue> readWin32RegistryValue(HKEY root, const std::wstring &path,
                                                         const std::wstring &name);

// The names of the subkeys of the key path under root, opened with the right to list them and
// nothing more; none when the key cannot be opened.
std::vector<std::wstring> readWin32RegistrySubkeys(HKEY root, const std::wstring &path);

} // namespace tavrolin
