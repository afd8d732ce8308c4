#pragma once

// A check box with its caption.

#include "RectControl.h"

#include <memory>

class QCheckBox;

class CheckBox : public RectControl {
public:
    explicit CheckBox(Window* window);
    ~CheckBox() override;

    std::string Caption() const;
    void Caption(std::string_view caption);

    // True when checked.
    bool Value() const;
    void Value(bool checked);

    // 0 unchecked, 1 checked, 2 indeterminate.
    std::int32_t State() const;
    void State(std::int32_t state);

    QWidget* Widget() const override;

    static const PropertyTable<CheckBox>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    std::unique_ptr<QCheckBox> box_;
};
