#include "Window.h"

#include "EventDispatch.h"
#include "QtMenuBar.h"
#include "QtText.h"
#include "RectControl.h"
#include "Text.h"

#include <QCloseEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QResizeEvent>

#include <algorithm>
#include <map>

namespace {

// The windows the platform holds: each built window, by its class name.
std::map<std::string, std::shared_ptr<Window>, std::less<>>& ImplicitWindows() {
    static std::map<std::string, std::shared_ptr<Window>, std::less<>> windows;
    return windows;
}

// The area under the menu bar that holds the controls.
class ContentWidget : public QWidget {
public:
    explicit ContentWidget(std::function<void(int, int)> resized)
        : resized_(std::move(resized)) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        resized_(event->size().width(), event->size().height());
    }

private:
    std::function<void(int, int)> resized_;
};

} // namespace

class Window::Frame : public QMainWindow {
public:
    explicit Frame(Window& window)
        : window_(window) {
        setCentralWidget(new ContentWidget(
            [this](int width, int height) { window_.ContentResized(width, height); }));
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        RunEventHandler("Window.Close", [this] { window_.Close.Raise(); });
        event->accept();
    }

private:
    Window& window_;
};

Window::Window()
    : frame_(std::make_unique<Frame>(*this)) {
    ResizeFrame();
}

Window::~Window() {
    // Controls go in the reverse order of their creation: a control on a page
    // of a tab panel was created after the panel, and its widget must leave
    // the page before the panel deletes its pages.
    registered_.clear();
    while (!controls_.empty()) {
        controls_.pop_back();
    }
}

void Window::Constructor() {
    Layout();
    CreateControls();
    ImplicitWindows()[ClassName()] = shared_from_this();
    if (visible_) {
        fullScreen_ ? frame_->showFullScreen() : frame_->show();
    }
}

void Window::Adopt(std::unique_ptr<Control> control) {
    QWidget* widget = control->Widget();
    widget->setParent(frame_->centralWidget());
    controls_.push_back(std::move(control));
}

void Window::_AddControl(std::string_view name, Control& control) {
    control.Name(name);
    auto named = registered_.find(name);
    if (named == registered_.end()) {
        named = registered_.emplace(std::string(name), std::vector<Control*>()).first;
    }
    named->second.push_back(&control);
    lastName_.clear();
    lastFound_ = nullptr;
}

Control* Window::_ControlByName(std::string_view name) const {
    if (lastFound_ != nullptr && name == lastName_) {
        return lastFound_;
    }
    const auto named = registered_.find(name);
    if (named == registered_.end()) {
        return nullptr;
    }
    lastName_ = name;
    lastFound_ = named->second.front();
    return lastFound_;
}

Control* Window::_ControlByNameIndex(std::string_view name, std::int32_t index) const {
    const auto named = registered_.find(name);
    if (named == registered_.end()) {
        return nullptr;
    }
    const auto found =
        std::find_if(named->second.begin(), named->second.end(),
                     [index](const Control* control) { return control->Index() == index; });
    return found == named->second.end() ? nullptr : *found;
}

void Window::MenuBar(::MenuBar* bar) {
    menuBar_ = bar;
    frame_->setMenuBar(bar != nullptr ? BuildQtMenuBar(*bar) : nullptr);
    if (frame_->menuWidget() != nullptr) {
        frame_->menuWidget()->setVisible(menuBarVisible_);
    }
    ResizeFrame();
}

QWidget* Window::ContentArea() const {
    return frame_->centralWidget();
}

QWidget* Window::Widget() const {
    return frame_.get();
}

std::string Window::Title() const {
    return FromQString(frame_->windowTitle());
}

void Window::Title(std::string_view title) {
    frame_->setWindowTitle(ToQString(title));
}

std::int32_t Window::Width() const {
    return contentWidth_;
}
std::int32_t Window::Height() const {
    return contentHeight_;
}

void Window::Width(std::int32_t width) {
    contentWidth_ = width;
    ResizeFrame();
}

void Window::Height(std::int32_t height) {
    contentHeight_ = height;
    ResizeFrame();
}

int Window::MenuBarHeight() const {
    const QWidget* menuBar = frame_->menuWidget();
    return menuBar != nullptr && !menuBar->isHidden() ? menuBar->sizeHint().height() : 0;
}

void Window::ResizeFrame() {
    // The width and height are those of the content area; the frame adds the
    // menu bar above it.
    ApplySizeLimits();
    ContentArea()->resize(contentWidth_, contentHeight_);
    frame_->resize(contentWidth_, contentHeight_ + MenuBarHeight());
}

void Window::MinWidth(std::int32_t width) {
    minWidth_ = width;
    ApplySizeLimits();
}
void Window::MinHeight(std::int32_t height) {
    minHeight_ = height;
    ApplySizeLimits();
}
void Window::MaxWidth(std::int32_t width) {
    maxWidth_ = width;
    ApplySizeLimits();
}
void Window::MaxHeight(std::int32_t height) {
    maxHeight_ = height;
    ApplySizeLimits();
}

void Window::ApplySizeLimits() {
    // A window that the user cannot resize keeps the size its code gives it.
    ContentArea()->setMinimumSize(resizeable_ ? minWidth_ : contentWidth_,
                                  resizeable_ ? minHeight_ : contentHeight_);
    ContentArea()->setMaximumSize(resizeable_ ? maxWidth_ : contentWidth_,
                                  resizeable_ ? maxHeight_ : contentHeight_);
    // The frame's own layout passes on only the smallest size; the largest is
    // set on the frame, so that the system is told both limits.
    frame_->setMaximumSize((ContentArea()->maximumSize() + QSize(0, MenuBarHeight()))
                               .boundedTo(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)));
}

void Window::Visible(bool visible) {
    visible_ = visible;
    if (!visible) {
        frame_->hide();
    }
}

void Window::ContentResized(std::int32_t width, std::int32_t height) {
    contentWidth_ = width;
    contentHeight_ = height;
    PlaceControls();
}

void Window::PlaceControls() {
    for (const auto& control : controls_) {
        if (auto* rect = dynamic_cast<RectControl*>(control.get())) {
            PlaceControl(*rect);
        }
    }
}

void Window::PlaceControl(RectControl& control) {
    std::int32_t left = control.Left();
    std::int32_t top = control.Top();
    std::int32_t width = control.Width();
    std::int32_t height = control.Height();
    const std::int32_t grownWidth = contentWidth_ - control.ReferenceWidth();
    const std::int32_t grownHeight = contentHeight_ - control.ReferenceHeight();
    if (control.LockRight()) {
        (control.LockLeft() ? width : left) += grownWidth;
    }
    if (control.LockBottom()) {
        (control.LockTop() ? height : top) += grownHeight;
    }
    QWidget* widget = control.Widget();
    QWidget* parent = widget->parentWidget();
    // Bounds are in window coordinates, also for a control inside a page.
    const QPoint origin = parent != nullptr && parent != ContentArea()
                              ? parent->mapTo(ContentArea(), QPoint(0, 0))
                              : QPoint(0, 0);
    widget->setGeometry(left - origin.x(), top - origin.y(), std::max(width, 0),
                        std::max(height, 0));
}

std::shared_ptr<Window> _GetImplicitWindow(std::string_view className) {
    auto& windows = ImplicitWindows();
    auto found = windows.find(className);
    return found == windows.end() ? nullptr : found->second;
}

void ReleaseWindows() {
    ImplicitWindows().clear();
}
