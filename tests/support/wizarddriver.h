#pragma once

#include "core/session.h"
#include "core/shell/pagewindow.h"
#include "pages/wizard/wizard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace tavrolin::test {

// Drives the real wizard's windows as a user does: buttons clicked, files dropped from a file
// manager, grid rows composed through the lists the cascade offers.
class WizardDriver
{
public:
    explicit WizardDriver(Wizard &wizard) : m_wizard(wizard) {}

    template <typename T = QWidget>
    T *control(PageId page, const QString &name) const
    {
        PageWindow *window = m_wizard.loaded(page);
        return window ? window->findChild<T *>(name) : nullptr;
    }

    // Clicks a button of a page; a page it leads to becomes the active window.
    bool click(PageId page, const char *button) const
    {
        auto *target = control<QAbstractButton>(page, QLatin1String(button));
        if (!target)
            return false;
        QTest::mouseClick(target, Qt::LeftButton);
        return true;
    }

    bool waitUntilActive(PageId page) const
    {
        PageWindow *window = m_wizard.loaded(page);
        return window && QTest::qWaitForWindowActive(window);
    }

    // Drags the files onto the drawing list and waits until the import has ended with the
    // expected number of drawings (by default one for each path).
    bool dropDrawings(const QStringList &paths, int expected = -1) const
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        QWidget *list = control<QListWidget>(PageId::Drawings, QStringLiteral("List1"))->viewport();
        const QPoint at = list->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &drop);
        const int count = expected < 0 ? int(paths.size()) : expected;
        return QTest::qWaitFor([&] { return m_wizard.session().DrawingCount == count; });
    }

    // The grid cells' names: row 0's own names, then Combo1 to Combo55.
    static QString cellName(int row, int column)
    {
        static const QStringList rowZero{
            QStringLiteral("shugotypeCmb"), QStringLiteral("shugonamecmb"),
            QStringLiteral("purpusetype"), QStringLiteral("purpusename"), QStringLiteral("docmb")};
        return row == 0 ? rowZero[column] : QStringLiteral("Combo%1").arg(5 * row - 4 + column);
    }

    QComboBox *cell(int row, int column) const
    {
        return control<QComboBox>(PageId::Grid, cellName(row, column));
    }

    // Moves into each cell of the row from left to right, which fills its list from the
    // settings file, and picks the wanted entry; an empty pick leaves the cell to the cascade
    // ("すべて", "終了"), and a cell the cascade disabled is passed over. Returns the name of
    // the first cell whose list lacked the pick, or the empty text.
    QString composeRow(int row, const QStringList &picks) const
    {
        for (int column = 0; column < 5; ++column) {
            QComboBox *target = cell(row, column);
            if (!target->isEnabled())
                continue;
            QTest::mouseClick(target, Qt::LeftButton);
            if (picks[column].isEmpty())
                continue;
            const int entry = target->findText(picks[column]);
            if (entry < 0)
                return cellName(row, column);
            target->setCurrentIndex(entry);
        }
        return {};
    }

    // The grid as the headless command reads it: one line per row, cells separated by TAB.
    QStringList gridLines(int rows) const
    {
        QStringList lines;
        for (int row = 0; row < rows; ++row) {
            QStringList cells;
            for (int column = 0; column < 5; ++column)
                cells.append(cell(row, column)->currentText());
            lines.append(cells.join(u'\t'));
        }
        return lines;
    }

private:
    Wizard &m_wizard;
};

} // namespace tavrolin::test
