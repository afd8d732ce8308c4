#pragma once

// A control with a place on its window. Left, Top, Width and Height are
// measured in window coordinates, also for a control on a tab page. An edge
// that is locked keeps its distance to the same edge of the window when the
// window is resized; the window does the placing.

#include "Control.h"
#include "PropertyTable.h"

#include <cstdint>
#include <string>
#include <string_view>

class RectControl : public Control {
public:
    using Control::Control;

    std::int32_t Left() const { return left_; }
    void Left(std::int32_t value);
    std::int32_t Top() const { return top_; }
    void Top(std::int32_t value);
    std::int32_t Width() const { return width_; }
    void Width(std::int32_t value);
    std::int32_t Height() const { return height_; }
    void Height(std::int32_t value);

    bool LockLeft() const { return lockLeft_; }
    void LockLeft(bool value) { lockLeft_ = value; }
    bool LockTop() const { return lockTop_; }
    void LockTop(bool value) { lockTop_ = value; }
    bool LockRight() const { return lockRight_; }
    void LockRight(bool value) { lockRight_ = value; }
    bool LockBottom() const { return lockBottom_; }
    void LockBottom(bool value) { lockBottom_ = value; }

    // The page of the initial parent that holds the control, counted from 1;
    // 0 for a control directly on the window.
    std::int32_t TabPanelIndex() const { return tabPanelIndex_; }
    void TabPanelIndex(std::int32_t page) { tabPanelIndex_ = page; }
    // The tab panel, by name, on whose page the control sits; the empty text
    // puts it directly on the window.
    const std::string& InitialParent() const { return initialParent_; }
    void InitialParent(std::string_view parent);

    // The control's place in the keyboard focus order among the controls of
    // its parent (the window or a tab page), and whether Tab reaches it.
    std::int32_t TabIndex() const { return tabIndex_; }
    void TabIndex(std::int32_t value);
    bool TabStop() const { return tabStop_; }
    void TabStop(bool value);

    bool Enabled() const;
    void Enabled(bool value);
    bool Visible() const { return visible_; }
    void Visible(bool value);

    // The tooltip; empty for none.
    std::string HelpTag() const;
    void HelpTag(std::string_view text);

    // The font: "System" (or empty) is the platform's default font for the
    // control; a size of 0 keeps the default size. TextUnit says what the
    // size counts: 0 (default) and 1 pixels, 2 points, 3 inches, 4
    // millimetres. The default is pixels so that a text laid out for a
    // control's size in pixels fits it whatever the screen's resolution.
    const std::string& TextFont() const { return textFont_; }
    void TextFont(std::string_view name);
    float TextSize() const { return textSize_; }
    void TextSize(float size);
    std::int32_t TextUnit() const { return textUnit_; }
    void TextUnit(std::int32_t unit);
    bool Bold() const { return bold_; }
    void Bold(bool value);
    bool Italic() const { return italic_; }
    void Italic(bool value);
    bool Underline() const { return underline_; }
    void Underline(bool value);

    // Whether the control shows a focus ring where the platform draws one.
    void UseFocusRing(bool value);

    // The window's content size at the moment the bounds were last set; the
    // locked edges keep their distances relative to it.
    std::int32_t ReferenceWidth() const { return referenceWidth_; }
    std::int32_t ReferenceHeight() const { return referenceHeight_; }

    KeptProperties& Kept() { return kept_; }
    const KeptProperties& Kept() const { return kept_; }

    // The design properties of every control: name, index, bounds, anchors,
    // tab page and order, state, tooltip, font and data binding.
    static const PropertyTable<RectControl>& DesignProperties();

private:
    void BoundsChanged();
    void FontChanged();
    void SetName(std::string_view name) { Name(name); }
    void SetIndex(std::int32_t index) { Index(index); }

    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    bool lockLeft_ = false;
    bool lockTop_ = false;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    bool visible_ = true;
    std::int32_t tabPanelIndex_ = 0;
    std::string initialParent_;
    std::int32_t tabIndex_ = 0;
    bool tabStop_ = true;
    std::string textFont_ = "System";
    float textSize_ = 0;
    std::int32_t textUnit_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    std::int32_t referenceWidth_ = 0;
    std::int32_t referenceHeight_ = 0;
    KeptProperties kept_;
};
