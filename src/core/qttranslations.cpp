#include "qttranslations.h"

#include "core/programfolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tavrolin {

QtTranslations::QtTranslations(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (m_translator.load(QStringLiteral("qtbase_ja"), folder)) {
            QCoreApplication::installTranslator(&m_translator);
            m_file = m_translator.filePath();
            return;
        }
    }
}

QStringList QtTranslations::standardFolders()
{
    return {programFile(u"\\translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

} // namespace tavrolin
