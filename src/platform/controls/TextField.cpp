#include "TextField.h"

#include "Exceptions.h"
#include "QtColor.h"
#include "QtText.h"

#include <QKeyEvent>
#include <QLineEdit>

class FieldEdit : public QLineEdit {
public:
    bool acceptTabs = false;

protected:
    bool event(QEvent* event) override {
        // Tab moves the focus before a key press reaches keyPressEvent.
        if (acceptTabs && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
                insert(QStringLiteral("\t"));
                return true;
            }
        }
        return QLineEdit::event(event);
    }
};

namespace {

// QLineEdit's own limit, which stands for "no limit".
constexpr int unlimitedLength = 32767;

} // namespace

TextField::TextField(Window* window)
    : RectControl(window)
    , field_(std::make_unique<FieldEdit>()) {}

TextField::~TextField() = default;

std::string TextField::Text() const {
    return FromQString(field_->text());
}

void TextField::Text(std::string_view text) {
    field_->setText(ToQString(text));
}

std::string TextField::CueText() const {
    return FromQString(field_->placeholderText());
}

void TextField::CueText(std::string_view text) {
    field_->setPlaceholderText(ToQString(text));
}

bool TextField::Password() const {
    return field_->echoMode() == QLineEdit::Password;
}

void TextField::Password(bool value) {
    field_->setEchoMode(value ? QLineEdit::Password : QLineEdit::Normal);
}

bool TextField::ReadOnly() const {
    return field_->isReadOnly();
}

void TextField::ReadOnly(bool value) {
    field_->setReadOnly(value);
}

bool TextField::Border() const {
    return field_->hasFrame();
}

void TextField::Border(bool value) {
    field_->setFrame(value);
}

void TextField::LimitText(std::int32_t count) {
    if (count < 0) {
        throw OutOfBoundsException("A text field cannot be limited to " + std::to_string(count) +
                                   " characters.");
    }
    field_->setMaxLength(count == 0 ? unlimitedLength : count);
    limitText_ = count;
}

void TextField::Alignment(std::int32_t alignment) {
    static constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter,
                                                   Qt::AlignRight};
    if (alignment < 0 || alignment > 3) {
        throw OutOfBoundsException("There is no text alignment " + std::to_string(alignment) + ".");
    }
    field_->setAlignment(horizontal[alignment] | Qt::AlignVCenter);
    alignment_ = alignment;
}

std::string TextField::Mask() const {
    return FromQString(field_->inputMask());
}

void TextField::Mask(std::string_view mask) {
    field_->setInputMask(ToQString(mask));
}

bool TextField::AcceptTabs() const {
    return field_->acceptTabs;
}

void TextField::AcceptTabs(bool value) {
    field_->acceptTabs = value;
}

Color TextField::TextColor() const {
    return FromQColor(field_->palette().color(QPalette::Text));
}

void TextField::TextColor(Color color) {
    QPalette palette = field_->palette();
    palette.setColor(QPalette::Text, ToQColor(color));
    field_->setPalette(palette);
}

Color TextField::BackColor() const {
    return FromQColor(field_->palette().color(QPalette::Base));
}

void TextField::BackColor(Color color) {
    QPalette palette = field_->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    field_->setPalette(palette);
}

QWidget* TextField::Widget() const {
    return field_.get();
}

const PropertyTable<TextField>& TextField::DesignProperties() {
    static const PropertyTable<TextField> table =
        PropertyTable<TextField>(RectControl::DesignProperties())
            .Boolean("Border", &TextField::Border)
            .Boolean("Password", &TextField::Password)
            .Boolean("UseFocusRing", &TextField::UseFocusRing)
            .Colour("TextColor", &TextField::TextColor)
            .Colour("BackColor", &TextField::BackColor)
            .Kept("Format", PropertyType::Text)
            .Text("CueText", &TextField::CueText)
            .Text("Text", &TextField::Text)
            .Text("Mask", &TextField::Mask)
            .Boolean("ReadOnly", &TextField::ReadOnly)
            .Integer("LimitText", &TextField::LimitText)
            .Boolean("AcceptTabs", &TextField::AcceptTabs)
            .Integer("Alignment", &TextField::Alignment)
            .Kept("AutomaticallyCheckSpelling", PropertyType::Boolean);
    return table;
}

void TextField::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
