#include "cascadecheck.h"

#include "generation/commandcatalogue.h"
#include "settingsfile.h"
#include "settingsvocabulary.h"

#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kNoLines = u"この段からは AutoCAD の行が作られません。"_s;

template <typename Texts>
bool isOneOf(const QString &text, const Texts &texts)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

template <typename Texts>
QString quoted(const Texts &texts)
{
    QStringList list;
    for (const QString &text : texts)
        list.append(u'「' + text + u'」');
    return list.join(QString());
}

class CascadeCheck
{
public:
    CascadeCheck(const SettingsFile &file, const SettingsVocabulary &vocabulary)
        : m_file(file), m_vocabulary(vocabulary)
    {}

    SettingsFindings run()
    {
        fixedSection(u"shugo"_s, u"1 欄目（主語の種類）"_s);
        fixedSection(u"aplicationname"_s, u"終了ページの AutoCAD のウィンドウ名"_s);
        for (const SectionReference &reference : m_vocabulary.references()) {
            if (reference.role == ListRole::SubjectTypes)
                subjectType(reference);
            else if (reference.role == ListRole::PurposeTypes)
                purposeType(reference);
        }
        return m_findings;
    }

private:
    void add(const SettingsFile::Section &section, const QString &key, const QString &message)
    {
        m_findings.append({m_file.lineOf(section, key), section.name, key, message});
    }

    void fixedSection(const QString &name, const QString &offered)
    {
        const SettingsFile::Section *section = m_file.section(name);
        if (!section)
            m_findings.append(
                {0, name, {}, u"セクションがありません。%1の一覧が空になります。"_s.arg(offered)});
        else if (m_file.value(*section, u"name"_s).isEmpty())
            add(*section, u"name"_s, u"%1の一覧（name=）が空です。"_s.arg(offered));
    }

    void subjectType(const SectionReference &reference)
    {
        const SettingsFile::Section *section = reference.section;
        if (!section) {
            add(*reference.fromSection, reference.fromKey,
                u"主語の種類「%1」のセクションがありません。この主語の種類では 2 欄目と 3 欄目の"
                u"一覧が空になります。"_s.arg(reference.name));
        } else if (m_file.value(*section, u"name"_s).isEmpty()) {
            add(*section, u"name"_s,
                u"目的の種類の一覧（name=）がありません。この主語の種類では 3 欄目の一覧が空に"
                u"なります。"_s);
        }
    }

    void purposeType(const SectionReference &reference)
    {
        const QString &name = reference.name;
        const SettingsFile::Section *section = reference.section;
        if (!section) {
            add(*reference.fromSection, reference.fromKey,
                u"目的の種類「%1」のセクションがありません。4 欄目の一覧が空になり、"_s.arg(name) +
                    kNoLines);
            return;
        }
        if (m_file.value(*section, u"name"_s).isEmpty())
            add(*section, u"name"_s,
                u"目的の名前の一覧（name=）が空です。この目的の種類では 4 欄目に選べる値が"
                u"ありません（ここで段を終えるなら name=終了 と書きます）。"_s);
        const QString keyword = m_file.value(*section, u"type"_s);
        if (keyword.isEmpty())
            add(*section, u"type"_s, u"コマンドキーワード（type=）がありません。"_s + kNoLines);
        else if (!isOneOf(keyword, catalogue::kKeywords))
            add(*section, u"type"_s,
                u"コマンドキーワード「%1」は使えません（%2 のどれかを小文字で書く）。"_s.arg(
                    keyword, QStringList(catalogue::kKeywords.begin(), catalogue::kKeywords.end())
                                 .join(u' ')) +
                    kNoLines);
        else if (keyword == u"dxf")
            dxfPurposeType(name, *section);
        else if (keyword == u"saveas")
            purposeNameForms(*section, keyword,
                             {catalogue::kDatedNames, catalogue::kNumberedNames});
        else if (keyword == u"zoom")
            purposeNameForms(*section, keyword, {catalogue::kZoomExtents, catalogue::kZoomScale});
    }

    void dxfPurposeType(const QString &name, const SettingsFile::Section &section)
    {
        if (!isOneOf(name, catalogue::kDxfPurposeTypes))
            add(section, u"type"_s,
                u"キーワード dxf は、目的の種類の名前が%1のどれかのときだけ働きます。"_s.arg(
                    quoted(catalogue::kDxfPurposeTypes)) +
                    kNoLines);
        else if (m_file.value(section, u"type2"_s).isEmpty())
            add(section, u"type2"_s,
                u"DXF で保存するコマンド（type2=）がありません。図面ごとに空白だけの行が"
                u"書かれます。"_s);
    }

    void purposeNameForms(const SettingsFile::Section &section, const QString &keyword,
                          const QStringList &forms)
    {
        const VocabularyList *names = m_vocabulary.list(section, u"name"_s);
        if (!names)
            return;
        for (const QString &purposeName : names->list.values) {
            if (!purposeName.isEmpty() && !forms.contains(purposeName))
                add(section, u"name"_s,
                    u"目的の名前「%1」はキーワード %2 の形式（%3）のどれでもありません。"_s.arg(
                        purposeName, keyword, quoted(forms)) +
                        kNoLines);
        }
    }

    const SettingsFile &m_file;
    const SettingsVocabulary &m_vocabulary;
    SettingsFindings m_findings;
};

} // namespace

SettingsFindings checkCascade(const SettingsFile &file, const SettingsVocabulary &vocabulary)
{
    return CascadeCheck(file, vocabulary).run();
}

} // namespace tavrolin
