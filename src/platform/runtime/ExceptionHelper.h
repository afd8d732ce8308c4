#pragma once

// The routine through which the platform calls the program's event handlers:
// it calls a handler and hands back what the handler raised.

#include "Delegate.h"

#include <exception>

// Calls the routine with the argument and returns what it raised, or nothing.
using ExceptionHelper = std::exception_ptr(void (*)(void*), void*);
std::exception_ptr _CallFunctionWithExceptionHandling(void (*routine)(void*), void* argument);

// Calls the routine through the exception helper the program handed over (at
// first the platform's own).
std::exception_ptr RuntimeCallWithExceptionHelper(void (*routine)(void*), void* argument);

// Keeps the routine through which the platform calls event handlers; its
// signature text must be "( Ptr, Ptr ) as Object".
void _RuntimeSetExceptionHelper(const Delegate<ExceptionHelper>* helper);
