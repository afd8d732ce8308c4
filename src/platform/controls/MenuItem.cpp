#include "MenuItem.h"

#include "Application.h"
#include "Exceptions.h"
#include "Text.h"

MenuItem::~MenuItem() = default;

void MenuItem::Append(std::unique_ptr<MenuItem> item) {
    if (item == nullptr) {
        throw NilObjectException("A nil entry cannot join a menu.");
    }
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Item(std::int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw OutOfBoundsException("The menu has no entry " + std::to_string(index) + ".");
    }
    return children_[static_cast<std::size_t>(index)].get();
}

MenuItem* MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (TextEqual(child->Name(), name)) {
            return child.get();
        }
    }
    return nullptr;
}

MenuItem* MenuItem::_Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (TextEqual(child->Name(), name)) {
            return child.get();
        }
        if (MenuItem* found = child->_Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

void MenuItem::Choose() {
    Action.Raise(*this);
}

void QuitMenuItem::Choose() {
    Quit(0);
}
