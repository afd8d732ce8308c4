#include "EventDispatch.h"

#include "Dialogs.h"
#include "Exceptions.h"
#include "TypeName.h"

#include <typeinfo>

std::string UnhandledExceptionText(std::string_view where, const std::exception& exception) {
    const auto* platformException = dynamic_cast<const RuntimeException*>(&exception);
    const std::string className =
        platformException != nullptr ? platformException->ClassName() : TypeName(typeid(exception));
    return "An exception of class " + className + " was not handled in " + std::string(where) +
           ".\n" + exception.what();
}

void _UnhandledException(std::string_view where, const std::exception& exception) {
    MsgBox(UnhandledExceptionText(where, exception));
}

void RunEventHandler(std::string_view eventName, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& exception) {
        _UnhandledException(eventName, exception);
    }
}
