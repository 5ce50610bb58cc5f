#pragma once

#include "drawingresult.h"

#include <QFile>
#include <QHash>

namespace tavrolin {

// The results file of the runs on a drawing list: one line per drawing whose run ended,
// "result<TAB>drawing<TAB>seconds<TAB>log file<TAB>reason", in UTF-8. Each line is handed to the
// system as its drawing ends, so a run that is interrupted, or whose program ends abnormally,
// loses no result. A later run appends to the same file; a drawing's last line tells its last
// result.
class ResultsFile
{
public:
    // Reads the last result of each drawing from the file where one exists, then opens it for
    // appending. False, with the reason in Japanese, when it cannot be read or written.
    bool open(const QString &path, QString *error);

    QString path() const { return m_file.fileName(); }

    // The last result recorded for the drawing, by any run; none when it never ended a run.
    std::optional<DrawingResult::Outcome> lastOutcome(const QString &drawing) const;

    // Appends the drawing's line and hands it to the system. False, with the reason, when it
    // cannot be written.
    bool append(const QString &drawing, const DrawingResult &result, QString *error);

    // The line of a result: TAB, CR and LF inside a field become blanks, so a field never ends
    // its line early.
    static QString line(const QString &drawing, const DrawingResult &result);

private:
    bool readPrevious(QString *error);

    QFile m_file;
    QHash<QString, DrawingResult::Outcome> m_last; // by drawingKey()
};

// A drawing as the results file recognises it across runs: its absolute, cleaned path, letter
// case aside where the file system ignores it (Windows).
QString drawingKey(const QString &drawing);

} // namespace tavrolin
