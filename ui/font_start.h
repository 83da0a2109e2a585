#pragma once

#include <future>
#include <thread>

namespace ui {

// Before the first text is measured, fontconfig reads its configuration and
// its font caches, and Qt then lists every font it knows: a good share of a
// start. On a thread of their own, the first runs while Qt loads its plugins
// and opens the display, the second while the window meets the accessibility
// bus, none of which needs a font. Private to ui/.
class FontConfigStart {
public:
    FontConfigStart();
    ~FontConfigStart();
    FontConfigStart(const FontConfigStart&) = delete;
    FontConfigStart& operator=(const FontConfigStart&) = delete;

    // Qt's font database belongs to the application: once it is made, the
    // thread goes on to fill it.
    void application_made();
    // Waits until the fonts are ready, before the first text: asked while the
    // thread still works, fontconfig would read everything a second time.
    void wait();

private:
    std::promise<bool> made_;  // true: the application is there to fill
    bool told_ = false;
    std::thread thread_;
};

}  // namespace ui
