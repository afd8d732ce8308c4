#pragma once

// A push button. Pressing it raises Action with the button.

#include "Event.h"
#include "RectControl.h"

#include <memory>

class QPushButton;

class PushButton : public RectControl {
public:
    explicit PushButton(Window* window);
    ~PushButton() override;

    std::string Caption() const;
    void Caption(std::string_view caption);

    // The default button is pressed by Return in its window.
    bool Default() const;
    void Default(bool value);

    // Presses the button as the user would.
    void Push();

    QWidget* Widget() const override;

    // The control's properties with Caption, Default, and Cancel and
    // ButtonStyle, which are only kept.
    static const PropertyTable<PushButton>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

    Event<PushButton&> Action;

private:
    std::unique_ptr<QPushButton> button_;
};
