// The whole program, from the process entry to its exit status, runs in a
// child process for each test. What a user would do to it is done by routines
// that Qt runs when the program creates its application object.

#include "Startup.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace {

QMainWindow* MainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<QMainWindow*>(widget); window && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// Dismisses every message box, as a user would.
void DismissMessageBoxes() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->accept();
        }
    });
    timer->start(10);
}

[[noreturn]] void RunProgram(void (*whenStarted)()) {
    qAddPreRoutine(DismissMessageBoxes);
    static void (*action)() = whenStarted;
    qAddPreRoutine([] { QTimer::singleShot(0, action); });
    char name[] = "orlimex";
    char* arguments[] = {name, nullptr};
    std::exit(ProgramEntry(1, arguments));
}

} // namespace

TEST(Startup, ShowsOneMainWindowAndEndsWithStatusZeroWhenItIsClosed) {
    EXPECT_EXIT(RunProgram([] {
                    QMainWindow* window = MainWindow();
                    if (window == nullptr || window->windowTitle() != "Orlimex 0.3a1") {
                        std::exit(3);
                    }
                    window->close();
                }),
                testing::ExitedWithCode(0), "");
}

TEST(Startup, TheQuitItemEndsTheProcessWithStatusZero) {
    EXPECT_EXIT(RunProgram([] {
                    for (QAction* action : MainWindow()->menuBar()->findChildren<QAction*>()) {
                        if (action->text() == "&Quit") {
                            action->trigger();
                            return;
                        }
                    }
                    std::exit(3);
                }),
                testing::ExitedWithCode(0), "");
}

TEST(Startup, AnExceptionOutOfTheEventLoopIsReportedAndEndsWithAFailure) {
    EXPECT_EXIT(
        RunProgram([] { throw std::runtime_error("lost in the loop"); }),
        testing::ExitedWithCode(1),
        "An exception of class std::runtime_error was not handled in the program's start or "
        "event loop.\nlost in the loop");
}
