#include "Label.h"

#include "Exceptions.h"
#include "QtColor.h"
#include "QtText.h"

#include <QLabel>

namespace {

Qt::Alignment HorizontalAlignment(std::int32_t alignment) {
    switch (alignment) {
    case 0:
    case 1:
        return Qt::AlignLeft;
    case 2:
        return Qt::AlignHCenter;
    case 3:
        return Qt::AlignRight;
    default:
        throw OutOfBoundsException("There is no text alignment " + std::to_string(alignment) + ".");
    }
}

} // namespace

Label::Label(Window* window)
    : RectControl(window)
    , label_(std::make_unique<QLabel>()) {
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

Label::~Label() = default;

std::string Label::Text() const {
    return FromQString(label_->text());
}

void Label::Text(std::string_view text) {
    label_->setText(ToQString(text));
}

void Label::TextAlign(std::int32_t alignment) {
    label_->setAlignment(HorizontalAlignment(alignment) | Qt::AlignTop);
    textAlign_ = alignment;
}

Color Label::TextColor() const {
    return FromQColor(label_->palette().color(QPalette::WindowText));
}

void Label::TextColor(Color color) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    label_->setPalette(palette);
}

bool Label::Multiline() const {
    return label_->wordWrap();
}

void Label::Multiline(bool value) {
    label_->setWordWrap(value);
}

bool Label::Selectable() const {
    return label_->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
}

void Label::Selectable(bool value) {
    label_->setTextInteractionFlags(value ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

bool Label::Transparent() const {
    return !label_->autoFillBackground();
}

void Label::Transparent(bool value) {
    label_->setAutoFillBackground(!value);
}

QWidget* Label::Widget() const {
    return label_.get();
}

const PropertyTable<Label>& Label::DesignProperties() {
    static const PropertyTable<Label> table = PropertyTable<Label>(RectControl::DesignProperties())
                                                  .Text("Text", &Label::Text)
                                                  .Integer("TextAlign", &Label::TextAlign)
                                                  .Colour("TextColor", &Label::TextColor)
                                                  .Boolean("Multiline", &Label::Multiline)
                                                  .Boolean("Selectable", &Label::Selectable)
                                                  .Boolean("Transparent", &Label::Transparent);
    return table;
}

void Label::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
