// The settings check on arbitrary settings files. The input is the file's bytes, given to the
// check as read from a file (fuzz_settings reads files). The check's view of the file must be the
// reader's: the key line it names as the one read holds the value that a lookup gives; its
// findings come in line order, each once, on lines of the file.

#include "core/ansicodec.h"
#include "core/iniread.h"
#include "fuzzcheck.h"
#include "settingscheck/settingscheck.h"
#include "settingscheck/settingsfile.h"

using namespace tavrolin;

namespace {

int lineCount(QByteArrayView bytes)
{
    return int(bytes.count('\n') + bytes.count('\r')) + 1;
}

// The sections and keys whose lookup is compared with their lines, per input, and the first of
// those keys whose value is compared with the reader's own scan. A lookup costs little, but
// the scan reads the whole file: comparing every key would make an input's cost grow with the
// square of its size. Mutations bring any key among the first ones.
constexpr int kNamesCompared = 12;
constexpr int kValuesScanned = 3;

// The value the file gives for the key is the one that the reader's own scan finds, and it is
// the key line's value where the value limit cannot cut it: a value of exactly the limit's
// length may lose a last byte that starts a double-byte character.
void checkValue(const SettingsFile &file, const QString &section, const SettingsFile::Key &key)
{
    const ProfileText &text = file.text();
    const QString value = iniread(text, section, key.name);
    FUZZ_CHECK(file.value(section, key.name) == value);
    const QByteArray written = text.ansiValue(key.rawValue);
    if (!key.hasEquals)
        FUZZ_CHECK(value.isEmpty());
    else if (written.size() < kIniValueLimit)
        FUZZ_CHECK(ansi::decode(written) == value);
}

// True when the code page keeps the key's name as the file writes it. Another name (a stray byte
// read as U+30FB, a character the code page lacks read as '?') is looked up as what it became,
// which may be the name of a later line.
bool keepsItsName(const SettingsFile &file, const SettingsFile::Key &key)
{
    const QByteArray written = ansi::encode(key.name);
    return ansi::decode(written) == key.name &&
           (file.text().isUtf8() || written.size() == key.nameBytes.size());
}

// For the keys of the first sections read, the key line found is that key's first line of the
// section where the key keeps its name, and holds the value that the reader finds.
void checkView(const SettingsFile &file)
{
    int compared = 0;
    int scanned = 0;
    for (const SettingsFile::Section &section : file.sections()) {
        if (++compared > kNamesCompared)
            return;
        if (!section.isFirstOfName || file.section(section.name) != &section)
            continue;
        for (const SettingsFile::Key &key : section.keys) {
            if (++compared > kNamesCompared)
                return;
            const SettingsFile::Key *found = file.key(section.name, key.name);
            if (!found)
                continue; // a name the reader cannot look up (empty, or lost in the code page)
            if (keepsItsName(file, key))
                FUZZ_CHECK(found->line <= key.line);
            if (++scanned <= kValuesScanned)
                checkValue(file, section.name, *found);
        }
    }
}

// The findings come in line order, each on a line of the file, with a message, and each once:
// equal findings would stand on one line.
void checkFindings(const SettingsFindings &findings, int lines)
{
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const SettingsFinding &finding = findings[i];
        FUZZ_CHECK(finding.line >= 0 && finding.line <= lines);
        FUZZ_CHECK(!finding.message.isEmpty());
        if (i > 0 && findings[i - 1].line != finding.line) {
            FUZZ_CHECK(findings[i - 1].line < finding.line);
            lineStart = i;
        }
        for (qsizetype j = lineStart; j < i; ++j)
            FUZZ_CHECK(!(findings[j] == finding));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsFile file = SettingsFile::fromBytes(bytes);
    checkView(file);
    checkFindings(checkSettings(file), lineCount(bytes));
    return 0;
}
