#include "structurecheck.h"

#include "settingsfile.h"
#include "settingsvocabulary.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// What is wrong with the way a key line is written, wherever it stands: a section header in
// full-width brackets (or without its closing one) is read as a key of the section above it, and
// a full-width equals sign separates nothing. The empty text for a line written right.
QString misshapenLine(const SettingsFile::Key &key)
{
    if (key.name.startsWith(u'［') || key.name.startsWith(u'['))
        return u"「%1」はセクションの見出しになっていません。見出しは半角の「[」と「]」で囲んで"
               u"ください。次の見出しまでの行は、前のセクションの行として読まれます。"_s.arg(
                   key.name);
    if (key.name.contains(u'＝'))
        return u"「%1」の全角の「＝」は、キーと値を分けません。半角の「=」で書いてください。"_s.arg(
            key.name);
    return {};
}

// True when the key is one that the wizard looks up in some section.
bool isLookedUp(const SettingsFile &file, const SettingsFile::Key &key)
{
    static const QString kKeys[] = {u"name"_s, u"type"_s, u"type2"_s};
    for (const QString &name : kKeys) {
        if (file.isNamed(key.nameBytes, name))
            return true;
    }
    return false;
}

// A key line, in a section that the wizard reads, that no lookup finds: a misspelt key, or a
// line without its equals sign.
void checkLookedUp(const SettingsFile &file, const SettingsFile::Section &section,
                   const SettingsFile::Key &key, SettingsFindings *findings)
{
    if (!key.hasEquals)
        findings->append({key.line,
                          section.name,
                          {},
                          u"「%1」には「=」がないので、値として読まれません。"_s.arg(key.name)});
    else if (!isLookedUp(file, key))
        findings->append({key.line, section.name, key.name,
                          u"このキーは読まれません。読まれるキーは name、type、type2 だけです"
                          u"（綴りを確かめてください）。"_s});
}

void checkKeys(const SettingsFile &file, const SettingsFile::Section &section, bool read,
               SettingsFindings *findings)
{
    for (qsizetype i = 0; i < std::ssize(section.keys); ++i) {
        const SettingsFile::Key &key = section.keys[i];
        if (key.isComment())
            continue;
        if (const QString misshapen = misshapenLine(key); !misshapen.isEmpty()) {
            findings->append({key.line, section.name, {}, misshapen});
            continue;
        }
        if (const qsizetype earlier = file.earlierKey(section, i); earlier >= 0)
            findings->append({key.line, section.name, key.name,
                              u"同じキーが %1 行目にあります。後の方は読まれません。"_s.arg(
                                  section.keys[earlier].line)});
        if (read)
            checkLookedUp(file, section, key, findings);
    }
}

void checkLooseKeys(const SettingsFile &file, SettingsFindings *findings)
{
    for (const SettingsFile::Key &key : file.looseKeys()) {
        if (key.isComment())
            continue;
        if (const QString misshapen = misshapenLine(key); !misshapen.isEmpty())
            findings->append({key.line, {}, {}, misshapen});
        else
            findings->append({key.line,
                              {},
                              key.name,
                              u"最初のセクションより前の行です。どのセクションにも入らず、"
                              u"読まれません。"_s});
    }
}

} // namespace

SettingsFindings checkStructure(const SettingsFile &file, const SettingsVocabulary &vocabulary)
{
    SettingsFindings findings;
    checkLooseKeys(file, &findings);
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
        const bool read = cascadeStarts && vocabulary.reaches(section);
        checkKeys(file, section, read, &findings);
        if (cascadeStarts && !read)
            findings.append({section.line,
                             section.name,
                             {},
                             u"どの一覧からもたどれないセクションです。ウィザードでは使われません"
                             u"（名前が一覧の値と違っていませんか）。"_s});
    }
    return findings;
}

} // namespace tavrolin
