#include "structurecheck.h"

#include "settingsfile.h"
#include "settingsvocabulary.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

void checkKeys(const SettingsFile &file, const SettingsFile::Section &section,
               SettingsFindings *findings)
{
    for (qsizetype i = 0; i < section.keys.size(); ++i) {
        const SettingsFile::Key &key = section.keys[i];
        if (key.isComment())
            continue;
        for (qsizetype j = 0; j < i; ++j) {
            if (file.isNamed(section.keys[j].nameBytes, key.name)) {
                findings->append({key.line, section.name, key.name,
                                  u"同じキーが %1 行目にあります。後の方は読まれません。"_s.arg(
                                      section.keys[j].line)});
                break;
            }
        }
    }
}

} // namespace

SettingsFindings checkStructure(const SettingsFile &file, const SettingsVocabulary &vocabulary)
{
    SettingsFindings findings;
    for (const SettingsFile::Key &key : file.looseKeys()) {
        if (!key.isComment())
            findings.append({key.line,
                             {},
                             key.name,
                             u"最初のセクションより前の行です。どのセクションにも入らず、"
                             u"読まれません。"_s});
    }
    // With no [shugo] nothing is reached; that one finding says enough.
    const bool cascadeStarts = file.section(u"shugo"_s) != nullptr;
    for (const SettingsFile::Section &section : file.sections()) {
        if (!section.isFirstOfName) {
            findings.append(
                {section.line,
                 section.name,
                 {},
                 u"同じ名前のセクションが %1 行目にあります。後の方は読まれません。"_s.arg(
                     file.section(section.name)->line)});
            continue;
        }
        checkKeys(file, section, &findings);
        if (cascadeStarts && !vocabulary.reaches(section))
            findings.append({section.line,
                             section.name,
                             {},
                             u"どの一覧からもたどれないセクションです。ウィザードでは使われません"
                             u"（名前が一覧の値と違っていませんか）。"_s});
    }
    return findings;
}

} // namespace tavrolin
