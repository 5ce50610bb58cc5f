#include "scriptblocks.h"

#include "core/session.h"

namespace tavrolin {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

} // namespace

// A block ends where the line end before the next block starts, the last one at the end of
// the text.
QString scriptBlock(const Session &session, int drawing)
{
    const std::vector<qsizetype> &starts = session.ScriptBlocks;
    if (drawing < 0 || size_t(drawing) >= starts.size())
        return {};
    const qsizetype size = session.ScriptText.size();
    const qsizetype start = qMin(starts[drawing], size);
    const qsizetype end = size_t(drawing) + 1 < starts.size()
                              ? qBound(start, starts[drawing + 1] - kLineEnd.size(), size)
                              : size;
    return session.ScriptText.sliced(start, end - start);
}

// The open line is the drawing's open command as the list holds it, whose path may hold a line
// end of its own.
QString drawingCommands(const Session &session, int drawing)
{
    const QString block = scriptBlock(session, drawing);
    if (block.isEmpty())
        return {};
    const qsizetype start = session.OpenCommands[drawing].size() + kLineEnd.size();
    return start < block.size() ? block.sliced(start) : QString();
}

} // namespace tavrolin
