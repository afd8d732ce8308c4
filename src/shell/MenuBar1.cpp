#include "MenuBar1.h"

#include "Exceptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace {

// Held only once the bar is complete: a build that throws leaves it empty, and
// the next request starts again from nothing.
std::shared_ptr<MenuBar1> _implicitInstance;

// Sets an entry up completely before it joins a menu. A separator gets no
// shortcut at all; an empty shortcut text is set as such.
std::unique_ptr<MenuItem> SetUp(std::unique_ptr<MenuItem> item, std::string_view name,
                                std::string_view text, std::optional<std::string_view> shortcut) {
    item->Name(name);
    item->AutoEnable(true);
    item->Text(text);
    if (shortcut.has_value()) {
        item->KeyboardShortcut(*shortcut);
    }
    return item;
}

// The bar's menu of that name, looked up again for every entry.
MenuItem& Menu(const MenuBar& bar, std::string_view name) {
    MenuItem* menu = bar.Child(name);
    if (menu == nullptr) {
        throw NilObjectException("The menu bar has no menu \"" + std::string(name) + "\".");
    }
    return *menu;
}

} // namespace

std::shared_ptr<MenuBar1> MenuBar1::MenuBar1_() {
    if (_implicitInstance == nullptr) {
        auto built = std::make_shared<MenuBar1>();
        _implicitInstance = std::move(built);
    }
    return _implicitInstance;
}

void MenuBar1::ReleaseImplicitInstance() {
    _implicitInstance.reset();
}

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() {
    Append(SetUp(std::make_unique<MenuItem>(), "FileMenu", "&File", ""));
    auto quit = SetUp(std::make_unique<QuitMenuItem>(), "FileQuit", "&Quit", "Cmd+Q");
    Menu(*this, "FileMenu").Append(std::move(quit));
}

void MenuBar1::Untitled1() {
    Append(SetUp(std::make_unique<MenuItem>(), "EditMenu", "&Edit", ""));
    static constexpr struct {
        std::string_view name;
        std::string_view text;
        std::optional<std::string_view> shortcut;
    } entries[] = {
        {"EditUndo", "&Undo", "Cmd+Z"},       {"UntitledMenu1", "-", std::nullopt},
        {"EditCut", "Cu&t", "Cmd+X"},         {"EditCopy", "&Copy", "Cmd+C"},
        {"EditPaste", "&Paste", "Cmd+V"},     {"EditClear", "&Delete", ""},
        {"UntitledMenu0", "-", std::nullopt}, {"EditSelectAll", "Select &All", "Cmd+A"},
    };
    for (const auto& entry : entries) {
        auto item = SetUp(std::make_unique<MenuItem>(), entry.name, entry.text, entry.shortcut);
        Menu(*this, "EditMenu").Append(std::move(item));
    }
}
