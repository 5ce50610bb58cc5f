#include "helploader.h"

#include "core/filefailure.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace tavrolin {

namespace {

// A help page of the program folder that cannot be shown is named in Japanese like every other
// file; the reasons of other addresses are the network's own.
QString failureReason(const QNetworkReply &reply)
{
    if (!reply.url().isLocalFile())
        return reply.errorString();
    if (reply.error() == QNetworkReply::ContentAccessDenied)
        return fileProblemText(FileProblem::NoPermission);
    return fileFailureReason(reply.url().toLocalFile(), FileAction::Read);
}

} // namespace

HelpLoader::HelpLoader(QObject *parent) : QObject(parent) {}

void HelpLoader::get(const QUrl &address)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    QNetworkReply *reply = m_network.get(QNetworkRequest(address));
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { handleReply(reply); });
}

void HelpLoader::handleReply(QNetworkReply *reply)
{
    m_reply = nullptr;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError)
        emit finished(reply->url(), {}, failureReason(*reply));
    else
        emit finished(reply->url(), reply->readAll(), {});
}

} // namespace tavrolin
