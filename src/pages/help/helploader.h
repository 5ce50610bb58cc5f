#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QUrl>

class QNetworkReply;

namespace tavrolin {

// Reads one address at a time without blocking the window: file: addresses and http: or https:
// ones. The network access manager answers every request through the event loop, also for local
// files, so the loader is busy from the request until its answer has been handled.
class HelpLoader : public QObject
{
    Q_OBJECT

public:
    explicit HelpLoader(QObject *parent = nullptr);

    // Starts reading the address; a read still under way is abandoned.
    void get(const QUrl &address);

    bool isBusy() const { return m_reply != nullptr; }

signals:
    // The address has been read: its content, or when `error` is not empty the reason why it
    // could not be read.
    void finished(const QUrl &address, const QByteArray &content, const QString &error);

private:
    void handleReply(QNetworkReply *reply);

    QNetworkAccessManager m_network;
    QNetworkReply *m_reply = nullptr;
};

} // namespace tavrolin
