#pragma once

// The platform's start, initialisation, event loop and end. The program hands
// the platform its routines as delegates that carry a signature text; the
// platform checks the text before it keeps or calls the routine.

#include "Application.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

template <typename Routine> class Delegate {
public:
    Delegate(std::function<Routine> entry, std::string signature)
        : entry_(std::move(entry))
        , signature_(std::move(signature)) {}

    // The callable entry of the delegate.
    const std::function<Routine>& Entry() const { return entry_; }
    const std::string& Signature() const { return signature_; }

private:
    std::function<Routine> entry_;
    std::string signature_;
};

template <typename Routine>
std::unique_ptr<Delegate<Routine>> RuntimeCreateDelegate(std::function<Routine> routine,
                                                         std::string signature) {
    return std::make_unique<Delegate<Routine>>(std::move(routine), std::move(signature));
}

// Calls the routine with the argument and returns what it raised, or nothing.
using ExceptionHelper = std::exception_ptr(void (*)(void*), void*);
std::exception_ptr _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument);

// Calls the routine through the exception helper the program handed over (at
// first the platform's own).
std::exception_ptr RuntimeCallWithExceptionHelper(void (*routine)(void*), void* argument);

// Starts the platform: the Qt application object, with the process arguments.
void RuntimeInit(int& argc, char** argv);

// Keeps the routine through which the platform calls event handlers; its
// signature text must be "( Ptr, Ptr ) as Object".
void _RuntimeSetExceptionHelper(const Delegate<ExceptionHelper>* helper);

// Completes the platform's initialisation and runs the program's start-up
// routine, whose signature text must be "(  )", once.
void _RunFrameworkInitialization(const Delegate<void()>* startup);

// Prepares the platform's classes on the Qt side: windows close without
// ending the application, which quits only when asked to.
void _RuntimeInitExternalClasses();

// Binds the XML reader to the expat library the process loaded, and refuses
// one that would parse long tokens in quadratic time.
void _InitPluginEntrypoints();

// Makes the object the application object, which the platform then holds.
void _RuntimeRegisterAppObject(std::unique_ptr<Application> application);

// Runs the event loop until the application quits.
void _RuntimeRun();

// The exit status RuntimeExit will return; the event loop sets it when it
// ends, and a failure of the program may set it to non-zero.
void RuntimeExitStatus(int status);

// Releases what the platform holds at module level: its windows, the single
// instances it keeps, its class records and the application object.
void RuntimeReleaseModuleReferences();

// Ends the platform and returns the process's exit status.
int RuntimeExit();
