#pragma once

// A popup menu: a list of items of which one is selected.

#include "RectControl.h"

#include <memory>

class QComboBox;

class PopupMenu : public RectControl {
public:
    explicit PopupMenu(Window* window);
    ~PopupMenu() override;

    // The items, each followed by a CR (or separated by CR or TAB).
    void InitialValue(std::string_view items);
    std::int32_t ListCount() const;
    std::string List(std::int32_t index) const;

    // The index of the selected item; -1 when none is.
    std::int32_t ListIndex() const;
    void ListIndex(std::int32_t index);

    QWidget* Widget() const override;

    static const PropertyTable<PopupMenu>& DesignProperties();
    void ApplyDesignProperties(std::string_view list) override;

private:
    std::unique_ptr<QComboBox> menu_;
};
