// Tries readWin32RegistryValue and readWin32RegistrySubkeys against a real registry: writes a
// scratch key under HKEY_CURRENT_USER, reads its values and subkeys back, and removes the key.
// Prints one line per case and a closing count; exits non-zero when a case failed. A test of the
// Windows build.
#include "platform/sysinfo/win32registryvalue.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using tavrolin::readWin32RegistryValue;
using tavrolin::Win32RegistryValue;

namespace {

const wchar_t ScratchKey[] = L"Software\\TavrolinRegistryCheck";

void put(HKEY key, const wchar_t *name, DWORD type, const void *data, DWORD size)
{
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE *>(data), size);
}

void putText(HKEY key, const wchar_t *name, const std::wstring &text, bool terminated = true)
{
    put(key, name, REG_SZ, text.c_str(), DWORD((text.size() + (terminated ? 1 : 0)) * 2));
}

bool fillScratchKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, ScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    putText(key, L"PATH", L"C:\\Program Files\\図面 (x)+\\msinfo32.exe");
    putText(key, L"Cut", std::wstring(L"abc\0def", 7));
    putText(key, L"Unterminated", L"xyz", false);
    putText(key, L"Empty", L"");
    putText(key, L"Long", std::wstring(3000, L'w'));
    const DWORD number = 4294967295u;
    put(key, L"Number", REG_DWORD, &number, sizeof number);
    const unsigned char bytes[] = {1, 2, 3};
    put(key, L"Binary", REG_BINARY, bytes, sizeof bytes);
    for (const wchar_t *name : {L"R24.0", L"R9.0", L"リリース 図面"}) {
        HKEY subkey = nullptr;
        RegCreateKeyExW(key, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &subkey, nullptr);
        RegCloseKey(subkey);
    }
    RegCloseKey(key);
    return true;
}

// The subkeys are listed, whatever order the registry keeps them in.
bool subkeysListed(const std::wstring &key)
{
    std::vector<std::wstring> names = tavrolin::readWin32RegistrySubkeys(HKEY_CURRENT_USER, key);
    std::sort(names.begin(), names.end());
    return names == std::vector<std::wstring>{L"R24.0", L"R9.0", L"リリース 図面"} &&
           tavrolin::readWin32RegistrySubkeys(HKEY_CURRENT_USER, key + L"\\Missing").empty();
}

} // namespace

int main()
{
    if (!fillScratchKey()) {
        std::printf("cannot write the scratch key\n");
        return 2;
    }
    const std::wstring key = ScratchKey;
    const struct
    {
        const char *name;
        std::wstring key;
        std::wstring value;
        bool read;
        DWORD type;
        std::optional<std::wstring> text;
    } cases[] = {
        {"text value with blanks, parentheses, plus and Japanese", key, L"PATH", true, REG_SZ,
         L"C:\\Program Files\\図面 (x)+\\msinfo32.exe"},
        {"text cut at the first NUL", key, L"Cut", true, REG_SZ, L"abc"},
        {"text stored without its terminator", key, L"Unterminated", true, REG_SZ, L"xyz"},
        {"empty text", key, L"Empty", true, REG_SZ, L""},
        {"text longer than 1024 characters", key, L"Long", true, REG_SZ, std::wstring(3000, L'w')},
        {"number as decimal text", key, L"Number", true, REG_DWORD, L"4294967295"},
        {"other type is read without text", key, L"Binary", true, REG_BINARY, std::nullopt},
        {"value names ignore case", key, L"path", true, REG_SZ,
         L"C:\\Program Files\\図面 (x)+\\msinfo32.exe"},
        {"missing value", key, L"Nothing", false, REG_NONE, std::nullopt},
        {"missing key", key + L"\\Missing", L"PATH", false, REG_NONE, std::nullopt},
    };
    int passed = 0;
    int failed = 0;
    for (const auto &c : cases) {
        const std::optional<Win32RegistryValue> value =
            readWin32RegistryValue(HKEY_CURRENT_USER, c.key, c.value);
        const bool ok = value.has_value() == c.read &&
                        (!value || (value->type == c.type && value->text == c.text));
        std::printf("%s: %s\n", ok ? "PASS" : "FAIL", c.name);
        ok ? ++passed : ++failed;
    }
    const bool listed = subkeysListed(key);
    std::printf("%s: subkeys listed, none of a missing key\n", listed ? "PASS" : "FAIL");
    listed ? ++passed : ++failed;
    RegDeleteTreeW(HKEY_CURRENT_USER, ScratchKey);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
