#include "chunkedtextfill.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace tavrolin {

ChunkedTextFill::ChunkedTextFill(QPlainTextEdit *box) : QObject(box), m_box(box)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &ChunkedTextFill::appendPiece);
}

void ChunkedTextFill::start(const QString &text)
{
    m_text = text;
    m_done = pieceEnd();
    m_box->setPlainText(m_text.first(m_done));
    if (m_done < m_text.size())
        m_timer.start();
    else
        m_timer.stop();
}

// Pieces end after a line feed, so that a CR LF pair never straddles two pieces (the box would
// take the halves for two line breaks).
qsizetype ChunkedTextFill::pieceEnd() const
{
    if (m_text.size() - m_done <= kPieceLength)
        return m_text.size();
    const qsizetype lineFeed = m_text.indexOf(u'\n', m_done + kPieceLength);
    return lineFeed < 0 ? m_text.size() : lineFeed + 1;
}

void ChunkedTextFill::appendPiece()
{
    const qsizetype end = pieceEnd();
    QTextCursor cursor(m_box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(m_text.sliced(m_done, end - m_done));
    m_done = end;
    if (m_done == m_text.size()) {
        m_timer.stop();
        m_text.clear();
    }
}

} // namespace tavrolin
