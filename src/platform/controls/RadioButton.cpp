#include "RadioButton.h"

#include "QtText.h"

#include <QRadioButton>

RadioButton::RadioButton(Window* window)
    : RectControl(window)
    , button_(std::make_unique<QRadioButton>()) {}

RadioButton::~RadioButton() = default;

std::string RadioButton::Caption() const {
    return FromQString(button_->text());
}

void RadioButton::Caption(std::string_view caption) {
    button_->setText(ToQString(caption));
}

bool RadioButton::Value() const {
    return button_->isChecked();
}

void RadioButton::Value(bool selected) {
    button_->setChecked(selected);
}

QWidget* RadioButton::Widget() const {
    return button_.get();
}

const PropertyTable<RadioButton>& RadioButton::DesignProperties() {
    static const PropertyTable<RadioButton> table =
        PropertyTable<RadioButton>(RectControl::DesignProperties())
            .Text("Caption", &RadioButton::Caption)
            .Boolean("Value", &RadioButton::Value);
    return table;
}

void RadioButton::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
