#pragma once

#include "outputdecoder.h"

#include <QFile>
#include <QString>

namespace tavrolin {

// The log of one drawing's run: the command that ran and the console's output, decoded, in a
// text file that Notepad reads as it is (UTF-8 with a byte-order mark, CR LF line ends). The
// last lines of the output are kept for the drawing's result.
class DrawingLog
{
public:
    // Creates the log, starting with the command line. False, with the reason, when it cannot.
    bool open(const QString &path, const QString &command, QString *error);

    // The next piece of the console's output, as the console wrote it.
    void write(QByteArrayView output);

    // Ends the output and closes the file; once closed, nothing more.
    void close();

    // The last lines of the output that hold text, joined by " / ", shortened to fit a line.
    QString lastLines() const;

private:
    void add(QString text);

    QFile m_file;
    OutputDecoder m_decoder;
    QString m_tail; // the end of the output, for lastLines()
    bool m_afterCr = false;
};

} // namespace tavrolin
