// Writes the clip that the drawing list page plays while it imports dropped drawings.
// Usage: makeclip OUTPUT.avi

#include "aviwriter.h"
#include "filecopyanimation.h"

#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    using namespace tavrolin;
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeclip OUTPUT.avi\n");
        return 2;
    }
    const AviWriter writer(FileCopyAnimation::frames(), AviWriter::Encoding::Rle8,
                           FileCopyAnimation::MicrosecondsPerFrame);
    QString error;
    if (!writer.write(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "makeclip: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    return 0;
}
