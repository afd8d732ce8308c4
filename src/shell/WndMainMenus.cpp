// The main window's accessors of its menu entries: each finds its entry by
// name, afresh on every call, in the menu bar that the window shows.

#include "Exceptions.h"
#include "MenuItem.h"
#include "RuntimeCheckCast.h"
#include "WndMain.h"

#include <string_view>

namespace {

// The entry of that name at any depth of the window's bar, cast to Entry; a
// name that is not there gives nullptr, which is passed on untested.
template <typename Entry = MenuItem> Entry* MenuEntry(const Window& window, std::string_view name) {
    MenuBar* bar = window.MenuBar();
    if (bar == nullptr) {
        throw NilObjectException("The window has no menu bar.");
    }
    return RuntimeCheckCast<Entry>(bar->_Lookup(name));
}

} // namespace

MenuItem* WndMain::EditMenu() const {
    return MenuEntry(*this, "EditMenu");
}

MenuItem* WndMain::EditSelectAll() const {
    return MenuEntry(*this, "EditSelectAll");
}

MenuItem* WndMain::UntitledMenu0() const {
    return MenuEntry(*this, "UntitledMenu0");
}

MenuItem* WndMain::EditClear() const {
    return MenuEntry(*this, "EditClear");
}

MenuItem* WndMain::EditPaste() const {
    return MenuEntry(*this, "EditPaste");
}

MenuItem* WndMain::EditCopy() const {
    return MenuEntry(*this, "EditCopy");
}

MenuItem* WndMain::EditCut() const {
    return MenuEntry(*this, "EditCut");
}

MenuItem* WndMain::UntitledMenu1() const {
    return MenuEntry(*this, "UntitledMenu1");
}

MenuItem* WndMain::EditUndo() const {
    return MenuEntry(*this, "EditUndo");
}

MenuItem* WndMain::FileMenu() const {
    return MenuEntry(*this, "FileMenu");
}

QuitMenuItem* WndMain::FileQuit() const {
    return MenuEntry<QuitMenuItem>(*this, "FileQuit");
}
