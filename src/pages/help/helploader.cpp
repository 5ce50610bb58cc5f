#include "helploader.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace tavrolin {

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
        emit finished(reply->url(), {}, reply->errorString());
    else
        emit finished(reply->url(), reply->readAll(), {});
}

} // namespace tavrolin
