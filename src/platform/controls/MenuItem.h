#pragma once

// Menus: a tree of named entries. A menu bar's children are its menus, a
// menu's children its items. An entry whose text is "-" is a separator. The
// window that shows a menu bar builds the Qt menus from the tree.

#include "Event.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MenuItem {
public:
    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    void Name(std::string_view name) { name_ = name; }
    // The caption; "&" marks the mnemonic, "-" makes a separator.
    const std::string& Text() const { return text_; }
    void Text(std::string_view text) { text_ = text; }
    // "Cmd+" and a letter, the command modifier being Ctrl here; empty for none.
    const std::string& KeyboardShortcut() const { return shortcut_; }
    void KeyboardShortcut(std::string_view shortcut) { shortcut_ = shortcut; }
    bool AutoEnable() const { return autoEnable_; }
    void AutoEnable(bool value) { autoEnable_ = value; }

    bool IsSeparator() const { return text_ == "-"; }

    // Adds the entry as the last child.
    void Append(std::unique_ptr<MenuItem> item);
    std::int32_t Count() const { return static_cast<std::int32_t>(children_.size()); }
    MenuItem* Item(std::int32_t index) const;
    // The direct child of that name, or nullptr.
    MenuItem* Child(std::string_view name) const;
    // The entry of that name at any depth below this one, or nullptr.
    MenuItem* _Lookup(std::string_view name) const;

    // The user chose the entry. An entry raises Action; a quit entry quits.
    virtual void Choose();

    Event<MenuItem&> Action;

private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnable_ = false;
    std::vector<std::unique_ptr<MenuItem>> children_;
};

// The bar of a window or of the application; its children are the menus.
class MenuBar : public MenuItem {};

// An entry that quits the application when chosen.
class QuitMenuItem : public MenuItem {
public:
    void Choose() override;
};
