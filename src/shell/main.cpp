#include "WndMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName("Orlimex");
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *WndMain::WndMain_(); });
    WndMain::WndMain_();
    const int status = QApplication::exec();
    ReleaseWindows();
    return status;
}
