#pragma once

// A one-line text field.

#include "RectControl.h"

#include <memory>

class QLineEdit;

class TextField : public RectControl {
public:
    explicit TextField(Window* window);
    ~TextField() override;

    std::string Text() const;
    void Text(std::string_view text);

    QWidget* Widget() const override;

private:
    std::unique_ptr<QLineEdit> field_;
};
