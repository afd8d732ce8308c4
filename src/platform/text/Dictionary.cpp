#include "Dictionary.h"

#include "Exceptions.h"
#include "Text.h"

std::size_t Dictionary::Probe(std::string_view key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t index = hash & mask;
    while (slots_[index].used &&
           !(slots_[index].hash == hash && TextEqual(slots_[index].key, key))) {
        index = (index + 1) & mask;
    }
    return index;
}

const std::string& Dictionary::Value(std::string_view key) const {
    if (count_ > 0) {
        const Slot& slot = slots_[Probe(key, TextHash(key))];
        if (slot.used) {
            return slot.value;
        }
    }
    throw KeyNotFoundException(std::string(key));
}

void Dictionary::Value(std::string_view key, std::string_view value) {
    if ((count_ + 1) * 2 > slots_.size()) {
        Grow();
    }
    const std::size_t hash = TextHash(key);
    Slot& slot = slots_[Probe(key, hash)];
    if (!slot.used) {
        slot.key.assign(key);
        slot.hash = hash;
        slot.used = true;
        ++count_;
    }
    slot.value.assign(value);
}

bool Dictionary::HasKey(std::string_view key) const {
    return count_ > 0 && slots_[Probe(key, TextHash(key))].used;
}

void Dictionary::Clear() {
    for (Slot& slot : slots_) {
        slot.used = false;
        slot.value.clear();
    }
    count_ = 0;
}

void Dictionary::Grow() {
    std::vector<Slot> previous = std::move(slots_);
    slots_.clear();
    slots_.resize(previous.empty() ? 8 : previous.size() * 2);
    for (Slot& slot : previous) {
        if (slot.used) {
            slots_[Probe(slot.key, slot.hash)] = std::move(slot);
        }
    }
}
