#pragma once

#include <QString>
#include <array>

namespace tavrolin {

// The members through which a page reads the settings file: the value just read (`inidata`),
// its comma-separated values (`listdata`), the comma positions found (`commapos`) and the number
// of values (`datacount`). The grid page and the finish page each keep their own instance.
class SettingsLookup
{
public:
    static constexpr int kListSize = 11;        // listdata and commapos entries 0 to 10
    static constexpr int kMaxValues = 10;       // a split stops after the tenth comma
    static constexpr int kLastValueLength = 20; // the last value is cut to this many characters

    explicit SettingsLookup(QString settingsPath);

    const QString &settingsPath() const { return m_settingsPath; }

    // inidata = the value of key `keyword` in section `word`, read afresh from the file.
    void inidatainput(const QString &word, const QString &keyword);

    // Splits a comma-separated value into listdata and datacount. After ten commas datacount
    // is 11 and the rest of the text is not used.
    void inidataset(const QString &inidatasetstr);

    // Empties listdata, commapos and inidata.
    void listclear();

    // The last listdata entry that a list fill writes: datacount, but never past entry 10.
    int lastFilledEntry() const { return datacount < kListSize ? datacount : kListSize - 1; }

    QString inidata;
    std::array<QString, kListSize> listdata;
    std::array<int, kListSize> commapos{};
    int datacount = 0;

private:
    QString m_settingsPath;
};

} // namespace tavrolin
