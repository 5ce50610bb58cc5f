#include "release.h"

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace tavrolin {

namespace {

struct Row
{
    const char *mark;
    int firstYear; // 12, 13 and 14 stand for R12, R13 and R14
    int lastYear;
    const char16_t *releases;
};

// Oldest first: a release opens the formats of its own row and of the rows above it.
constexpr std::array<Row, 9> kRows = {{
    {"AC1009", 12, 12, u"R12"},
    {"AC1012", 13, 13, u"R13"},
    {"AC1014", 14, 14, u"R14"},
    {"AC1015", 2000, 2003, u"2000～2002"},
    {"AC1018", 2004, 2006, u"2004～2006"},
    {"AC1021", 2007, 2009, u"2007～2009"},
    {"AC1024", 2010, 2012, u"2010～2012"},
    {"AC1027", 2013, 2017, u"2013～2017"},
    {"AC1032", 2018, std::numeric_limits<int>::max(), u"2018 以降"},
}};

constexpr int kFirstYearName = 2000;

int rowOfMark(QByteArrayView mark)
{
    for (int row = 0; row < int(kRows.size()); ++row) {
        if (mark == QByteArrayView(kRows[row].mark))
            return row;
    }
    return -1;
}

bool isDigitAt(const QString &text, qsizetype at)
{
    return at >= 0 && at < text.size() && text[at].isDigit();
}

// The value of the run of exactly four digits that starts at `at`, or -1.
int fourDigitsAt(const QString &text, qsizetype at)
{
    if (isDigitAt(text, at - 1) || isDigitAt(text, at + 4))
        return -1;
    int value = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        if (!isDigitAt(text, i))
            return -1;
        value = value * 10 + text[i].digitValue();
    }
    return value;
}

// 12, 13 or 14 for "R12", "R13" or "R14" standing on its own at `at`, or -1.
int earlyReleaseAt(const QString &text, qsizetype at)
{
    if (at + 3 > text.size() || text[at].toUpper() != u'R' || text[at + 1] != u'1')
        return -1;
    if (at > 0 && text[at - 1].isLetterOrNumber())
        return -1;
    const int last = text[at + 2].digitValue();
    if (last < 2 || last > 4 || isDigitAt(text, at + 3))
        return -1;
    return 10 + last;
}

} // namespace

std::optional<Release> Release::fromYear(int year)
{
    for (int row = 0; row < int(kRows.size()); ++row) {
        if (year < kRows[row].firstYear || year > kRows[row].lastYear)
            continue;
        return Release(row, year < kFirstYearName ? u"AutoCAD R%1"_s.arg(year)
                                                  : u"AutoCAD %1"_s.arg(year));
    }
    return std::nullopt;
}

std::optional<Release> Release::fromWindowTitle(const QString &title)
{
    for (qsizetype at = 0; at < title.size(); ++at) {
        const int year = fourDigitsAt(title, at);
        if (year >= kFirstYearName)
            return fromYear(year);
        if (const int early = earlyReleaseAt(title, at); early > 0)
            return fromYear(early);
    }
    return std::nullopt;
}

bool Release::opens(QByteArrayView versionMark) const
{
    const int row = rowOfMark(versionMark);
    return row >= 0 && row <= m_row;
}

QString Release::formatName(QByteArrayView versionMark)
{
    const int row = rowOfMark(versionMark);
    return row < 0 ? QString() : u"AutoCAD "_s + QString::fromUtf16(kRows[row].releases);
}

} // namespace tavrolin
