#pragma once

#include "support/wizardbench.h"
#include "support/wizarddriver.h"

#include <QComboBox>
#include <QLineEdit>

namespace tavrolin::test {

// The grid page on a wizard bench whose program folder the test writes, with the cells named
// as the page names them.
class GridPageHarness : public WizardBench
{
public:
    GridPageHarness() { folder.writeCommentTemplate(QStringLiteral(";test\r\n")); }

    // Shows the grid page as the active window; its load runs now. Fails the test when the page
    // does not become active.
    void show()
    {
        wizard.go(nullptr, PageId::Grid);
        QVERIFY(QTest::qWaitForWindowActive(page()));
    }

    PageWindow *page() const { return wizard.loaded(PageId::Grid); }

    template <typename T = QWidget>
    T *child(const QString &name) const
    {
        T *widget = page()->findChild<T *>(name);
        if (!widget)
            qWarning("no control %s", qPrintable(name));
        return widget;
    }

    QComboBox *cell(const QString &name) const { return child<QComboBox>(name); }
    QComboBox *cell(int row, int column) const { return cell(cellName(row, column)); }

    static QString cellName(int row, int column) { return WizardDriver::cellName(row, column); }

    // Types a whole text into a cell without moving into it.
    void type(int row, int column, const QString &text) const
    {
        cell(row, column)->lineEdit()->setText(text);
    }

    void typeRow(int row, const QStringList &texts) const
    {
        for (int column = 0; column < texts.size(); ++column)
            type(row, column, texts[column]);
    }

    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int column = 0; column < 5; ++column)
            texts.append(cell(row, column)->currentText());
        return texts;
    }

    // "1" for each enabled cell of the row, "0" for each disabled one.
    QString rowEnabled(int row) const
    {
        QString mask;
        for (int column = 0; column < 5; ++column)
            mask += cell(row, column)->isEnabled() ? u'1' : u'0';
        return mask;
    }

    // Moves into a cell with the mouse, as the user does; a cell that holds the focus already
    // gives it up first, so its handler runs again.
    void enter(QComboBox *target) const
    {
        if (target->hasFocus())
            target->clearFocus();
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void enter(int row, int column) const { enter(cell(row, column)); }
};

} // namespace tavrolin::test
