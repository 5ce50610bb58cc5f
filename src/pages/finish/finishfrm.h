#pragma once

#include "core/settingslookup.h"
#include "core/shell/navigator.h"
#include "core/shell/pagewindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;

namespace tavrolin {

class PreflightQuestion;

// The finish page: "実行" types AutoCAD's script command with the path of this copy's working
// script file into the application window chosen in Combo1 (when Check1 is checked), then saves
// the script file text under a name the user picks (when Check2 is checked).
class finishfrm : public PageWindow
{
    Q_OBJECT

public:
    // The width the title label grows to, and its step per tick, in twips.
    static constexpr int kTitleWidth = 4185;
    static constexpr int kTitleStep = 25;

    explicit finishfrm(const PageContext &context);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildButtons();
    void loadPicture();
    void widenTitle();
    void fillApplicationList();
    void lockEmptyEntries();
    void run();
    bool handOver();
    QString scriptFolder() const;
    void saveascmd();
    void dataout();

    PageContext m_context;
    SettingsLookup m_lookup;
    QString savepath;
    int m_titleWidth = 0; // Label1's width in twips
    QLabel *m_picture = nullptr;
    QLabel *m_title = nullptr;
    QTimer *m_timer = nullptr;
    QCheckBox *m_run = nullptr;
    QComboBox *m_application = nullptr;
    QCheckBox *m_save = nullptr;
    PreflightQuestion *m_question = nullptr;
};

} // namespace tavrolin
