#pragma once

// Runs the handler of an event. An exception that escapes the handler is
// reported to the user in a message box that names it and where it happened;
// the program then goes on running.

#include <exception>
#include <functional>
#include <string>
#include <string_view>

void RunEventHandler(std::string_view eventName, const std::function<void()>& handler);

// The text of the report of an exception that nothing handled.
std::string UnhandledExceptionText(std::string_view where, const std::exception_ptr& exception);

// Reports an exception that nothing handled: in a message box, and on the
// standard error stream.
void _UnhandledException(std::string_view where, const std::exception_ptr& exception);
