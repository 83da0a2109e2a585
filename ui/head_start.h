#pragma once

#include <future>
#include <thread>

namespace ui {

// Much of a start is spent waiting or reading, none of it on the display:
// connecting to the session bus (which the accessibility bridge uses from the
// first widget on, and which, on a display without a session, means launching
// a bus), then fontconfig reading its configuration and caches, then Qt
// listing every font it knows. A thread of its own does them in that order,
// the first two while Qt loads its plugins and opens the display, the last
// while the window meets the accessibility bus. Private to ui/.
class HeadStart {
public:
    // The arguments name the platform, as they do for Qt.
    HeadStart(int argc, char** argv);
    ~HeadStart();
    HeadStart(const HeadStart&) = delete;
    HeadStart& operator=(const HeadStart&) = delete;

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
