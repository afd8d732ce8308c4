#include "TextField.h"

#include "QtText.h"

#include <QLineEdit>

TextField::TextField(Window* window)
    : RectControl(window)
    , field_(std::make_unique<QLineEdit>()) {}

TextField::~TextField() = default;

std::string TextField::Text() const {
    return FromQString(field_->text());
}

void TextField::Text(std::string_view text) {
    field_->setText(ToQString(text));
}

QWidget* TextField::Widget() const {
    return field_.get();
}
