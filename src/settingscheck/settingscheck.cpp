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

// The findings in line order, each once where it first came. Equal findings name one line, so
// after a stable sort by line a finding is looked for only among those of its own line, which
// are few: a line holds one list of at most ten values.
SettingsFindings inLineOrder(SettingsFindings all)
{
    std::stable_sort(
        all.begin(), all.end(),
        [](const SettingsFinding &a, const SettingsFinding &b) { return a.line < b.line; });
    SettingsFindings findings;
    findings.reserve(all.size());
    qsizetype lineStart = 0;
    for (SettingsFinding &finding : all) {
        if (!findings.isEmpty() && findings.last().line != finding.line)
            lineStart = findings.size();
        if (std::find(findings.cbegin() + lineStart, findings.cend(), finding) == findings.cend())
            findings.append(std::move(finding));
    }
    return findings;
}

} // namespace

SettingsFindings checkSettings(const SettingsFile &file)
{
    if (file.hasUtf8MarkBeforeOtherText())
        return checkStorage(file);
    const SettingsVocabulary vocabulary(file);
    SettingsFindings all = checkStorage(file);
    all.append(checkStructure(file, vocabulary));
    all.append(checkCascade(file, vocabulary));
    all.append(checkLists(file, vocabulary));
    return inLineOrder(std::move(all));
}

} // namespace tavrolin
