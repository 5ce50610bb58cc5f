#pragma once

#include <QObject>

namespace tavrolin {

class CommandGrid;
class KeptFileActions;
class PageWindow;
class SettingsLookup;

// The grid page's "グリッドを保存…" and "グリッドを開く…" (in the grid's context menu, and Ctrl+S,
// Ctrl+O): the grid's texts kept in a grid file, the format that "tavrolin script --grid"
// reads, and loaded back as the user would enter them, with one message naming the texts that
// the current settings file no longer offers. A file that cannot be read changes nothing.
class GridFileActions : public QObject
{
    Q_OBJECT

public:
    GridFileActions(PageWindow &page, CommandGrid &grid, SettingsLookup &lookup);

private:
    void save(const QString &path);
    void open(const QString &path);

    PageWindow &m_page;
    CommandGrid &m_grid;
    SettingsLookup &m_lookup;
    KeptFileActions *m_actions;
};

} // namespace tavrolin
