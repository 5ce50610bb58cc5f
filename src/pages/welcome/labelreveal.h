#pragma once

#include <QTimer>
#include <vector>

class QLabel;

namespace tavrolin {

// A timer that reveals labels from left to right, one after the other: each tick widens the
// first label that has not reached its full width by that label's step. A label without word
// wrap shows only as much of its text as its width holds, so widening it from 0 uncovers the
// text. Widths are kept in twips, so the steps add up exactly whatever the pixel rounding.
class LabelReveal : public QTimer
{
    Q_OBJECT

public:
    explicit LabelReveal(QObject *parent = nullptr);

    // Adds a label to the end of the sequence and hides its text (width 0).
    void add(QLabel *label, int fullWidthTwips, int stepTwips);

    // One reveal step. Once every label is complete a tick does nothing; the timer keeps
    // running.
    void tick();

    bool isComplete() const;

private:
    struct Entry
    {
        QLabel *label;
        int fullWidth;
        int step;
        int width;
    };

    static void applyWidth(const Entry &entry);

    std::vector<Entry> m_entries;
};

} // namespace tavrolin
