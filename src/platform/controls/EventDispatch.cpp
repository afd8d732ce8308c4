#include "EventDispatch.h"

#include "Dialogs.h"
#include "ExceptionHelper.h"
#include "Exceptions.h"
#include "TypeName.h"

#include <iostream>
#include <typeinfo>

std::string UnhandledExceptionText(std::string_view where, const std::exception_ptr& exception) {
    std::string className = "of unknown class";
    std::string message;
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& failure) {
        className = std::string("of class ") + failure.ClassName();
        message = failure.what();
    } catch (const std::exception& failure) {
        className = "of class " + TypeName(typeid(failure));
        message = failure.what();
    } catch (...) {
    }
    return "An exception " + className + " was not handled in " + std::string(where) + ".\n" +
           message;
}

void _UnhandledException(std::string_view where, const std::exception_ptr& exception) {
    const std::string text = UnhandledExceptionText(where, exception);
    std::cerr << text << std::endl;
    MsgBox(text);
}

void RunEventHandler(std::string_view eventName, const std::function<void()>& handler) {
    const auto call = [](void* argument) {
        (*static_cast<const std::function<void()>*>(argument))();
    };
    const std::exception_ptr failure =
        RuntimeCallWithExceptionHelper(call, const_cast<std::function<void()>*>(&handler));
    if (failure) {
        _UnhandledException(eventName, failure);
    }
}
