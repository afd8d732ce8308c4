#pragma once

// The control array of the main window's import-mode radio buttons, class
// "WndMain.RbtImport". Its members share the name "RbtImport" and differ by
// their index: 0 "Replace", 1 "Add", 2 "Subtract".

#include "RadioButton.h"

#include <cstdint>
#include <string_view>

class WndMainRbtImport : public RadioButton {
public:
    static constexpr std::string_view ClassName = "WndMain.RbtImport";

    // A further member made at run time: it takes member 0's design
    // properties and registers itself in its window under "RbtImport" with
    // index 0. Throws NilObjectException when made without a window.
    explicit WndMainRbtImport(Window* window);

    // The member with that index; the window registers it.
    WndMainRbtImport(Window* window, std::int32_t index);
};
