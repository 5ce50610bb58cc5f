#include "listcheck.h"

#include "core/iniread.h"
#include "core/settingslookup.h"
#include "settingsfile.h"
#include "settingsvocabulary.h"

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kEnd = u"終了"_s;
constexpr int kShownTail = 10; // characters shown of a text that is cut

bool isBlankAround(const QString &value)
{
    static const QString kBlanks = u" \t\u3000"_s;
    return !value.isEmpty() && (kBlanks.contains(value.front()) || kBlanks.contains(value.back()));
}

// Action values that end the row when its action list is entered: the empty value and the
// texts whose position inside "可能" adds to the end score.
bool endsActionRow(const QString &value)
{
    return value == u"可" || value == u"能" || value == u"可能";
}

class ListCheck
{
public:
    ListCheck(const SettingsFile &file, const VocabularyList &list)
        : m_file(file), m_list(list), m_values(list.list)
    {
        m_section = list.section->name;
        m_line = file.lineOf(*list.section, list.key);
    }

    SettingsFindings run()
    {
        if (m_values.text.isEmpty())
            return {};
        valueLimit();
        valueCount();
        emptyValues();
        blanks();
        fullWidthCommas();
        rowEnds();
        return m_findings;
    }

private:
    void add(const QString &message)
    {
        m_findings.append({m_line, m_section, m_list.key, message});
    }

    void valueLimit()
    {
        const SettingsFile::Key *key = m_file.key(*m_list.section, m_list.key);
        const qsizetype bytes = key ? m_file.text().ansiValue(key->rawValue).size() : 0;
        if (bytes > kIniValueLimit)
            add(u"値が %1 バイトあり、%2 バイトで切られます。「…%3」より後ろは読まれません。"_s
                    .arg(bytes)
                    .arg(kIniValueLimit)
                    .arg(m_values.text.right(kShownTail)));
    }

    void valueCount()
    {
        const int maxValues = SettingsLookup::kMaxValues;
        if (m_values.datacount > maxValues) {
            add(u"値が %1 個を超えています。%1 個目より後ろの「%2」は一覧に出ません。"_s
                    .arg(maxValues)
                    .arg(m_values.text.mid(m_values.commapos[maxValues])));
            return;
        }
        const QString last = m_values.text.mid(m_values.commapos[m_values.datacount - 1]);
        if (last.size() > SettingsLookup::kLastValueLength)
            add(u"最後の値「%1」は %2 文字を超えるので「%3」に切られます。"_s.arg(last)
                    .arg(SettingsLookup::kLastValueLength)
                    .arg(m_values.values.last()));
    }

    void emptyValues()
    {
        for (qsizetype i = 0; i < m_values.values.size(); ++i) {
            if (!m_values.values[i].isEmpty())
                continue;
            add(u"%1 番目の値が空です。"_s.arg(i + 1) +
                (m_list.role == ListRole::Actions
                     ? u"動作の一覧に空の値があると、この一覧に入った段はそこで終わります。"_s
                     : u"一覧に空の行が出ます。"_s));
        }
    }

    void blanks()
    {
        for (const QString &value : m_values.values) {
            if (isBlankAround(value))
                add(u"値「%1」の前後に空白があります。空白も名前の一部になります。"_s.arg(value));
        }
    }

    void fullWidthCommas()
    {
        for (const QString &value : m_values.values) {
            if (value.contains(u'，'))
                add(u"値「%1」に全角の「，」があります。値を分けるのは半角の「,」だけなので、"
                    u"これは 1 つの値になります。"_s.arg(value));
        }
    }

    void rowEnds()
    {
        const bool endingList =
            m_list.role == ListRole::PurposeNames || m_list.role == ListRole::Actions;
        if (!endingList)
            return;
        if (m_values.values.first() == kEnd) {
            if (m_values.values.size() > 1)
                add(u"一覧が「終了」で始まるので、この一覧に入った段はそこで終わり、後ろの値は"
                    u"選べません。"_s);
            return;
        }
        if (m_list.role != ListRole::Actions)
            return;
        for (const QString &value : m_values.values) {
            if (endsActionRow(value))
                add(u"動作「%1」があるので、この一覧に入った段はそこで終わります（「可」「能」"
                    u"「可能」は段を終わらせる値です）。"_s.arg(value));
        }
    }

    const SettingsFile &m_file;
    const VocabularyList &m_list;
    const ListValues &m_values;
    QString m_section;
    int m_line = 0;
    SettingsFindings m_findings;
};

} // namespace

SettingsFindings checkLists(const SettingsFile &file, const SettingsVocabulary &vocabulary)
{
    SettingsFindings findings;
    for (const VocabularyList &list : vocabulary.lists())
        findings += ListCheck(file, list).run();
    return findings;
}

} // namespace tavrolin
