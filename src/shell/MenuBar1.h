#pragma once

// The program's one menu bar: File with the quit entry, Edit with undo, cut,
// copy, paste, delete and select all. Built on the first request, it is shared
// by the application and the main window and lives until the program ends.
// Entries are found by name; the program attaches no handler to any of them.

#include "MenuItem.h"

#include <memory>

class MenuBar1 : public MenuBar {
public:
    // The single instance, built on the first call.
    static std::shared_ptr<MenuBar1> MenuBar1_();
    // Drops the single instance at program end; a later call of MenuBar1_
    // builds a new one.
    static void ReleaseImplicitInstance();

    // Builds the File menu, then the Edit menu.
    MenuBar1();

    void Untitled0();
    void Untitled1();
};
