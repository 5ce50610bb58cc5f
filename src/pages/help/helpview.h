#pragma once

#include "helploader.h"

#include <QHash>
#include <QTextBrowser>

namespace tavrolin {

// The help viewer: a text browser whose pages are read asynchronously by a HelpLoader, so the
// viewer is busy while a page loads. Every page read is kept, so stepping back and forward
// through the history shows it again at once. An address that cannot be read shows a short page
// that names it and says why.
class HelpView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HelpView(QWidget *parent = nullptr);

    // Shows the page at the address once it has been read. A jump to an anchor of the page
    // already shown needs no reading.
    void navigate(const QUrl &address);

    bool isBusy() const { return m_loader.isBusy(); }

    // A step through the history to an address with an anchor shows the anchor.
    void backward() override;
    void forward() override;

    // A typed address as a URL: file:, http: and https: addresses as they are, anything else
    // as the path of a local file.
    static QUrl addressUrl(const QString &text);

    // The address as the user reads it: a local file as its path, anything else as a URL.
    static QString addressText(const QUrl &address);

protected:
    QVariant loadResource(int type, const QUrl &name) override;

private:
    void showPage(const QUrl &address, const QByteArray &content, const QString &error);
    void showAnchor();

    HelpLoader m_loader;
    QHash<QUrl, QVariant> m_pages; // by address without anchor
};

} // namespace tavrolin
