#include "Exceptions.h"
#include "MainWindowFixture.h"
#include "MenuBar1.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace {

// Each entry as "name text shortcut", AutoEnable checked on the way.
std::vector<std::string> Entries(const MenuItem& menu) {
    std::vector<std::string> entries;
    for (std::int32_t index = 0; index < menu.Count(); ++index) {
        const MenuItem& item = *menu.Item(index);
        EXPECT_TRUE(item.AutoEnable()) << item.Name();
        entries.push_back(item.Name() + " " + item.Text() + " " + item.KeyboardShortcut());
    }
    return entries;
}

// The action of the window's Qt menus that shows that text.
QAction* ShownAction(const WndMain& window, const QString& text) {
    for (QAction* action : window.Widget()->findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

TEST(MenuBar1Test, BuildsFileThenEditWithEveryEntryInPlace) {
    using Listed = std::vector<std::string>;
    const std::shared_ptr<MenuBar1> bar = MenuBar1::MenuBar1_();
    EXPECT_EQ(Entries(*bar), (Listed{"FileMenu &File ", "EditMenu &Edit "}));
    EXPECT_EQ(Entries(*bar->Item(0)), (Listed{"FileQuit &Quit Cmd+Q"}));
    EXPECT_EQ(Entries(*bar->Item(1)),
              (Listed{"EditUndo &Undo Cmd+Z", "UntitledMenu1 - ", "EditCut Cu&t Cmd+X",
                      "EditCopy &Copy Cmd+C", "EditPaste &Paste Cmd+V", "EditClear &Delete ",
                      "UntitledMenu0 - ", "EditSelectAll Select &All Cmd+A"}));
}

TEST(MenuBar1Test, IsBuiltOnceUntilReleased) {
    const std::shared_ptr<MenuBar1> first = MenuBar1::MenuBar1_();
    EXPECT_EQ(MenuBar1::MenuBar1_(), first);

    MenuBar1::ReleaseImplicitInstance();
    const std::shared_ptr<MenuBar1> next = MenuBar1::MenuBar1_();
    EXPECT_NE(next, first);
    EXPECT_EQ(next->Item(1)->Count(), 8);
}

using MenuAccessorTest = MainWindowFixture;

TEST_F(MenuAccessorTest, WindowShowsTheSingleBarAndFindsEachEntryByName) {
    const std::shared_ptr<MenuBar1> bar = MenuBar1::MenuBar1_();
    ASSERT_EQ(window->MenuBar(), bar.get());
    const MenuItem& file = *bar->Item(0);
    const MenuItem& edit = *bar->Item(1);

    EXPECT_EQ(window->FileMenu(), &file);
    EXPECT_EQ(window->FileQuit(), file.Item(0));
    EXPECT_EQ(window->EditMenu(), &edit);
    EXPECT_EQ(window->EditClear()->Text(), "&Delete");
    EXPECT_EQ(window->UntitledMenu1(), edit.Item(1));
    EXPECT_EQ(window->UntitledMenu0(), edit.Item(6));
    EXPECT_EQ(window->EditSelectAll(), edit.Item(7));
}

TEST_F(MenuAccessorTest, EveryAccessorFailsOnAWindowWithoutBar) {
    window->MenuBar(nullptr);
    for (const auto accessor :
         {&WndMain::EditMenu, &WndMain::EditSelectAll, &WndMain::UntitledMenu0, &WndMain::EditClear,
          &WndMain::EditPaste, &WndMain::EditCopy, &WndMain::EditCut, &WndMain::UntitledMenu1,
          &WndMain::EditUndo, &WndMain::FileMenu}) {
        EXPECT_THROW((window.get()->*accessor)(), NilObjectException);
    }
    EXPECT_THROW(window->FileQuit(), NilObjectException);
}

TEST_F(MenuAccessorTest, ChoosingQuitEndsTheEventLoopWithZero) {
    QAction* quit = ShownAction(*window, "&Quit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QTimer::singleShot(0, quit, &QAction::trigger);
    // Ends the loop with another code should the quit entry fail to.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    fallback.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(MenuAccessorTest, EditEntriesActOnTheFocusedTextField) {
    QLineEdit field;
    field.setText(QStringLiteral("GC1A2B3"));
    field.show();
    field.activateWindow();
    field.setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), &field);

    ShownAction(*window, "Select &All")->trigger();
    ShownAction(*window, "Cu&t")->trigger();
    EXPECT_EQ(field.text(), QString());
    ShownAction(*window, "&Paste")->trigger();
    ShownAction(*window, "&Paste")->trigger();
    EXPECT_EQ(field.text(), QStringLiteral("GC1A2B3GC1A2B3"));
}
