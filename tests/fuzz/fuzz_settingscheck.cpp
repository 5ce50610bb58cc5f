// The settings check on arbitrary settings files. The input is the file's bytes, given to the
// check as read from a file (fuzz_settings reads files). The check's view of the file must be the
// reader's: the key line it names as the one read holds the value that a lookup gives; its
// findings come in line order, each once, on lines of the file.

#include "core/ansicodec.h"
#include "core/iniread.h"
#include "fuzzcheck.h"
#include "settingscheck/settingscheck.h"
#include "settingscheck/settingsfile.h"

#include <QSet>

using namespace tavrolin;

namespace {

int lineCount(QByteArrayView bytes)
{
    return int(bytes.count('\n') + bytes.count('\r')) + 1;
}

// The keys whose value is compared with the reader's own scan, per input. Each scan reads the whole
// file, so comparing every key would make an input's cost grow with the square of its size;
// mutations bring any key among the first ones.
constexpr int kKeysCompared = 16;

// For each section read and each of its keys, the key line found is that key's first line of
// the section, and holds the value that the reader's own scan finds (where it is not cut).
void checkView(const SettingsFile &file)
{
    const ProfileText &text = file.text();
    int compared = 0;
    for (const SettingsFile::Section &section : file.sections()) {
        if (!section.isFirstOfName || file.section(section.name) != &section)
            continue;
        for (const SettingsFile::Key &key : section.keys) {
            const SettingsFile::Key *found = file.key(section.name, key.name);
            if (!found)
                continue; // a name the reader cannot look up (empty, or lost in the code page)
            FUZZ_CHECK(found->line <= key.line);
            if (++compared > kKeysCompared)
                continue;
            const QString value = iniread(text, section.name, key.name);
            FUZZ_CHECK(file.value(section.name, key.name) == value);
            const QByteArray written = text.ansiValue(found->rawValue);
            if (!found->hasEquals)
                FUZZ_CHECK(value.isEmpty());
            else if (written.size() <= kIniValueLimit)
                FUZZ_CHECK(ansi::decode(written) == value);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SettingsFile file = SettingsFile::fromBytes(bytes);
    checkView(file);

    const SettingsFindings findings = checkSettings(file);
    const int lines = lineCount(bytes);
    QSet<SettingsFinding> seen;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        FUZZ_CHECK(findings[i].line >= 0 && findings[i].line <= lines);
        FUZZ_CHECK(!findings[i].message.isEmpty());
        FUZZ_CHECK(!seen.contains(findings[i]));
        seen.insert(findings[i]);
        if (i > 0)
            FUZZ_CHECK(findings[i - 1].line <= findings[i].line);
    }
    return 0;
}
