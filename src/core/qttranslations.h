#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tavrolin {

// Qt's own Japanese texts for the standard buttons and dialogs that the wizard shows (はい,
// いいえ, the save dialog) and for the command line of the headless commands ("オプション:",
// "'--x' は未知のオプションです。"), installed for as long as the object lives. The program's own
// texts are Japanese already. Without a translation file those texts stay in English and the
// program runs all the same.
class QtTranslations
{
public:
    // Takes qtbase_ja.qm from the first of the folders that holds it.
    explicit QtTranslations(const QStringList &folders = standardFolders());

    // "translations" in the program folder, where the Windows package puts the file, then Qt's
    // own translations folder.
    static QStringList standardFolders();

    // The file installed, or the empty text.
    QString file() const { return m_file; }

private:
    QTranslator m_translator;
    QString m_file;
};

} // namespace tavrolin
