#include "CheckBox.h"

#include "Exceptions.h"
#include "QtText.h"

#include <QCheckBox>

CheckBox::CheckBox(Window* window)
    : RectControl(window)
    , box_(std::make_unique<QCheckBox>()) {}

CheckBox::~CheckBox() = default;

std::string CheckBox::Caption() const {
    return FromQString(box_->text());
}

void CheckBox::Caption(std::string_view caption) {
    box_->setText(ToQString(caption));
}

bool CheckBox::Value() const {
    return box_->checkState() == Qt::Checked;
}

void CheckBox::Value(bool checked) {
    box_->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

std::int32_t CheckBox::State() const {
    switch (box_->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    default:
        return 2;
    }
}

void CheckBox::State(std::int32_t state) {
    if (state < 0 || state > 2) {
        throw OutOfBoundsException("A check box has no state " + std::to_string(state) + ".");
    }
    box_->setTristate(state == 2);
    box_->setCheckState(state == 0   ? Qt::Unchecked
                        : state == 1 ? Qt::Checked
                                     : Qt::PartiallyChecked);
}

QWidget* CheckBox::Widget() const {
    return box_.get();
}

const PropertyTable<CheckBox>& CheckBox::DesignProperties() {
    static const PropertyTable<CheckBox> table =
        PropertyTable<CheckBox>(RectControl::DesignProperties())
            .Text("Caption", &CheckBox::Caption)
            .Integer("State", &CheckBox::State)
            .Boolean("Value", &CheckBox::Value);
    return table;
}

void CheckBox::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
