#pragma once

// The application object and quitting.

#include <cstdint>

class MenuBar;

class Application {
public:
    Application() = default;
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The application's menu bar; it must outlive the application object.
    ::MenuBar* MenuBar() const { return menuBar_; }
    void MenuBar(::MenuBar* bar) { menuBar_ = bar; }

private:
    ::MenuBar* menuBar_ = nullptr;
};

// Asks the application to quit; the event loop then returns, and the code
// becomes the process's exit status.
void Quit(std::int32_t code);
