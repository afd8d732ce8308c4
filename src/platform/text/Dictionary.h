#pragma once

// Text keys to text values. Keys match with the system's text equality.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class Dictionary {
public:
    // The value under the key; throws KeyNotFoundException when there is none.
    const std::string& Value(std::string_view key) const;

    // Adds the entry, or replaces the value where the key is present.
    void Value(std::string_view key, std::string_view value);

    bool HasKey(std::string_view key) const;
    std::size_t Count() const { return count_; }

    // Removes every entry. The storage stays, so that a dictionary emptied and
    // filled again with the same keys, as the GPX reader does for every
    // waypoint, allocates nothing.
    void Clear();

private:
    struct Slot {
        std::string key;
        std::string value;
        std::size_t hash = 0;
        bool used = false;
    };

    // The slot that holds the key, or the free slot where it belongs.
    std::size_t Probe(std::string_view key, std::size_t hash) const;
    void Grow();

    // Open addressing: a power of two of slots, at most half of them used.
    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};
