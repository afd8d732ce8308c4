#pragma once

// A delegate on a method of an object that it does not keep alive: calling it
// after the object is gone raises NilObjectException and runs no method.

#include "Exceptions.h"

#include <functional>
#include <memory>

template <typename Target, typename... Arguments>
std::function<void(Arguments...)> WeakDelegate(const std::shared_ptr<Target>& target,
                                               void (Target::*method)(Arguments...)) {
    return [weakTarget = std::weak_ptr<Target>(target), method](Arguments... arguments) {
        const std::shared_ptr<Target> alive = weakTarget.lock();
        if (!alive) {
            throw NilObjectException("The delegate's object no longer exists.");
        }
        ((*alive).*method)(arguments...);
    };
}
