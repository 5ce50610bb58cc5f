#pragma once

#include "keystrokesender.h"

#include <QList>

namespace tavrolin {

// A stand-in for the real sender in tests of the pages: it types nothing, remembers every
// request and answers as it was told.
class RecordingKeystrokeSender : public KeystrokeSender
{
public:
    struct Request
    {
        QString windowTitle;
        QString text;
        bool delivered = false;
    };

    bool sendText(const QString &windowTitle, const QString &text, QString *error) override;

    // From now on every request fails with this reason; an empty reason makes them succeed.
    void setFailure(const QString &reason) { m_failure = reason; }
    const QList<Request> &requests() const { return m_requests; }

private:
    QString m_failure;
    QList<Request> m_requests;
};

} // namespace tavrolin
