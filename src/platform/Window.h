#pragma once

// A top-level window. Constructor builds it: it raises Layout and
// CreateControls, in which a subclass sets the window's properties and creates
// its controls, and shows the window when it is Visible. The window owns its
// controls, finds them by name (and by name and index for a control array),
// and places them on every resize by their locked edges.

#include "Event.h"
#include "Text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class Control;
class RectControl;
class QWidget;

class Window : public std::enable_shared_from_this<Window> {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The name under which the platform keeps the single instance of the
    // window's class.
    virtual std::string ClassName() const = 0;

    // Builds the window: raises Layout and CreateControls, keeps the window as
    // the single instance of its class, and shows it when it is Visible.
    void Constructor();

    // Creates a control that this window owns.
    template <typename ControlType, typename... Arguments>
    ControlType& NewControl(Arguments&&... arguments) {
        auto control = std::make_unique<ControlType>(this, std::forward<Arguments>(arguments)...);
        ControlType& result = *control;
        Adopt(std::move(control));
        return result;
    }

    // Registers a control under a name; members of a control array share the
    // name and differ by their index.
    void _AddControl(std::string_view name, Control& control);
    Control* _ControlByName(std::string_view name) const;
    Control* _ControlByNameIndex(std::string_view name, std::int32_t index) const;

    std::string Title() const;
    void Title(std::string_view title);
    void Width(std::int32_t width);
    void Height(std::int32_t height);
    std::int32_t Width() const;
    std::int32_t Height() const;
    void MinWidth(std::int32_t width);
    void MinHeight(std::int32_t height);
    void MaxWidth(std::int32_t width);
    void MaxHeight(std::int32_t height);
    bool Visible() const { return visible_; }
    void Visible(bool visible);

    // The area that holds the controls, and the frame around it.
    QWidget* ContentArea() const;
    QWidget* Widget() const;

    // Places every control by its bounds and locked edges.
    void PlaceControls();
    void PlaceControl(RectControl& control);

    Event<> Close;

protected:
    virtual void Layout() {}
    virtual void CreateControls() {}

private:
    class Frame;
    friend class Frame;
    void Adopt(std::unique_ptr<Control> control);
    void ContentResized(std::int32_t width, std::int32_t height);
    void ResizeFrame();

    std::unique_ptr<Frame> frame_;
    std::vector<std::unique_ptr<Control>> controls_;
    // Registered controls by name, each name's in the order registered; the
    // exports look a control up for every cell they read.
    std::unordered_map<std::string, std::vector<Control*>, TextHasher, TextEqualTo> registered_;
    // The name last looked up, byte for byte, and what it found: the exports
    // ask for the list again for every cell they read.
    mutable std::string lastName_;
    mutable Control* lastFound_ = nullptr;
    bool visible_ = true;
    std::int32_t contentWidth_ = 100;
    std::int32_t contentHeight_ = 100;
};

// The window that the platform keeps as the single instance of the class of
// that name, or nullptr.
std::shared_ptr<Window> _GetImplicitWindow(std::string_view className);

// Drops the platform's hold on every window, at program end.
void ReleaseWindows();
