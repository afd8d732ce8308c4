#pragma once

// The export options as the user has set them. Each call reads the option's
// control afresh; the exports read them row by row, as often as they use them.

#include <cstdint>
#include <string>

class ExportOptions {
public:
    // "Only export caches placed by owner:" and the owner's name.
    virtual bool FilterOwner() const = 0;
    virtual std::string OwnerName() const = 0;
    // "Don't include virtuals": leave out caches of type "Unknown Cache".
    virtual bool NoUnknowns() const = 0;
    // "Modify export for GPSr:" and the chosen layout: 0 puts the code without
    // its first two characters into the waypoint name, any other value puts
    // difficulty, terrain and size there and the code into the cache name.
    virtual bool Modify() const = 0;
    virtual std::int32_t ModifyLayout() const = 0;

protected:
    ~ExportOptions() = default;
};
