#pragma once

// A fresh main window for each test, with its dialogs scripted.

#include "Dialogs.h"
#include "WndMain.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class PushButton;

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::filesystem::path Data(const std::string& name);

    // Chooses the file in the next file dialog and presses the button;
    // returns the messages it showed.
    std::vector<std::string> Press(PushButton* button, const std::filesystem::path& file);

    // Presses "Import GPX" with the file in the mode 0 (Replace), 1 (Add) or
    // 2 (Subtract).
    std::vector<std::string> Import(const std::filesystem::path& file, int mode = 1);

    // The first column of every row.
    std::vector<std::string> ListedCodes() const;

    // Every cell and tag of every row, to compare a list before and after.
    std::vector<std::string> ListSnapshot() const;

    DialogScript dialogs;
    std::shared_ptr<WndMain> window;
};
