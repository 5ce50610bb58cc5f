#pragma once

#include <QString>

namespace tavrolin {

// True when the path names a drawing: its file name ends in ".dwg" or ".dxf", in any letter
// case. A folder called "dwg" does not make a text file a drawing.
bool isDrawingPath(const QString &path);

// True when the text holds a control character (line feed, carriage return, TAB, NUL, escape…),
// which no text written into a script line may hold.
bool holdsControlCharacter(const QString &text);

// True when the path can be written into a script as it stands: it holds no control character
// and no double quote. A line feed or carriage return would end the ".open" line and make the
// rest of the path a command of its own; a double quote would end the quoting of the path.
bool isScriptSafePath(const QString &path);

// Why a path that isScriptSafePath refuses is refused.
QString unsafeDrawingPathMessage();

// The text with every control character made visible (a line feed as "<LF>"), for naming a path
// or a text in a message without breaking the message's lines.
QString visibleControls(const QString &text);

// A path as it is written into a script. In an AutoCAD script every blank acts as Enter, so a
// path that holds a blank is put in double quotes; any other path is written as it stands.
QString scriptPath(const QString &path);

// True when scriptPath puts the path in double quotes.
bool needsScriptQuotes(QStringView path);

// The script line that opens a drawing: ".open " followed by the path.
QString openCommand(const QString &path);

} // namespace tavrolin
