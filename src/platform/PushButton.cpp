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

void PushButton::Push() {
    button_->click();
}

QWidget* PushButton::Widget() const {
    return button_.get();
}
