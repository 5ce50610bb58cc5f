#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tavrolin {

// The platform's save-file dialog, behind a seam: returns the chosen path, or the empty text
// when the user cancels. It asks nothing before replacing an existing file and adds no
// extension; the caller checks the name.
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter);

// True when no file stands at `path`, or when the user, asked "… はもうあります。置き換えますか？",
// agrees to replace it. Every save of the program asks this itself, since the dialog does not.
bool mayReplaceFile(const QString &path);

// The platform's open-file dialog, behind the same seam: returns the chosen path of an existing
// file, or the empty text when the user cancels.
QString getOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter);

// What tests install instead of the save and open dialogs: answers both with queued file names
// (the empty text is a cancel) and records the caption, folder and filter it was asked with.
class ScriptedSaveDialog
{
public:
    ScriptedSaveDialog();
    ~ScriptedSaveDialog();
    ScriptedSaveDialog(const ScriptedSaveDialog &) = delete;
    ScriptedSaveDialog &operator=(const ScriptedSaveDialog &) = delete;

    void queueFileName(const QString &path) { m_names.append(path); }
    int timesShown() const { return m_shown; }
    QString lastFolder() const { return m_folder; }
    QString lastFilter() const { return m_filter; }
    QString lastCaption() const { return m_caption; }

    QString answer(const QString &caption, const QString &folder, const QString &filter);

private:
    QStringList m_names;
    QString m_caption;
    QString m_folder;
    QString m_filter;
    int m_shown = 0;
};

} // namespace tavrolin
