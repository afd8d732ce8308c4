#include "PushButton.h"

#include "EventDispatch.h"
#include "QtText.h"

#include <QPushButton>

PushButton::PushButton(Window* window)
    : RectControl(window)
    , button_(std::make_unique<QPushButton>()) {
    QObject::connect(button_.get(), &QPushButton::clicked, [this] {
        RunEventHandler(Name() + ".Action", [this] { Action.Raise(*this); });
    });
}

PushButton::~PushButton() = default;

std::string PushButton::Caption() const {
    return FromQString(button_->text());
}

void PushButton::Caption(std::string_view caption) {
    button_->setText(ToQString(caption));
}

bool PushButton::Default() const {
    return button_->isDefault();
}

void PushButton::Default(bool value) {
    button_->setDefault(value);
}

void PushButton::Push() {
    button_->click();
}

QWidget* PushButton::Widget() const {
    return button_.get();
}

const PropertyTable<PushButton>& PushButton::DesignProperties() {
    static const PropertyTable<PushButton> table =
        PropertyTable<PushButton>(RectControl::DesignProperties())
            .Text("Caption", &PushButton::Caption)
            .Boolean("Default", &PushButton::Default)
            .Kept("Cancel", PropertyType::Boolean)
            .Kept("ButtonStyle", PropertyType::Integer);
    return table;
}

void PushButton::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
