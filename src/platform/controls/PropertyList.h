#pragma once

// Design property lists: the byte string from which a window or a control
// takes its design-time properties in one step.
//
// The entries stand back to back, with no count, separator or terminator.
// Each is the property's name in ASCII, one space (0x20) and the value, which
// carries no type tag: the type follows from the name, as the target's class
// declares it.
//   Integer  4 bytes, big-endian two's complement
//   Boolean  1 byte, 0 or 1
//   Text     4-byte big-endian byte count, then that many bytes of UTF-8
//   Colour   3 bytes: red, green, blue
// A value may hold the byte 0x20 (Integer 800 is 00 00 03 20), so a reader
// must know each name's type to find where the next entry starts.

#include "Color.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class Control;
class Window;

enum class PropertyType { Integer, Boolean, Text, Colour };

using PropertyValue = std::variant<std::int32_t, bool, std::string, Color>;

struct PropertyEntry {
    std::string name;
    PropertyValue value;
    friend bool operator==(const PropertyEntry&, const PropertyEntry&) = default;
};

// Writes a list entry by entry, each value in the width of its type.
class PropertyListWriter {
public:
    PropertyListWriter& Integer(std::string_view name, std::int32_t value);
    PropertyListWriter& Boolean(std::string_view name, bool value);
    PropertyListWriter& Text(std::string_view name, std::string_view value);
    PropertyListWriter& Colour(std::string_view name, Color value);

    const std::string& Bytes() const { return bytes_; }

private:
    void Name(std::string_view name);
    void Int32(std::int32_t value);

    std::string bytes_;
};

// The type of a property of the target, or nullopt when it has none of that
// name.
using PropertyTypeOf = std::function<std::optional<PropertyType>(std::string_view name)>;

// Reads every entry of a list. Throws RuntimeException, naming the target,
// for a property the target does not have and for a list that ends inside an
// entry.
std::vector<PropertyEntry> DecodePropertyList(std::string_view list, const PropertyTypeOf& typeOf,
                                              std::string_view target);

// Applies every entry of the list to the window or the control, in list
// order. A list that does not decode changes nothing.
void _SetProperties(Window& window, std::string_view list);
void _SetProperties(Control& control, std::string_view list);
