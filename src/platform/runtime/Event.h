#pragma once

// An event of a platform object: handlers are attached to it and run, in the
// order attached, each time the object raises it.

#include <functional>
#include <utility>
#include <vector>

template <typename... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    void Attach(Handler handler) { handlers_.push_back(std::move(handler)); }
    bool IsAttached() const { return !handlers_.empty(); }

    void Raise(Args... args) const {
        for (const Handler& handler : handlers_) {
            handler(args...);
        }
    }

private:
    std::vector<Handler> handlers_;
};
