#pragma once

// A radio button. The radio buttons of one parent form a group: selecting one
// clears the others, so exactly one of them is selected once one has been.

#include "RectControl.h"

#include <memory>

class QRadioButton;

class RadioButton : public RectControl {
public:
    explicit RadioButton(Window* window);
    ~RadioButton() override;

    std::string Caption() const;
    void Caption(std::string_view caption);

    bool Value() const;
    void Value(bool selected);

    QWidget* Widget() const override;

    static const PropertyTable<RadioButton>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    std::unique_ptr<QRadioButton> button_;
};
