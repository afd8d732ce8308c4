#include "RectControl.h"

#include "Exceptions.h"
#include "RuntimeCheckCast.h"
#include "TabPanel.h"
#include "Window.h"

#include <QWidget>

void RectControl::Left(std::int32_t value) {
    left_ = value;
    BoundsChanged();
}

void RectControl::Top(std::int32_t value) {
    top_ = value;
    BoundsChanged();
}

void RectControl::Width(std::int32_t value) {
    width_ = value;
    BoundsChanged();
}

void RectControl::Height(std::int32_t value) {
    height_ = value;
    BoundsChanged();
}

void RectControl::BoundsChanged() {
    if (Window* window = ParentWindow()) {
        referenceWidth_ = window->Width();
        referenceHeight_ = window->Height();
        window->PlaceControl(*this);
    } else {
        Widget()->setGeometry(left_, top_, width_, height_);
    }
}

bool RectControl::Enabled() const {
    return Widget()->isEnabled();
}

void RectControl::Enabled(bool value) {
    Widget()->setEnabled(value);
}

void RectControl::Visible(bool value) {
    visible_ = value;
    Widget()->setVisible(value);
}

void RectControl::InitialParent(std::string_view parent) {
    Window* window = ParentWindow();
    if (window == nullptr) {
        throw NilObjectException("A control without a window has no parent to take.");
    }
    QWidget* container = window->ContentArea();
    if (!parent.empty()) {
        auto* panel = RuntimeCheckCast<TabPanel>(window->_ControlByName(parent));
        if (panel == nullptr) {
            throw NilObjectException("The window has no control named " + std::string(parent) +
                                     ".");
        }
        container = panel->Page(tabPanelIndex_ - 1);
    }
    initialParent_ = parent;
    Widget()->setParent(container);
    Widget()->setVisible(visible_);
    window->PlaceControl(*this);
}
