#pragma once

// The platform's start, initialisation, event loop and end.

#include "Application.h"
#include "Delegate.h"

#include <memory>

// Starts the platform: the Qt application object, with the process arguments.
void RuntimeInit(int& argc, char** argv);

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
