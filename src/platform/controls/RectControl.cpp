#include "RectControl.h"

#include "Exceptions.h"
#include "QtText.h"
#include "RuntimeCheckCast.h"
#include "TabPanel.h"
#include "Window.h"

#include <QApplication>
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
    // A widget that changes its parent goes to the end of the focus chain.
    window->ArrangeTabOrder();
}

void RectControl::TabIndex(std::int32_t value) {
    tabIndex_ = value;
    if (Window* window = ParentWindow()) {
        window->ArrangeTabOrder();
    }
}

void RectControl::TabStop(bool value) {
    tabStop_ = value;
    // A control that takes no focus at all (a label) stays so; the others keep
    // taking focus by click.
    for (QWidget* widget : {Widget(), Widget()->focusProxy()}) {
        if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus) {
            const int policy = value ? widget->focusPolicy() | Qt::TabFocus
                                     : widget->focusPolicy() & ~Qt::TabFocus;
            widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
        }
    }
}

std::string RectControl::HelpTag() const {
    return FromQString(Widget()->toolTip());
}

void RectControl::HelpTag(std::string_view text) {
    Widget()->setToolTip(ToQString(text));
}

void RectControl::TextFont(std::string_view name) {
    textFont_ = name;
    FontChanged();
}

void RectControl::TextSize(float size) {
    textSize_ = size;
    FontChanged();
}

void RectControl::TextUnit(std::int32_t unit) {
    if (unit < 0 || unit > 4) {
        throw OutOfBoundsException("There is no text unit " + std::to_string(unit) + ".");
    }
    textUnit_ = unit;
    FontChanged();
}

void RectControl::Bold(bool value) {
    bold_ = value;
    FontChanged();
}

void RectControl::Italic(bool value) {
    italic_ = value;
    FontChanged();
}

void RectControl::Underline(bool value) {
    underline_ = value;
    FontChanged();
}

void RectControl::FontChanged() {
    QFont font = QApplication::font(Widget());
    if (!textFont_.empty() && textFont_ != "System") {
        font.setFamilies({ToQString(textFont_)});
    }
    if (textSize_ > 0) {
        constexpr double pointsPerInch = 72;
        constexpr double millimetresPerInch = 25.4;
        switch (textUnit_) {
        case 2:
            font.setPointSizeF(textSize_);
            break;
        case 3:
            font.setPointSizeF(textSize_ * pointsPerInch);
            break;
        case 4:
            font.setPointSizeF(textSize_ * pointsPerInch / millimetresPerInch);
            break;
        default:
            font.setPixelSize(std::max(1, qRound(textSize_)));
        }
    }
    font.setBold(bold_);
    font.setItalic(italic_);
    font.setUnderline(underline_);
    Widget()->setFont(font);
}

void RectControl::UseFocusRing(bool value) {
    Widget()->setAttribute(Qt::WA_MacShowFocusRect, value);
}

const PropertyTable<RectControl>& RectControl::DesignProperties() {
    static const PropertyTable<RectControl> table =
        PropertyTable<RectControl>()
            .Text("Name", &RectControl::SetName)
            .Integer("Index", &RectControl::SetIndex)
            .Integer("Left", &RectControl::Left)
            .Integer("Top", &RectControl::Top)
            .Integer("Width", &RectControl::Width)
            .Integer("Height", &RectControl::Height)
            .Boolean("LockLeft", &RectControl::LockLeft)
            .Boolean("LockTop", &RectControl::LockTop)
            .Boolean("LockRight", &RectControl::LockRight)
            .Boolean("LockBottom", &RectControl::LockBottom)
            .Integer("TabPanelIndex", &RectControl::TabPanelIndex)
            .Integer("TabIndex", &RectControl::TabIndex)
            .Boolean("TabStop", &RectControl::TabStop)
            .Boolean("Enabled", &RectControl::Enabled)
            .Boolean("Visible", &RectControl::Visible)
            .Text("HelpTag", &RectControl::HelpTag)
            .Kept("AutoDeactivate", PropertyType::Boolean)
            .Text("TextFont", &RectControl::TextFont)
            .Boolean("Bold", &RectControl::Bold)
            .Boolean("Italic", &RectControl::Italic)
            .Boolean("Underline", &RectControl::Underline)
            .Kept("DataSource", PropertyType::Text)
            .Kept("DataField", PropertyType::Text)
            .Text("InitialParent", &RectControl::InitialParent);
    return table;
}
