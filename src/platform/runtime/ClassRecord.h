#pragma once

// Class records: what the platform knows about each class of the process (its
// name, its base, its properties, its own methods in declared order and which
// of its methods handle which events). Each class is registered once. Start-up
// registers the classes in a fixed order; a class asked for before its turn is
// registered at that moment, after its base.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "__Scope" with "Public", "Private" or "Protected"; a flag such as "Hidden"
// has no value.
struct ClassAttribute {
    std::string name;
    std::optional<std::string> value;
};

struct PropertyRecord {
    std::string name;
    std::string type;
    std::vector<ClassAttribute> attributes;
};

// The signature is written as the platform writes delegate signatures:
// "( PushButton )", "( Int32 ) as RadioButton", "(  )" for none.
struct MethodRecord {
    std::string name;
    std::string signature;
    std::vector<ClassAttribute> attributes;
};

// The event of the base class and the method that handles it.
struct EventAttachment {
    std::string event;
    std::string handler;
};

struct ClassRecord {
    std::string name;
    // Empty for a class without a base.
    std::string base = {};
    std::vector<ClassAttribute> attributes = {};
    std::vector<PropertyRecord> properties = {};
    std::vector<MethodRecord> methods = {};
    std::vector<EventAttachment> events = {};
};

class ClassRegistry {
public:
    using Builder = std::function<ClassRecord()>;

    // Makes a class known by the function that builds its record; nothing is
    // built or registered yet.
    void Declare(std::string name, Builder builder);

    // Registers the declared classes in this order, skipping those that are
    // registered already.
    void Register(const std::vector<std::string_view>& names);

    // The record of the class. A declared class that is not registered yet is
    // registered now; nullptr for a class never declared.
    const ClassRecord* Find(std::string_view name);

    // The registered classes, in the order of their registration.
    std::vector<std::string> RegisteredNames() const;

    // Forgets every record and every declaration, at program end.
    void Clear();

private:
    std::map<std::string, Builder, std::less<>> builders_;
    // A deque keeps the records in place while more are registered.
    std::deque<ClassRecord> records_;
    std::map<std::string, const ClassRecord*, std::less<>> registered_;
};

// The registry of the process.
ClassRegistry& Classes();

// Declares the platform's own classes and registers them in the platform's
// order. Program initialisation calls it before it registers the program's.
void RegisterPlatformClasses(ClassRegistry& registry);
