#include "Runtime.h"

#include "ClassRecord.h"
#include "Exceptions.h"
#include "Window.h"

#include <QApplication>

#include <expat.h>

namespace {

std::unique_ptr<QApplication> qtApplication;
std::function<ExceptionHelper> exceptionHelper = _CallFunctionWithExceptionHandling;
std::unique_ptr<Application> applicationObject;
int exitStatus = 0;

template <typename Routine>
const Delegate<Routine>& Checked(const Delegate<Routine>* delegate, std::string_view signature) {
    if (delegate == nullptr) {
        throw NilObjectException("The platform was handed a nil delegate.");
    }
    if (delegate->Signature() != signature) {
        throw RuntimeException("A delegate of signature \"" + delegate->Signature() +
                               "\" was handed where \"" + std::string(signature) +
                               "\" is expected.");
    }
    return *delegate;
}

} // namespace

std::exception_ptr _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument) {
    try {
        routine(argument);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

std::exception_ptr RuntimeCallWithExceptionHelper(void (*routine)(void*), void* argument) {
    return exceptionHelper(routine, argument);
}

void RuntimeInit(int& argc, char** argv) {
    qtApplication = std::make_unique<QApplication>(argc, argv);
    exitStatus = 0;
}

void _RuntimeSetExceptionHelper(const Delegate<ExceptionHelper>* helper) {
    exceptionHelper = Checked(helper, "( Ptr, Ptr ) as Object").Entry();
}

void _RunFrameworkInitialization(const Delegate<void()>* startup) {
    Checked(startup, "(  )").Entry()();
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
