#include "recordingkeystrokesender.h"

namespace tavrolin {

bool RecordingKeystrokeSender::sendText(const QString &windowTitle, const QString &text,
                                        QString *error)
{
    const bool delivered = m_failure.isEmpty();
    m_requests.append({windowTitle, text, delivered});
    if (!delivered && error)
        *error = m_failure;
    return delivered;
}

} // namespace tavrolin
