#include "PopupMenu.h"

#include "Exceptions.h"
#include "ItemList.h"
#include "QtText.h"

#include <QComboBox>

PopupMenu::PopupMenu(Window* window)
    : RectControl(window)
    , menu_(std::make_unique<QComboBox>()) {}

PopupMenu::~PopupMenu() = default;

void PopupMenu::InitialValue(std::string_view items) {
    menu_->clear();
    for (std::string_view item : SplitItems(items, "\r\t")) {
        menu_->addItem(ToQString(item));
    }
}

std::int32_t PopupMenu::ListCount() const {
    return menu_->count();
}

std::string PopupMenu::List(std::int32_t index) const {
    if (index < 0 || index >= menu_->count()) {
        throw OutOfBoundsException("The popup menu has no item " + std::to_string(index) + ".");
    }
    return FromQString(menu_->itemText(index));
}

std::int32_t PopupMenu::ListIndex() const {
    return menu_->currentIndex();
}

void PopupMenu::ListIndex(std::int32_t index) {
    if (index < -1 || index >= menu_->count()) {
        throw OutOfBoundsException("The popup menu has no item " + std::to_string(index) + ".");
    }
    menu_->setCurrentIndex(index);
}

QWidget* PopupMenu::Widget() const {
    return menu_.get();
}

const PropertyTable<PopupMenu>& PopupMenu::DesignProperties() {
    static const PropertyTable<PopupMenu> table =
        PropertyTable<PopupMenu>(RectControl::DesignProperties())
            .Text("InitialValue", &PopupMenu::InitialValue)
            .Integer("ListIndex", &PopupMenu::ListIndex);
    return table;
}

void PopupMenu::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
}
