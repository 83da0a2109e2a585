#pragma once

namespace ui {

// The toolkit's application object: one per process, created before any window.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs until end_program() or until the last window is unloaded.
    int run();

private:
    struct Impl;
    Impl* impl_;
};

}  // namespace ui
