#pragma once

// A one-line text field.

#include "Color.h"
#include "RectControl.h"

#include <memory>

class FieldEdit;

class TextField : public RectControl {
public:
    explicit TextField(Window* window);
    ~TextField() override;

    std::string Text() const;
    void Text(std::string_view text);

    // The hint shown while the field is empty.
    std::string CueText() const;
    void CueText(std::string_view text);

    bool Password() const;
    void Password(bool value);
    bool ReadOnly() const;
    void ReadOnly(bool value);
    bool Border() const;
    void Border(bool value);

    // The most characters the field takes; 0 for no limit.
    std::int32_t LimitText() const { return limitText_; }
    void LimitText(std::int32_t count);

    // 0 (default) and 1 left, 2 centre, 3 right.
    std::int32_t Alignment() const { return alignment_; }
    void Alignment(std::int32_t alignment);

    // The input mask, in Qt's input mask syntax; empty for none.
    std::string Mask() const;
    void Mask(std::string_view mask);

    // Tab types a TAB character into the field instead of moving the focus.
    bool AcceptTabs() const;
    void AcceptTabs(bool value);

    Color TextColor() const;
    void TextColor(Color color);
    Color BackColor() const;
    void BackColor(Color color);

    QWidget* Widget() const override;

    // The control's properties with the field's own; Format (no number
    // formatting here) and AutomaticallyCheckSpelling (no spell checker
    // here) are only kept.
    static const PropertyTable<TextField>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    std::unique_ptr<FieldEdit> field_;
    std::int32_t limitText_ = 0;
    std::int32_t alignment_ = 0;
};
