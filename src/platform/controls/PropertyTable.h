#pragma once

// The design properties that a class takes: for each name, the type of its
// value in a design property list and how the value is set on an object of
// the class. A class's table starts with its base class's properties.

#include "Exceptions.h"
#include "PropertyList.h"
#include "TypeName.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>

// Values of design properties that show nothing on this platform, kept so
// that they can be read back.
class KeptProperties {
public:
    void Keep(std::string_view name, PropertyValue value) {
        values_.insert_or_assign(std::string(name), std::move(value));
    }
    // The value kept under the name, or nullptr when none is.
    const PropertyValue* Find(std::string_view name) const {
        const auto found = values_.find(name);
        return found == values_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, PropertyValue, std::less<>> values_;
};

template <typename Target> class PropertyTable {
public:
    PropertyTable() = default;

    template <typename Base> explicit PropertyTable(const PropertyTable<Base>& base) {
        for (const auto& [name, property] : base.properties_) {
            properties_.emplace(
                name, Property{property.type, [apply = property.apply](Target& target,
                                                                       const PropertyValue& value) {
                                   apply(target, value);
                               }});
        }
    }

    PropertyTable& Integer(std::string_view name, void (Target::*set)(std::int32_t)) {
        return Add(name, PropertyType::Integer, [set](Target& target, const PropertyValue& value) {
            (target.*set)(std::get<std::int32_t>(value));
        });
    }
    PropertyTable& Boolean(std::string_view name, void (Target::*set)(bool)) {
        return Add(name, PropertyType::Boolean, [set](Target& target, const PropertyValue& value) {
            (target.*set)(std::get<bool>(value));
        });
    }
    PropertyTable& Text(std::string_view name, void (Target::*set)(std::string_view)) {
        return Add(name, PropertyType::Text, [set](Target& target, const PropertyValue& value) {
            (target.*set)(std::get<std::string>(value));
        });
    }
    PropertyTable& Colour(std::string_view name, void (Target::*set)(Color)) {
        return Add(name, PropertyType::Colour, [set](Target& target, const PropertyValue& value) {
            (target.*set)(std::get<Color>(value));
        });
    }
    // A property that is only kept (Target::Kept()), to be read back.
    PropertyTable& Kept(std::string_view name, PropertyType type) {
        return Add(name, type,
                   [name = std::string(name)](Target& target, const PropertyValue& value) {
                       target.Kept().Keep(name, value);
                   });
    }

    std::optional<PropertyType> TypeOf(std::string_view name) const {
        const auto found = properties_.find(name);
        return found == properties_.end() ? std::nullopt : std::optional(found->second.type);
    }

    // Decodes the whole list first, so that a list that does not decode
    // changes nothing, then sets each entry in list order.
    void Apply(Target& target, std::string_view list) const {
        const std::vector<PropertyEntry> entries = DecodePropertyList(
            list, [this](std::string_view name) { return TypeOf(name); }, TypeName(typeid(target)));
        for (const PropertyEntry& entry : entries) {
            properties_.find(entry.name)->second.apply(target, entry.value);
        }
    }

private:
    template <typename> friend class PropertyTable;

    struct Property {
        PropertyType type;
        std::function<void(Target&, const PropertyValue&)> apply;
    };

    PropertyTable& Add(std::string_view name, PropertyType type,
                       std::function<void(Target&, const PropertyValue&)> apply) {
        properties_.insert_or_assign(std::string(name), Property{type, std::move(apply)});
        return *this;
    }

    std::map<std::string, Property, std::less<>> properties_;
};
