#pragma once

#include "gridtexts.h"

#include <QString>
#include <array>
#include <functional>

namespace tavrolin {

// How a grid row makes its command line for each drawing: one text for every drawing (most
// commands), or a text made for each drawing (save-as names follow the drawing). A line is
// made only when the script is assembled, straight into the script's text, so no line is held
// twice and the many drawings of a list cost no allocation each.
class RowForm
{
public:
    // Appends drawing d's line to the text.
    using Append = std::function<void(int drawing, QString &text)>;

    RowForm() = default; // a row that makes no line
    static RowForm fixed(const QString &line);
    static RowForm perDrawing(Append append);

    bool makesLines() const { return m_makesLines; }
    // True when every drawing gets the same line, fixedLine().
    bool isFixed() const { return m_makesLines && !m_append; }
    const QString &fixedLine() const { return m_fixed; }

    void appendLine(int drawing, QString &text) const;
    QString line(int drawing) const;

private:
    QString m_fixed;
    Append m_append;
    bool m_makesLines = false;
};

// The twelve grid rows as generation last saw them (scrcmddata): each row's summary and the
// form of its lines. Nothing clears it, so a row that a pass does not build keeps its earlier
// form, which the assembly then does not read.
class RowLines
{
public:
    QString &summary(int row) { return m_summaries[row]; }
    const QString &summary(int row) const { return m_summaries[row]; }
    RowForm &form(int row) { return m_forms[row]; }
    const RowForm &form(int row) const { return m_forms[row]; }

private:
    std::array<QString, kGridRows> m_summaries;
    std::array<RowForm, kGridRows> m_forms;
};

} // namespace tavrolin
