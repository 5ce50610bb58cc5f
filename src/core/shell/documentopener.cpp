#include "documentopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavrolin {

namespace {

RecordedDocuments *&recorded()
{
    static RecordedDocuments *instance = nullptr;
    return instance;
}

} // namespace

bool openDocument(const QString &path)
{
    if (RecordedDocuments *instance = recorded()) {
        instance->record(path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

RecordedDocuments::RecordedDocuments()
{
    recorded() = this;
}

RecordedDocuments::~RecordedDocuments()
{
    recorded() = nullptr;
}

} // namespace tavrolin
