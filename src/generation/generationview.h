#pragma once

namespace tavrolin {

// What script generation does to the page it runs on: disabling it while the script is built,
// showing the progress after each drawing, and letting the event loop run so the window stays
// painted. The headless command runs generation with this do-nothing view.
class GenerationView
{
public:
    virtual ~GenerationView() = default;

    virtual void setPageEnabled(bool /*enabled*/) {}
    // Drawing `drawingno` of `drawingCount` has just been assembled.
    virtual void progprocess(int /*drawingno*/, int /*drawingCount*/) {}
    virtual void yieldToEventLoop() {}
};

} // namespace tavrolin
