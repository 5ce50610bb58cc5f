#include "labelreveal.h"

#include "core/shell/layout.h"

#include <QLabel>
#include <algorithm>

namespace tavrolin {

LabelReveal::LabelReveal(QObject *parent) : QTimer(parent)
{
    connect(this, &QTimer::timeout, this, &LabelReveal::tick);
}

void LabelReveal::add(QLabel *label, int fullWidthTwips, int stepTwips)
{
    label->setWordWrap(false);
    m_entries.push_back({label, fullWidthTwips, stepTwips, 0});
    applyWidth(m_entries.back());
}

void LabelReveal::tick()
{
    const auto next = std::find_if(m_entries.begin(), m_entries.end(), [](const Entry &entry) {
        return entry.width < entry.fullWidth;
    });
    if (next == m_entries.end())
        return;
    // The last step may end a little beyond the full width, as the steps do not divide it.
    next->width += next->step;
    applyWidth(*next);
}

bool LabelReveal::isComplete() const
{
    return std::all_of(m_entries.begin(), m_entries.end(),
                       [](const Entry &entry) { return entry.width >= entry.fullWidth; });
}

void LabelReveal::applyWidth(const Entry &entry)
{
    entry.label->resize(twips(entry.width), entry.label->height());
}

} // namespace tavrolin
