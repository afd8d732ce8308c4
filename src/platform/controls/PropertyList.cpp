#include "PropertyList.h"

#include "Control.h"
#include "Exceptions.h"
#include "Window.h"

namespace {

class Reader {
public:
    Reader(std::string_view list, std::string_view target)
        : list_(list)
        , target_(target) {}

    bool AtEnd() const { return position_ == list_.size(); }

    std::string_view Name() {
        const std::size_t space = list_.find(' ', position_);
        if (space == std::string_view::npos) {
            throw RuntimeException("The design property list of " + std::string(target_) +
                                   " ends inside a property name.");
        }
        const std::string_view name = list_.substr(position_, space - position_);
        position_ = space + 1;
        return name;
    }

    PropertyValue Value(std::string_view name, PropertyType type) {
        switch (type) {
        case PropertyType::Integer:
            return Int32(name);
        case PropertyType::Boolean:
            return Bytes(name, 1)[0] != 0;
        case PropertyType::Text: {
            const auto length = static_cast<std::uint32_t>(Int32(name));
            return std::string(Bytes(name, length));
        }
        case PropertyType::Colour: {
            const std::string_view rgb = Bytes(name, 3);
            return Color{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                         static_cast<std::uint8_t>(rgb[2])};
        }
        }
        throw RuntimeException("Unknown property type.");
    }

private:
    std::int32_t Int32(std::string_view name) {
        std::uint32_t value = 0;
        for (const char byte : Bytes(name, 4)) {
            value = value << 8 | static_cast<unsigned char>(byte);
        }
        return static_cast<std::int32_t>(value);
    }

    std::string_view Bytes(std::string_view name, std::size_t count) {
        if (list_.size() - position_ < count) {
            throw RuntimeException("The design property list of " + std::string(target_) +
                                   " ends inside the value of " + std::string(name) + ".");
        }
        const std::string_view bytes = list_.substr(position_, count);
        position_ += count;
        return bytes;
    }

    std::string_view list_;
    std::string_view target_;
    std::size_t position_ = 0;
};

} // namespace

void PropertyListWriter::Name(std::string_view name) {
    bytes_ += name;
    bytes_ += ' ';
}

void PropertyListWriter::Int32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes_ += static_cast<char>(bits >> shift & 0xFF);
    }
}

PropertyListWriter& PropertyListWriter::Integer(std::string_view name, std::int32_t value) {
    Name(name);
    Int32(value);
    return *this;
}

PropertyListWriter& PropertyListWriter::Boolean(std::string_view name, bool value) {
    Name(name);
    bytes_ += static_cast<char>(value ? 1 : 0);
    return *this;
}

PropertyListWriter& PropertyListWriter::Text(std::string_view name, std::string_view value) {
    Name(name);
    Int32(static_cast<std::int32_t>(value.size()));
    bytes_ += value;
    return *this;
}

PropertyListWriter& PropertyListWriter::Colour(std::string_view name, Color value) {
    Name(name);
    bytes_ += static_cast<char>(value.red);
    bytes_ += static_cast<char>(value.green);
    bytes_ += static_cast<char>(value.blue);
    return *this;
}

std::vector<PropertyEntry> DecodePropertyList(std::string_view list, const PropertyTypeOf& typeOf,
                                              std::string_view target) {
    std::vector<PropertyEntry> entries;
    Reader reader(list, target);
    while (!reader.AtEnd()) {
        const std::string_view name = reader.Name();
        const std::optional<PropertyType> type = typeOf(name);
        if (!type) {
            throw RuntimeException(std::string(target) + " has no design property named \"" +
                                   std::string(name) + "\".");
        }
        PropertyValue value = reader.Value(name, *type);
        entries.push_back({std::string(name), std::move(value)});
    }
    return entries;
}

void _SetProperties(Window& window, std::string_view list) {
    Window::DesignProperties().Apply(window, list);
}

void _SetProperties(Control& control, std::string_view list) {
    control.ApplyDesignProperties(list);
}
