#include "ExceptionHelper.h"

#include <functional>

namespace {

std::function<ExceptionHelper> exceptionHelper = _CallFunctionWithExceptionHandling;

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

void _RuntimeSetExceptionHelper(const Delegate<ExceptionHelper>* helper) {
    exceptionHelper = CheckedDelegate(helper, "( Ptr, Ptr ) as Object").Entry();
}
