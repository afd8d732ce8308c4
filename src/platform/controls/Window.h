#pragma once

// A top-level window. Constructor builds it: it raises Layout and
// CreateControls, in which a subclass sets the window's properties and creates
// its controls, and shows the window when it is Visible. The window owns its
// controls, finds them by name (and by name and index for a control array),
// and places them on every resize by their locked edges.

#include "Color.h"
#include "Event.h"
#include "PropertyTable.h"
#include "Text.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class Control;
class MenuBar;
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

    // The frame: shown filling the screen, with or without the menu bar, and
    // with the title-bar buttons and the resizing that it allows.
    bool FullScreen() const { return fullScreen_; }
    void FullScreen(bool value);
    bool MenuBarVisible() const { return menuBarVisible_; }
    void MenuBarVisible(bool value);
    bool CloseButton() const { return closeButton_; }
    void CloseButton(bool value);
    bool MaximizeButton() const { return maximizeButton_; }
    void MaximizeButton(bool value);
    bool MinimizeButton() const { return minimizeButton_; }
    void MinimizeButton(bool value);
    bool Resizeable() const { return resizeable_; }
    void Resizeable(bool value);

    // The content area's background; BackColor shows only while HasBackColor.
    bool HasBackColor() const { return hasBackColor_; }
    void HasBackColor(bool value);
    Color BackColor() const { return backColor_; }
    void BackColor(Color color);

    KeptProperties& Kept() { return kept_; }
    const KeptProperties& Kept() const { return kept_; }

    // The design properties of a window: size and its limits, title, frame
    // and background. Placement, Frame, Composite, LiveResize (resizing is
    // always live here) and MacProcID are only kept.
    static const PropertyTable<Window>& DesignProperties();

    // The menu bar the window shows, or nullptr. The bar must outlive the
    // window.
    ::MenuBar* MenuBar() const { return menuBar_; }
    void MenuBar(::MenuBar* bar);

    // The area that holds the controls, and the frame around it.
    QWidget* ContentArea() const;
    QWidget* Widget() const;

    // Places every control by its bounds and locked edges.
    void PlaceControls();
    void PlaceControl(RectControl& control);

    // Orders the keyboard focus chain: the window's controls by TabIndex,
    // each tab panel followed by the controls of its pages, page by page.
    void ArrangeTabOrder();

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
    int MenuBarHeight() const;
    void ApplySizeLimits();
    void ApplyFrameFlags();
    void ApplyBackground();
    void AppendTabChain(const QWidget* container, std::vector<QWidget*>& chain) const;

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
    ::MenuBar* menuBar_ = nullptr;
    std::int32_t contentWidth_ = 100;
    std::int32_t contentHeight_ = 100;
    std::int32_t minWidth_ = 0;
    std::int32_t minHeight_ = 0;
    // Qt's largest widget size stands for no limit.
    std::int32_t maxWidth_ = 16777215;
    std::int32_t maxHeight_ = 16777215;
    bool fullScreen_ = false;
    bool menuBarVisible_ = true;
    bool closeButton_ = true;
    bool maximizeButton_ = true;
    bool minimizeButton_ = true;
    bool resizeable_ = true;
    bool hasBackColor_ = false;
    Color backColor_ = Color::FromRGB(0xFFFFFF);
    KeptProperties kept_;
};

// The window that the platform keeps as the single instance of the class of
// that name, or nullptr.
std::shared_ptr<Window> _GetImplicitWindow(std::string_view className);

// Drops the platform's hold on every window, at program end.
void ReleaseWindows();
