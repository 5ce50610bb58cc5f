#include "settingscheck.h"

#include "cascadecheck.h"
#include "listcheck.h"
#include "settingsfile.h"
#include "settingsvocabulary.h"
#include "storagecheck.h"
#include "structurecheck.h"

#include <QSet>
#include <algorithm>

namespace tavrolin {

SettingsFindings checkSettings(const SettingsFile &file)
{
    if (file.hasUtf8MarkBeforeOtherText())
        return checkStorage(file);
    const SettingsVocabulary vocabulary(file);
    SettingsFindings all = checkStorage(file) + checkStructure(file, vocabulary) +
                           checkCascade(file, vocabulary) + checkLists(file, vocabulary);
    SettingsFindings findings;
    QSet<SettingsFinding> seen;
    for (const SettingsFinding &finding : std::as_const(all)) {
        if (!seen.contains(finding)) {
            seen.insert(finding);
            findings.append(finding);
        }
    }
    std::stable_sort(
        findings.begin(), findings.end(),
        [](const SettingsFinding &a, const SettingsFinding &b) { return a.line < b.line; });
    return findings;
}

} // namespace tavrolin
