#include "RectControl.h"

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
