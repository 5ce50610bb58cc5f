#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

namespace tavrolin {

// Puts a long text into a plain text box piece by piece, a few tens of thousands of characters
// per turn of the event loop. The script of 50 000 drawings is some 16 million characters, which
// the box takes seconds to lay out; given whole, the page would freeze for that long. A new
// fill replaces the one under way.
class ChunkedTextFill : public QObject
{
    Q_OBJECT

public:
    static constexpr qsizetype kPieceLength = 64 * 1024;

    explicit ChunkedTextFill(QPlainTextEdit *box);

    void start(const QString &text);
    bool isFilling() const { return m_timer.isActive(); }

private:
    qsizetype pieceEnd() const;
    void appendPiece();

    QPlainTextEdit *m_box;
    QTimer m_timer;
    QString m_text;
    qsizetype m_done = 0;
};

} // namespace tavrolin
