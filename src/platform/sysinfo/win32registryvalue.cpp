#include "win32registryvalue.h"

#include <cstring>
#include <cwchar>
#include <memory>
#include <type_traits>
#include <vector>

namespace tavrolin {

namespace {

using KeyCloser = std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)>;

std::optional<std::wstring> textOf(DWORD type, const std::vector<BYTE> &data, DWORD size)
{
    if (type == REG_SZ) {
        const auto *characters = reinterpret_cast<const wchar_t *>(data.data());
        return std::wstring(characters, wcsnlen(characters, size / sizeof(wchar_t)));
    }
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        return std::to_wstring(number);
    }
    return std::nullopt;
}

} // namespace

std::optional<Win32RegistryValue> readWin32RegistryValue(HKEY root, const std::wstring &path,
                                                         const std::wstring &name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const KeyCloser closer(key, RegCloseKey);

    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    // Room for a terminator that a text value may lack.
    std::vector<BYTE> data(std::size_t(size) + sizeof(wchar_t), 0);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return Win32RegistryValue{type, textOf(type, data, size)};
}

std::vector<std::wstring> readWin32RegistrySubkeys(HKEY root, const std::wstring &path)
{
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS)
        return names;
    const KeyCloser closer(key, RegCloseKey);
    // A key name holds at most 255 characters.
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

} // namespace tavrolin
