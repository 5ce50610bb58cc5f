#pragma once

#include <QStringList>

namespace tavrolin {

// The "preview" sub-command: tavrolin preview DRAWING -o FILE.png writes the preview picture
// stored in the drawing as a PNG file. `arguments` are those after the word "preview".
// Returns the exit code: 0 written (or help shown), 1 the drawing has no readable preview or the
// PNG cannot be written, 2 wrong usage. Needs only a QCoreApplication.
int runPreviewCommand(const QStringList &arguments);

} // namespace tavrolin
