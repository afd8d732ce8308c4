#pragma once

// A text label.

#include "Color.h"
#include "RectControl.h"

#include <memory>

class QLabel;

class Label : public RectControl {
public:
    explicit Label(Window* window);
    ~Label() override;

    std::string Text() const;
    void Text(std::string_view text);

    // 0 (default) and 1 left, 2 centre, 3 right.
    std::int32_t TextAlign() const { return textAlign_; }
    void TextAlign(std::int32_t alignment);

    Color TextColor() const;
    void TextColor(Color color);

    // Long text wraps onto further lines; otherwise it stays on one line.
    bool Multiline() const;
    void Multiline(bool value);

    // The user can select the text with the mouse.
    bool Selectable() const;
    void Selectable(bool value);

    // The label paints no background of its own.
    bool Transparent() const;
    void Transparent(bool value);

    QWidget* Widget() const override;

    static const PropertyTable<Label>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    std::unique_ptr<QLabel> label_;
    std::int32_t textAlign_ = 0;
};
