#pragma once

// Builds the Qt menu bar that shows a menu tree. Choosing an entry runs its
// Choose; the edit entries that the program leaves without a handler act on
// the text field that has the focus.

class MenuBar;
class QMenuBar;

QMenuBar* BuildQtMenuBar(MenuBar& bar);
