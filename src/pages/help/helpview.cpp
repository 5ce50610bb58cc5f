#include "helpview.h"

#include <QDir>

namespace tavrolin {

namespace {

QUrl pageOf(const QUrl &address)
{
    return address.adjusted(QUrl::RemoveFragment);
}

QString errorPage(const QUrl &address, const QString &reason)
{
    return QStringLiteral("<html><head><title>ページを表示できません</title></head><body>"
                          "<h3>ページを表示できません</h3>"
                          "<p>アドレス：%1</p><p>理由：%2</p></body></html>")
        .arg(HelpView::addressText(address).toHtmlEscaped(), reason.toHtmlEscaped());
}

} // namespace

HelpView::HelpView(QWidget *parent) : QTextBrowser(parent)
{
    // Links go through navigate(), so they are read like any other address.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpView::navigate);
    connect(&m_loader, &HelpLoader::finished, this, &HelpView::showPage);
}

void HelpView::navigate(const QUrl &address)
{
    if (address.hasFragment() && pageOf(address) == pageOf(source()) && !isBusy()) {
        setSource(address);
        return;
    }
    m_loader.get(address);
}

void HelpView::backward()
{
    QTextBrowser::backward();
    showAnchor();
}

void HelpView::forward()
{
    QTextBrowser::forward();
    showAnchor();
}

// The viewer puts back the link that was followed from the page as its focus, and scrolls to
// that link rather than to the address's anchor.
void HelpView::showAnchor()
{
    if (source().hasFragment())
        scrollToAnchor(source().fragment());
}

QUrl HelpView::addressUrl(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QUrl url(trimmed);
    for (const char *scheme : {"file", "http", "https"}) {
        if (url.scheme() == QLatin1String(scheme))
            return url;
    }
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(trimmed));
}

QString HelpView::addressText(const QUrl &address)
{
    if (address.isLocalFile() && !address.hasFragment())
        return QDir::toNativeSeparators(address.toLocalFile());
    return address.toString();
}

void HelpView::showPage(const QUrl &address, const QByteArray &content, const QString &error)
{
    m_pages.insert(pageOf(address),
                   error.isEmpty() ? QVariant(content) : QVariant(errorPage(address, error)));
    if (pageOf(address) == pageOf(source()))
        reload();
    else
        setSource(address);
}

QVariant HelpView::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::HtmlResource) {
        const auto page = m_pages.constFind(pageOf(name));
        if (page != m_pages.constEnd())
            return *page;
    }
    return QTextBrowser::loadResource(type, name);
}

} // namespace tavrolin
