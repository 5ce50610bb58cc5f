#include "settingslookup.h"

#include "iniread.h"

namespace tavrolin {

SettingsLookup::SettingsLookup(QString settingsPath) : m_settingsPath(std::move(settingsPath)) {}

void SettingsLookup::inidatainput(const QString &word, const QString &keyword)
{
    inidata.clear();
    inidata = iniread(m_settingsPath, word, keyword);
}

// commapos holds 1-based positions, 0 meaning "no comma": entry i is the position of the comma
// that ends value i - 1, entry 0 the virtual comma before the first value.
void SettingsLookup::inidataset(const QString &inidatasetstr)
{
    for (int i = 0; i < kMaxValues; ++i)
        listdata[i].clear();
    commapos.fill(0);
    for (int i = 1; i <= kMaxValues; ++i) {
        const qsizetype start = commapos[i - 1];
        const qsizetype comma = inidatasetstr.indexOf(u',', start);
        if (comma < 0) {
            listdata[i - 1] = inidatasetstr.mid(start, kLastValueLength);
            datacount = i;
            return;
        }
        commapos[i] = static_cast<int>(comma + 1);
        listdata[i - 1] = inidatasetstr.mid(start, comma - start);
    }
    datacount = kMaxValues + 1;
}

void SettingsLookup::listclear()
{
    for (QString &entry : listdata)
        entry.clear();
    commapos.fill(0);
    inidata.clear();
}

} // namespace tavrolin
