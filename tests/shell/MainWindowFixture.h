#pragma once

// A fresh main window for each test, with its dialogs scripted.

#include "Dialogs.h"
#include "WndMain.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::filesystem::path Data(const std::string& name);

    // Chooses the file in the open dialog and presses "Import GPX" in the mode
    // 0 (Replace), 1 (Add) or 2 (Subtract); returns the messages it showed.
    std::vector<std::string> Import(const std::filesystem::path& file, int mode = 1);

    // The first column of every row.
    std::vector<std::string> ListedCodes() const;

    DialogScript dialogs;
    std::shared_ptr<WndMain> window;
};
