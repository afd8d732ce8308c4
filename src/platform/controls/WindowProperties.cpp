// The window's design properties, its frame options and the keyboard order
// of its controls.

#include "QtColor.h"
#include "RectControl.h"
#include "TabPanel.h"
#include "Window.h"

#include <QMainWindow>
#include <QWidget>

#include <algorithm>

void Window::FullScreen(bool value) {
    fullScreen_ = value;
    if (Widget()->isVisible()) {
        value ? Widget()->showFullScreen() : Widget()->showNormal();
    }
}

void Window::MenuBarVisible(bool value) {
    menuBarVisible_ = value;
    if (QWidget* bar = static_cast<QMainWindow*>(Widget())->menuWidget()) {
        bar->setVisible(value);
        ResizeFrame();
    }
}

void Window::CloseButton(bool value) {
    closeButton_ = value;
    ApplyFrameFlags();
}

void Window::MaximizeButton(bool value) {
    maximizeButton_ = value;
    ApplyFrameFlags();
}

void Window::MinimizeButton(bool value) {
    minimizeButton_ = value;
    ApplyFrameFlags();
}

void Window::Resizeable(bool value) {
    resizeable_ = value;
    ApplySizeLimits();
    ApplyFrameFlags();
}

void Window::ApplyFrameFlags() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    flags.setFlag(Qt::WindowCloseButtonHint, closeButton_);
    flags.setFlag(Qt::WindowMinimizeButtonHint, minimizeButton_);
    // A window of fixed size has nothing to maximise.
    flags.setFlag(Qt::WindowMaximizeButtonHint, maximizeButton_ && resizeable_);
    if (flags == Widget()->windowFlags()) {
        return;
    }
    // New flags hide a shown window.
    const bool shown = Widget()->isVisible();
    Widget()->setWindowFlags(flags);
    if (shown) {
        Widget()->show();
    }
}

void Window::HasBackColor(bool value) {
    hasBackColor_ = value;
    ApplyBackground();
}

void Window::BackColor(Color color) {
    backColor_ = color;
    ApplyBackground();
}

void Window::ApplyBackground() {
    QWidget* content = ContentArea();
    if (hasBackColor_) {
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, ToQColor(backColor_));
        content->setPalette(palette);
    } else {
        content->setPalette(QPalette());
    }
    content->setAutoFillBackground(hasBackColor_);
}

void Window::ArrangeTabOrder() {
    std::vector<QWidget*> chain;
    AppendTabChain(ContentArea(), chain);
    for (std::size_t next = 1; next < chain.size(); ++next) {
        QWidget::setTabOrder(chain[next - 1], chain[next]);
    }
}

void Window::AppendTabChain(const QWidget* container, std::vector<QWidget*>& chain) const {
    std::vector<const RectControl*> held;
    for (const auto& control : controls_) {
        const auto* rect = dynamic_cast<const RectControl*>(control.get());
        if (rect != nullptr && rect->Widget()->parentWidget() == container) {
            held.push_back(rect);
        }
    }
    // Controls of equal TabIndex keep the order of their creation.
    std::stable_sort(held.begin(), held.end(), [](const RectControl* a, const RectControl* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (const RectControl* control : held) {
        chain.push_back(control->Widget());
        if (const auto* panel = dynamic_cast<const TabPanel*>(control)) {
            for (std::int32_t page = 0; page < panel->PageCount(); ++page) {
                AppendTabChain(panel->Page(page), chain);
            }
        }
    }
}

const PropertyTable<Window>& Window::DesignProperties() {
    static const PropertyTable<Window> table =
        PropertyTable<Window>()
            .Kept("Placement", PropertyType::Integer)
            .Integer("Width", &Window::Width)
            .Integer("Height", &Window::Height)
            .Integer("MinWidth", &Window::MinWidth)
            .Integer("MinHeight", &Window::MinHeight)
            .Integer("MaxWidth", &Window::MaxWidth)
            .Integer("MaxHeight", &Window::MaxHeight)
            .Kept("Frame", PropertyType::Integer)
            .Kept("Composite", PropertyType::Boolean)
            .Boolean("HasBackColor", &Window::HasBackColor)
            .Colour("BackColor", &Window::BackColor)
            .Text("Title", &Window::Title)
            .Boolean("Visible", &Window::Visible)
            .Boolean("FullScreen", &Window::FullScreen)
            .Boolean("MenuBarVisible", &Window::MenuBarVisible)
            .Boolean("CloseButton", &Window::CloseButton)
            .Boolean("Resizeable", &Window::Resizeable)
            .Kept("LiveResize", PropertyType::Boolean)
            .Boolean("MaximizeButton", &Window::MaximizeButton)
            .Boolean("MinimizeButton", &Window::MinimizeButton)
            .Kept("MacProcID", PropertyType::Integer);
    return table;
}
