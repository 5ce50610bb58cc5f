// The drawing probe of the pre-flight check on arbitrary files. The input is the file's bytes.
// What the probe tells from the file's first bytes (read on to a DXF header's $ACADVER) is what
// the whole content tells, and the check of a list naming the file twice finds it listed twice.

#include "fuzzcheck.h"
#include "preflight/drawingprobe.h"
#include "preflight/preflightcheck.h"

using namespace tavrolin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = fuzz::scratchFile("drawing.dwg");
    fuzz::writeFile(path, bytes);

    const DrawingProbe::Facts whole = DrawingProbe::probeBytes(bytes);
    const DrawingProbe::Facts probed = DrawingProbe::probeFile(QFileInfo(path));
    FUZZ_CHECK(probed.state == whole.state);
    FUZZ_CHECK(probed.versionMark == whole.versionMark);
    FUZZ_CHECK((whole.state == DrawingProbe::State::Empty) == bytes.isEmpty());
    if (whole.state != DrawingProbe::State::Dwg && whole.state != DrawingProbe::State::Dxf)
        FUZZ_CHECK(whole.versionMark.isEmpty());

    PreflightCheck::Input input;
    input.drawings = {path, path};
    const std::optional<PreflightReport> report = PreflightCheck::run(input);
    FUZZ_CHECK(report && report->findings.size() == 2);
    FUZZ_CHECK(report->findings[1].size() >= 1); // listed twice, at least
    return 0;
}
