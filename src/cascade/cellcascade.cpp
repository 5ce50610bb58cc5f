#include "cellcascade.h"

#include "core/settingslookup.h"
#include "gridcells.h"

#include <array>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

const QString kAll = u"すべて"_s;
const QString kEnd = u"終了"_s;

// Where each column looks its list up: the settings section is the text of another cell of the
// same row (the subject-type column reads the fixed section "shugo"), and the key.
struct ColumnLookup
{
    int sectionColumn; // -1: the section "shugo"
    const char16_t *key;
};

constexpr std::array<ColumnLookup, kGridColumns> kLookups{{
    {-1, u"name"},
    {SubjectType, u"type"},
    {SubjectType, u"name"},
    {PurposeType, u"name"},
    {PurposeName, u"name"},
}};

// True when the list of `column` was looked up under the text of `basis`, directly or through
// the cells in between: the subject type leads to every other column, the purpose type to the
// purpose name and the action, the purpose name to the action.
bool dependsOn(int column, int basis)
{
    for (int section = kLookups[column].sectionColumn; section >= 0;
         section = kLookups[section].sectionColumn) {
        if (section == basis)
            return true;
    }
    return false;
}

// The sum over the entries written into an action list of each entry's 1-based position inside
// "可能": the empty entry, "可" and "可能" weigh 1, "能" 2, any other text 0. The trailing empty
// entry always adds 1, so an empty action list, an empty value or one of those texts makes 2 or
// more.
int endScore(const QStringList &entries)
{
    static const QString kPossible = u"可能"_s;
    int score = 0;
    for (const QString &entry : entries)
        score += static_cast<int>(kPossible.indexOf(entry)) + 1;
    return score;
}

} // namespace

CellCascade::CellCascade(GridCells &cells, SettingsLookup &lookup,
                         std::function<void()> announceFinished)
    : m_cells(cells), m_lookup(lookup), m_announceFinished(std::move(announceFinished))
{}

QStringList CellCascade::enter(int row, int column)
{
    const QStringList written = lookUp(row, column);
    const QString first = written.first();
    switch (column) {
    case SubjectType:
        subjectTypeRule(row);
        break;
    case SubjectName:
        subjectNameRule(row, first);
        break;
    case PurposeType:
        purposeTypeRule(row);
        break;
    case PurposeName:
        purposeNameRule(row, first);
        break;
    default:
        actionRule(row, first, endScore(written));
        break;
    }
    return written;
}

void CellCascade::textChanged(int row, int column)
{
    for (int dependent = column + 1; dependent < kGridColumns; ++dependent) {
        if (!dependsOn(dependent, column))
            continue;
        m_cells.setCellText(row, dependent, QString());
        m_cells.setCellEnabled(row, dependent, true);
    }
}

// The list becomes the values looked up and one empty entry after them (the end score counts
// it), whatever the list held before. An empty text names no section: its list is empty.
QStringList CellCascade::lookUp(int row, int column)
{
    const ColumnLookup &lookup = kLookups[column];
    const QString section =
        lookup.sectionColumn < 0 ? u"shugo"_s : m_cells.cellText(row, lookup.sectionColumn);
    m_lookup.inidata.clear();
    if (!section.isEmpty())
        m_lookup.inidatainput(section, QString::fromUtf16(lookup.key));
    m_lookup.inidataset(m_lookup.inidata);
    QStringList written;
    for (int entry = 0; entry <= m_lookup.lastFilledEntry(); ++entry)
        written.append(m_lookup.listdata[entry]);
    m_cells.setCellList(row, column, written);
    return written;
}

void CellCascade::subjectTypeRule(int row)
{
    m_lookup.listclear();
    m_cells.setCellEnabled(row, SubjectName, true);
}

void CellCascade::subjectNameRule(int row, const QString &first)
{
    m_lookup.listclear();
    if (first == kAll) {
        m_cells.setCellText(row, SubjectName, kAll);
        m_cells.setCellEnabled(row, SubjectName, false);
    }
}

void CellCascade::purposeTypeRule(int row)
{
    m_lookup.listclear();
    m_cells.setCellEnabled(row, PurposeName, true);
    m_cells.setCellEnabled(row, Action, true);
}

// Row 0 closes both of its last cells; rows 1 to 11 leave them open, so the action cell can
// still be entered and looks up the section "終了".
void CellCascade::purposeNameRule(int row, const QString &first)
{
    if (row == 0) {
        if (first == kEnd) {
            announceFinished();
            m_cells.setCellEnabled(row, PurposeName, false);
            m_cells.setCellText(row, PurposeName, kEnd);
            m_cells.setCellText(row, Action, kEnd);
            m_cells.setCellEnabled(row, Action, false);
        }
        m_lookup.listclear();
    } else if (first == kEnd) {
        m_cells.setCellText(row, PurposeName, kEnd);
        m_cells.setCellText(row, Action, kEnd);
        announceFinished();
        m_lookup.listclear();
    }
}

// Row 0 closes only its action cell; rows 1 to 11 close their purpose name too. A row without
// purpose name has no action to look up, so moving through an empty row (with the Tab key, for
// one) leaves it open and empty.
void CellCascade::actionRule(int row, const QString &first, int score)
{
    const bool finished =
        !m_cells.cellText(row, PurposeName).isEmpty() && (first == kEnd || score >= 2);
    if (row == 0) {
        if (finished) {
            m_cells.setCellEnabled(row, Action, false);
            m_cells.setCellText(row, Action, kEnd);
            announceFinished();
        }
        m_lookup.listclear();
    } else if (finished) {
        m_cells.setCellText(row, Action, kEnd);
        m_cells.setCellEnabled(row, PurposeName, false);
        m_cells.setCellEnabled(row, Action, false);
        announceFinished();
        m_lookup.listclear();
    }
}

void CellCascade::announceFinished() const
{
    if (m_announceFinished)
        m_announceFinished();
}

} // namespace tavrolin
