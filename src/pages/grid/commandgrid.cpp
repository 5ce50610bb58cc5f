#include "commandgrid.h"

#include "core/shell/layout.h"
#include "core/shell/wheelpassthrough.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <array>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

// Frame1 in twips: it lies at Top -120 in the scrolled content and is as large as it.
constexpr int kFrameTop = -120;
constexpr int kFrameWidth = 9015;
constexpr int kFrameHeight = 7335;

constexpr int kFirstRowTop = 360;
constexpr int kRowPitch = 600;
constexpr int kCellHeight = 300;
constexpr std::array<int, kGridColumns> kColumnWidths{1455, 1695, 2055, 1695, 1575};

int cellLeft(int row, int column)
{
    switch (column) {
    case SubjectName:
        return row <= 3 ? 1650 : 1680;
    case PurposeType:
        return row <= 3 ? 3420 : 3480;
    case PurposeName:
        return row == 1 ? 5520 : row <= 3 ? 5550 : 5640;
    case Action:
        return 7320;
    default:
        return 120;
    }
}

bool isPopupFocus(const QEvent *event)
{
    return static_cast<const QFocusEvent *>(event)->reason() == Qt::PopupFocusReason;
}

// Focus that leaves a cell for another window (a message box, another application) or for the
// cell's own drop-down list is still the page's current cell when it comes back.
bool staysCurrent(const QEvent *event)
{
    return isPopupFocus(event) ||
           static_cast<const QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason;
}

// A cell without the focus shows the beginning of a text longer than the cell, as it shows the
// beginning of its name in a list, not the end where typing or a pick left the text cursor.
void showBeginning(QComboBox *cell)
{
    cell->lineEdit()->setCursorPosition(0);
}

} // namespace

CommandGrid::CommandGrid(QWidget *parent) : QFrame(parent)
{
    setObjectName(u"Frame1"_s);
    placeTwips(this, 0, kFrameTop, kFrameWidth, kFrameHeight);
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column)
            m_cells[row][column] = createCell(row, column);
    }
}

QComboBox *CommandGrid::createCell(int row, int column)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(cellName(row, column));
    combo->setEditable(true);
    // The cell's text is whatever the user picked or typed: typing neither adds to the list
    // nor completes from it.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // A cell is entered by mouse or keyboard only; the mouse wheel passing over it neither
    // enters it nor changes its text, but scrolls the grid pane.
    combo->setFocusPolicy(Qt::StrongFocus);
    WheelPassThrough::install(combo);
    placeTwips(combo, cellLeft(row, column), kFirstRowTop + kRowPitch * row, kColumnWidths[column],
               kCellHeight);
    combo->installEventFilter(this);
    // A text that a rule, or anything but typing, writes into a cell without the focus starts
    // at its beginning.
    connect(combo->lineEdit(), &QLineEdit::textChanged, combo, [combo] {
        if (!combo->hasFocus())
            showBeginning(combo);
    });
    connect(combo->lineEdit(), &QLineEdit::textChanged, this, [this, row, column] {
        if (!m_writing)
            emit cellEdited(row, column);
    });
    return combo;
}

QString CommandGrid::cellName(int row, int column)
{
    static const std::array<QString, kGridColumns> kRowZero{
        u"shugotypeCmb"_s, u"shugonamecmb"_s, u"purpusetype"_s, u"purpusename"_s, u"docmb"_s};
    if (row == 0)
        return kRowZero[column];
    return u"Combo%1"_s.arg(kGridColumns * (row - 1) + column + 1);
}

QString CommandGrid::cellText(int row, int column) const
{
    return m_cells[row][column]->currentText();
}

void CommandGrid::setCellText(int row, int column, const QString &text)
{
    const QScopedValueRollback writing(m_writing, true);
    m_cells[row][column]->setEditText(text);
}

bool CommandGrid::isCellEnabled(int row, int column) const
{
    return m_cells[row][column]->isEnabled();
}

// A disabled cell that still held the focus would pass it on to the next cell of the tab
// order, whose handler would then run although the user never moved there; it gives the focus
// up instead, and the next click or Tab starts afresh.
void CommandGrid::setCellEnabled(int row, int column, bool enabled)
{
    QComboBox *combo = m_cells[row][column];
    if (!enabled && combo->window()->focusWidget() == combo)
        combo->clearFocus();
    combo->setEnabled(enabled);
}

QStringList CommandGrid::cellList(int row, int column) const
{
    const QComboBox *combo = m_cells[row][column];
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

// The list is emptied and written anew. Emptying it would empty the text, and the first entry
// added to an empty list would become current, so the cell keeps no current entry and gets its
// text back.
void CommandGrid::setCellList(int row, int column, const QStringList &entries)
{
    const QScopedValueRollback writing(m_writing, true);
    QComboBox *combo = m_cells[row][column];
    const QSignalBlocker blocker(combo);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

QList<QComboBox *> CommandGrid::tabOrder() const
{
    QList<QComboBox *> order;
    for (const auto &row : m_cells) {
        for (QComboBox *combo : row)
            order.append(combo);
    }
    return order;
}

// A cell is entered when it becomes the page's current cell, by mouse or by keyboard, also when
// the click that activates the window lands on it (the focus then arrives with the window).
bool CommandGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // Focus that goes to the cell's own list stays with the cell.
        if (!isPopupFocus(event))
            showBeginning(static_cast<QComboBox *>(watched));
        if (!staysCurrent(event))
            m_current = nullptr;
    } else if (event->type() == QEvent::FocusIn && watched != m_current) {
        // The cell takes the focus first (the event passes this filter now that the cell is
        // current), then its handler runs: a rule that disables the cell then also ends the
        // text cursor that taking the focus started.
        m_current = watched;
        QCoreApplication::sendEvent(watched, event);
        emitEntered(watched);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void CommandGrid::emitEntered(const QObject *cell)
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (m_cells[row][column] == cell)
                emit cellEntered(row, column);
        }
    }
}

} // namespace tavrolin
