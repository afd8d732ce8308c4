#include "ClassRecord.h"

#include <utility>

void ClassRegistry::Declare(std::string name, Builder builder) {
    builders_.insert_or_assign(std::move(name), std::move(builder));
}

void ClassRegistry::Register(const std::vector<std::string_view>& names) {
    for (const std::string_view name : names) {
        Find(name);
    }
}

const ClassRecord* ClassRegistry::Find(std::string_view name) {
    if (const auto registered = registered_.find(name); registered != registered_.end()) {
        return registered->second;
    }
    const auto builder = builders_.find(name);
    if (builder == builders_.end()) {
        return nullptr;
    }
    ClassRecord record = builder->second();
    // A record names its base, so the base is registered before it.
    if (!record.base.empty()) {
        Find(record.base);
    }
    const ClassRecord& kept = records_.emplace_back(std::move(record));
    registered_.emplace(builder->first, &kept);
    return &kept;
}

std::vector<std::string> ClassRegistry::RegisteredNames() const {
    std::vector<std::string> names;
    for (const ClassRecord& record : records_) {
        names.push_back(record.name);
    }
    return names;
}

void ClassRegistry::Clear() {
    registered_.clear();
    records_.clear();
    builders_.clear();
}

ClassRegistry& Classes() {
    static ClassRegistry registry;
    return registry;
}

void RegisterPlatformClasses(ClassRegistry& registry) {
    // Each class after its base; the program uses none of them by record.
    static constexpr std::pair<std::string_view, std::string_view> platformClasses[] = {
        {"Application", ""},
        {"Window", ""},
        {"Control", ""},
        {"RectControl", "Control"},
        {"PushButton", "RectControl"},
        {"CheckBox", "RectControl"},
        {"Label", "RectControl"},
        {"PopupMenu", "RectControl"},
        {"TabPanel", "RectControl"},
        {"Listbox", "RectControl"},
        {"TextField", "RectControl"},
        {"RadioButton", "RectControl"},
        {"MenuItem", ""},
        {"MenuBar", "MenuItem"},
        {"QuitMenuItem", "MenuItem"},
        {"Dictionary", ""},
        {"XmlReader", ""},
        {"FolderItem", ""},
        {"TextOutputStream", ""},
    };
    std::vector<std::string_view> order;
    for (const auto& [name, base] : platformClasses) {
        registry.Declare(std::string(name), [name = name, base = base] {
            return ClassRecord{.name = std::string(name), .base = std::string(base)};
        });
        order.push_back(name);
    }
    registry.Register(order);
}
