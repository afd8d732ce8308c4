#pragma once

// The check of one press of the main window's Import button against the
// document it imported, read without the window.

#include "FuzzSupport.h"

#include <string>
#include <vector>

class ListRows;

// In the order of the window's radio buttons RbtImport(0..2).
enum class ImportMode { Replace, Add, Subtract };

// Checks the list the press left and the messages it showed; returns the
// rows the list holds. before is the list before the press, document the
// file's content as Read gives it, and file the path the open dialog
// answered.
Rows CheckImport(const ListRows& list, const Rows& before, const ReadRows& document,
                 ImportMode mode, const std::string& file, const std::vector<std::string>& shown);
