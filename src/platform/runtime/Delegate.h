#pragma once

// The program hands the platform its routines as delegates that carry a
// signature text; the platform checks the text before it keeps or calls the
// routine.

#include "Exceptions.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

template <typename Routine> class Delegate {
public:
    Delegate(std::function<Routine> entry, std::string signature)
        : entry_(std::move(entry))
        , signature_(std::move(signature)) {}

    // The callable entry of the delegate.
    const std::function<Routine>& Entry() const { return entry_; }
    const std::string& Signature() const { return signature_; }

private:
    std::function<Routine> entry_;
    std::string signature_;
};

template <typename Routine>
std::unique_ptr<Delegate<Routine>> RuntimeCreateDelegate(std::function<Routine> routine,
                                                         std::string signature) {
    return std::make_unique<Delegate<Routine>>(std::move(routine), std::move(signature));
}

// The delegate, once it is known to exist and to carry the signature the
// platform expects; NilObjectException or RuntimeException otherwise.
template <typename Routine>
const Delegate<Routine>& CheckedDelegate(const Delegate<Routine>* delegate,
                                         std::string_view signature) {
    if (delegate == nullptr) {
        throw NilObjectException("The platform was handed a nil delegate.");
    }
    if (delegate->Signature() != signature) {
        throw RuntimeException("A delegate of signature \"" + delegate->Signature() +
                               "\" was handed where \"" + std::string(signature) +
                               "\" is expected.");
    }
    return *delegate;
}
