#include "rowlines.h"

namespace tavrolin {

RowForm RowForm::fixed(const QString &line)
{
    RowForm form;
    form.m_fixed = line;
    form.m_makesLines = true;
    return form;
}

RowForm RowForm::perDrawing(Append append)
{
    RowForm form;
    form.m_append = std::move(append);
    form.m_makesLines = true;
    return form;
}

void RowForm::appendLine(int drawing, QString &text) const
{
    if (m_append)
        m_append(drawing, text);
    else
        text += m_fixed;
}

QString RowForm::line(int drawing) const
{
    QString text;
    appendLine(drawing, text);
    return text;
}

} // namespace tavrolin
