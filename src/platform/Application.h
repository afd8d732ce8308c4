#pragma once

#include <cstdint>

// Asks the application to quit; the event loop then returns the exit code.
void Quit(std::int32_t code);
