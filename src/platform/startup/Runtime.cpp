#include "Runtime.h"

#include "ClassRecord.h"
#include "Exceptions.h"
#include "Window.h"

#include <QApplication>

#include <expat.h>

namespace {

std::unique_ptr<QApplication> qtApplication;
std::unique_ptr<Application> applicationObject;
int exitStatus = 0;

} // namespace

void RuntimeInit(int& argc, char** argv) {
    qtApplication = std::make_unique<QApplication>(argc, argv);
    exitStatus = 0;
}

void _RunFrameworkInitialization(const Delegate<void()>* startup) {
    CheckedDelegate(startup, "(  )").Entry()();
}

void _RuntimeInitExternalClasses() {
    QApplication::setQuitOnLastWindowClosed(false);
}

void _InitPluginEntrypoints() {
    XML_Parser probe = XML_ParserCreate(nullptr);
    const bool deferral = probe != nullptr && XML_SetReparseDeferralEnabled(probe, XML_TRUE);
    XML_ParserFree(probe);
    if (!deferral) {
        throw RuntimeException("The expat library of this system parses long texts in quadratic "
                               "time; install its current version.");
    }
}

void _RuntimeRegisterAppObject(std::unique_ptr<Application> application) {
    applicationObject = std::move(application);
}

void _RuntimeRun() {
    exitStatus = QApplication::exec();
}

void RuntimeExitStatus(int status) {
    exitStatus = status;
}

void RuntimeReleaseModuleReferences() {
    ReleaseWindows();
    Classes().Clear();
    applicationObject.reset();
}

int RuntimeExit() {
    qtApplication.reset();
    return exitStatus;
}
