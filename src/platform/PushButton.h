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

    // Presses the button as the user would.
    void Push();

    QWidget* Widget() const override;

    Event<PushButton&> Action;

private:
    std::unique_ptr<QPushButton> button_;
};
