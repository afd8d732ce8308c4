#pragma once

// The platform's class-testing cast.

#include "Exceptions.h"
#include "TypeName.h"

#include <memory>
#include <typeinfo>

// The object as an instance of Target; throws IllegalCastException when it is
// of another class. A nil object stays nil.
template <typename Target, typename Source> Target* RuntimeCheckCast(Source* object) {
    if (object == nullptr) {
        return nullptr;
    }
    // An object of exactly the class needs no search of the class tree.
    if (typeid(*object) == typeid(Target)) {
        return static_cast<Target*>(object);
    }
    auto* result = dynamic_cast<Target*>(object);
    if (result == nullptr) {
        throw IllegalCastException("An object of class " + TypeName(typeid(*object)) +
                                   " is not a " + TypeName(typeid(Target)) + ".");
    }
    return result;
}

template <typename Target, typename Source>
std::shared_ptr<Target> RuntimeCheckCast(const std::shared_ptr<Source>& object) {
    return std::shared_ptr<Target>(object, RuntimeCheckCast<Target>(object.get()));
}
