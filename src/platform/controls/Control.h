#pragma once

// A control of a window: its name, its index in a control array, and the Qt
// widget that shows it. The window that creates a control owns it.

#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

class QWidget;
class Window;

class Control {
public:
    // The index of a control that is not a member of a control array.
    static constexpr std::int32_t NoIndex = INT32_MIN;

    explicit Control(Window* window)
        : window_(window) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    void Name(std::string_view name) { name_ = name; }

    std::int32_t Index() const { return index_; }
    void Index(std::int32_t index) { index_ = index; }

    // The window that holds the control; nullptr for a control made without one.
    Window* ParentWindow() const { return window_; }

    // The widget behind the control.
    virtual QWidget* Widget() const = 0;

    // Applies a design property list (PropertyList.h) by the properties of
    // the control's class.
    virtual void ApplyDesignProperties(std::string_view list) = 0;

private:
    Window* window_;
    std::string name_;
    std::int32_t index_ = NoIndex;
};
