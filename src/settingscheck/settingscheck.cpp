#include "settingscheck.h"

#include "cascadecheck.h"
#include "listcheck.h"
#include "settingsfile.h"
#include "settingsvocabulary.h"
#include "storagecheck.h"
#include "structurecheck.h"

#include <algorithm>

namespace tavrolin {

namespace {

// Puts the findings in line order and keeps each once, where it first came. Equal findings name
// one line, so after a stable sort by line a finding is looked for only among those kept of its
// own line, which are few.
void putInLineOrder(SettingsFindings &findings)
{
    std::stable_sort(
        findings.begin(), findings.end(),
        [](const SettingsFinding &a, const SettingsFinding &b) { return a.line < b.line; });
    qsizetype kept = 0;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        if (kept > 0 && findings[kept - 1].line != findings[i].line)
            lineStart = kept;
        const auto keptEnd = findings.cbegin() + kept;
        if (std::find(findings.cbegin() + lineStart, keptEnd, findings[i]) != keptEnd)
            continue;
        if (kept != i)
            findings[kept] = std::move(findings[i]);
        ++kept;
    }
    findings.resize(kept);
}

} // namespace

SettingsFindings checkSettings(const SettingsFile &file)
{
    if (file.hasUtf8MarkBeforeOtherText())
        return checkStorage(file);
    const SettingsVocabulary vocabulary(file);
    SettingsFindings findings = checkStorage(file);
    findings.append(checkStructure(file, vocabulary));
    findings.append(checkCascade(file, vocabulary));
    findings.append(checkLists(file, vocabulary));
    putInLineOrder(findings);
    return findings;
}

} // namespace tavrolin
