#pragma once

#include <string>
#include <typeinfo>

// The readable name of a C++ type, for messages.
std::string TypeName(const std::type_info& type);
