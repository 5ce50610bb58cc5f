#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

namespace tavrolin {

// An AutoCAD release, as far as the drawing formats it opens go. Each opens the formats up to
// its own: R12 AC1009, R13 AC1012, R14 AC1014, 2000-2002 AC1015, 2004-2006 AC1018, 2007-2009
// AC1021, 2010-2012 AC1024, 2013-2017 AC1027, 2018 and later AC1032. A version mark that no
// release names counts as newer than every release.
class Release
{
public:
    // 12, 13 or 14 for R12, R13 and R14; the year of a later release from 2000 on.
    static std::optional<Release> fromYear(int year);

    // The release that an AutoCAD window title names ("AutoCAD LT 2004", "AutoCAD 2018 -
    // [図面1.dwg]", "AutoCAD R14"): its first four-digit year from 2000 on, or R12, R13, R14,
    // whichever comes first; nothing when it names none.
    static std::optional<Release> fromWindowTitle(const QString &title);

    // "AutoCAD 2002", "AutoCAD R14".
    const QString &name() const { return m_name; }

    bool opens(QByteArrayView versionMark) const;

    // The releases that save in the format of the version mark ("AutoCAD 2004～2006"); empty for
    // a mark that no release names.
    static QString formatName(QByteArrayView versionMark);

private:
    Release(int row, QString name) : m_row(row), m_name(std::move(name)) {}

    int m_row; // the release's row of the table
    QString m_name;
};

} // namespace tavrolin
