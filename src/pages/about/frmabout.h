#pragma once

#include "core/shell/pagewindow.h"

class QLabel;
class QPushButton;

namespace tavrolin {

// The About box: the product's icon, name, version and a one-line description. OK closes it
// alone; the second button starts the platform's system information tool.
class frmAbout : public PageWindow
{
    Q_OBJECT

public:
    frmAbout();

private:
    void buildControls();
    void load();
    void namesetcmd();
    void StartSysInfo();

    QLabel *addLabel(const char *name, int left, int top, int width, int height);
    QPushButton *addButton(const char *name, const QString &caption, int top);

    QLabel *m_picIcon = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblDescription = nullptr;
};

} // namespace tavrolin
