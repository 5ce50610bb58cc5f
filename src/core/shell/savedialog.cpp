#include "savedialog.h"

#include "core/filefailure.h"
#include "messagebox.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tavrolin {

namespace {

ScriptedSaveDialog *&scripted()
{
    static ScriptedSaveDialog *instance = nullptr;
    return instance;
}

} // namespace

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter)
{
    if (ScriptedSaveDialog *instance = scripted())
        return instance->answer(caption, folder, filter);
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool mayReplaceFile(const QString &path)
{
    return !QFileInfo::exists(path) ||
           showMessage(QStringLiteral("%1 はもうあります。置き換えますか？").arg(messagePath(path)),
                       ExclamationQuestion) == AnswerYes;
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &folder,
                        const QString &filter)
{
    if (ScriptedSaveDialog *instance = scripted())
        return instance->answer(caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

ScriptedSaveDialog::ScriptedSaveDialog()
{
    scripted() = this;
}

ScriptedSaveDialog::~ScriptedSaveDialog()
{
    scripted() = nullptr;
}

QString ScriptedSaveDialog::answer(const QString &caption, const QString &folder,
                                   const QString &filter)
{
    ++m_shown;
    m_caption = caption;
    m_folder = folder;
    m_filter = filter;
    return m_names.isEmpty() ? QString() : m_names.takeFirst();
}

} // namespace tavrolin
