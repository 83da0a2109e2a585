#pragma once

#include <thread>

namespace ui {

// fontconfig reads its configuration and its font caches before the first
// text can be measured: a good share of a start. Begun on a thread of its
// own, it runs while Qt loads its plugins and opens the display, which need
// no fonts; Qt then finds it done. Private to ui/.
class FontConfigStart {
public:
    FontConfigStart();
    ~FontConfigStart();
    FontConfigStart(const FontConfigStart&) = delete;
    FontConfigStart& operator=(const FontConfigStart&) = delete;

    // Waits until fontconfig is ready, before Qt asks it for any font: asked
    // while the thread still works, it would read everything a second time.
    void wait();

private:
    std::thread thread_;
};

}  // namespace ui
