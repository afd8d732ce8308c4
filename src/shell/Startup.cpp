#include "Startup.h"

#include "App.h"
#include "CacheReceiver.h"
#include "ClassDescriptions.h"
#include "EventDispatch.h"
#include "ExceptionHelper.h"
#include "Exceptions.h"
#include "MenuBar1.h"
#include "Runtime.h"
#include "WndMain.h"

namespace {

// The program declares no file types.
void _InitFileTypes() {}

// The application registers no menu handlers.
void _ApplicationAddMenuHandlers() {}

void _NewAppInstance() {
    auto application = std::make_unique<App>();
    application->MenuBar(MenuBar1::MenuBar1_().get());
    _RuntimeRegisterAppObject(std::move(application));
}

void _MakeDefaultView() {
    // The reader hands each waypoint to the main window through its
    // single-instance accessor.
    CacheReceiver::InstallAccessor([]() -> CacheReceiver& { return *WndMain::WndMain_(); });
    WndMain::WndMain_();
}

// Program initialisation: the class records, the platform's first.
void ProgramInitialize() {
    RegisterProgramClasses();
}

// Program finalisation: the platform's module-level references, then last the
// menu bar's single instance, which the window and the application showed.
void ProgramFinalize() {
    RuntimeReleaseModuleReferences();
    CacheReceiver::InstallAccessor(nullptr);
    MenuBar1::ReleaseImplicitInstance();
}

} // namespace

void _Startup() {
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _Main() {
    try {
        {
            const auto helper = RuntimeCreateDelegate<ExceptionHelper>(
                _CallFunctionWithExceptionHandling, "( Ptr, Ptr ) as Object");
            _RuntimeSetExceptionHelper(helper.get());
        }
        {
            const auto startup = RuntimeCreateDelegate<void()>(_Startup, "(  )");
            _RunFrameworkInitialization(startup.get());
        }
        _RuntimeRun();
    } catch (...) {
        _UnhandledException("the program's start or event loop", std::current_exception());
        RuntimeExitStatus(1);
    }
}

int ProgramEntry(int argc, char** argv) {
    RuntimeInit(argc, argv);
    ProgramInitialize();
    _Main();
    ProgramFinalize();
    return RuntimeExit();
}
