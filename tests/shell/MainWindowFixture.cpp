#include "MainWindowFixture.h"

#include "CacheColumns.h"
#include "Listbox.h"
#include "PressWithFile.h"
#include "RadioButton.h"

void MainWindowFixture::SetUp() {
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *WndMain::WndMain_(); });
    window = WndMain::WndMain_();
}

void MainWindowFixture::TearDown() {
    window.reset();
    ReleaseWindows();
    CacheReceiver::InstallAccessor(nullptr);
}

std::filesystem::path MainWindowFixture::Data(const std::string& name) {
    return std::filesystem::path(ORLIMEX_TEST_DATA) / name;
}

std::vector<std::string> MainWindowFixture::Press(PushButton* button,
                                                  const std::filesystem::path& file) {
    return PressWithFile(dialogs, *button, file);
}

std::vector<std::string> MainWindowFixture::Import(const std::filesystem::path& file, int mode) {
    window->RbtImport(mode)->Value(true);
    return Press(window->BtnImport(), file);
}

std::vector<std::string> MainWindowFixture::ListedCodes() const {
    std::vector<std::string> codes;
    const Listbox& list = *window->LbxCaches();
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        codes.push_back(list.Cell(row, 0));
    }
    return codes;
}

std::vector<std::string> MainWindowFixture::ListSnapshot() const {
    std::vector<std::string> all;
    const Listbox& list = *window->LbxCaches();
    for (std::int32_t row = 0; row < list.ListCount(); ++row) {
        for (std::int32_t column = 0; column < CacheColumn::Count; ++column) {
            all.push_back(list.Cell(row, column));
            all.push_back(list.CellTag(row, column));
        }
    }
    return all;
}
