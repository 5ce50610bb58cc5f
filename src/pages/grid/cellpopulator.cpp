#include "cellpopulator.h"

#include "celllist.h"
#include "commandgrid.h"
#include "core/settingslookup.h"
#include "core/shell/messagebox.h"

#include <QComboBox>
#include <QScopeGuard>
#include <array>
#include <exception>

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

// The cells whose handler reports its own failures: Combo1, Combo10 and Combo15.
bool reportsFailure(int row, int column)
{
    return (row == 1 && column == SubjectType) || ((row == 2 || row == 3) && column == Action);
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

CellPopulator::CellPopulator(CommandGrid &grid, SettingsLookup &lookup)
    : m_grid(grid), m_lookup(lookup)
{}

void CellPopulator::populate(int row, int column)
{
    if (!reportsFailure(row, column)) {
        runHandler(row, column);
        return;
    }
    try {
        runHandler(row, column);
    } catch (const std::exception &failure) {
        showFailure(failure);
    }
}

QStringList CellPopulator::populateSilently(int row, int column)
{
    m_silent = true;
    const auto announceAgain = qScopeGuard([this] { m_silent = false; });
    return runHandler(row, column);
}

QStringList CellPopulator::runHandler(int row, int column)
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

QStringList CellPopulator::lookUp(int row, int column)
{
    const ColumnLookup &lookup = kLookups[column];
    const QString section =
        lookup.sectionColumn < 0 ? u"shugo"_s : m_grid.cellText(row, lookup.sectionColumn);
    m_lookup.inidatainput(section, QString::fromUtf16(lookup.key));
    m_lookup.inidataset(m_lookup.inidata);
    return writeCellList(*m_grid.cell(row, column), m_lookup);
}

void CellPopulator::subjectTypeRule(int row)
{
    m_lookup.listclear();
    enableCell(row, SubjectName);
}

void CellPopulator::subjectNameRule(int row, const QString &first)
{
    m_lookup.listclear();
    if (first == kAll) {
        setCellText(row, SubjectName, kAll);
        disableCell(row, SubjectName);
    }
}

void CellPopulator::purposeTypeRule(int row)
{
    m_lookup.listclear();
    enableCell(row, PurposeName);
    enableCell(row, Action);
}

// Row 0 closes both of its last cells; rows 1 to 11 leave them open, so the action cell can
// still be entered and looks up the section "終了".
void CellPopulator::purposeNameRule(int row, const QString &first)
{
    if (row == 0) {
        if (first == kEnd) {
            showRowFinished();
            disableCell(row, PurposeName);
            setCellText(row, PurposeName, kEnd);
            setCellText(row, Action, kEnd);
            disableCell(row, Action);
        }
        m_lookup.listclear();
    } else if (first == kEnd) {
        setCellText(row, PurposeName, kEnd);
        setCellText(row, Action, kEnd);
        showRowFinished();
        m_lookup.listclear();
    }
}

// Row 0 closes only its action cell; rows 1 to 11 close their purpose name too.
void CellPopulator::actionRule(int row, const QString &first, int score)
{
    const bool finished = first == kEnd || score >= 2;
    if (row == 0) {
        if (finished) {
            disableCell(row, Action);
            setCellText(row, Action, kEnd);
            showRowFinished();
        }
        m_lookup.listclear();
    } else if (finished) {
        setCellText(row, Action, kEnd);
        disableCell(row, PurposeName);
        disableCell(row, Action);
        showRowFinished();
        m_lookup.listclear();
    }
}

void CellPopulator::showRowFinished() const
{
    if (!m_silent)
        showMessage(u"この段は終了です"_s, InformationNotice);
}

void CellPopulator::setCellText(int row, int column, const QString &text)
{
    m_grid.cell(row, column)->setEditText(text);
}

void CellPopulator::enableCell(int row, int column)
{
    m_grid.cell(row, column)->setEnabled(true);
}

// A disabled cell that still held the focus would pass it on to the next cell of the tab
// order, whose handler would then run although the user never moved there; it gives the focus
// up instead, and the next click or Tab starts afresh.
void CellPopulator::disableCell(int row, int column)
{
    QComboBox *cell = m_grid.cell(row, column);
    if (cell->window()->focusWidget() == cell)
        cell->clearFocus();
    cell->setEnabled(false);
}

} // namespace tavrolin
