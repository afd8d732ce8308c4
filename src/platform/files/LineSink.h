#pragma once

// Takes text line by line; each line is followed by the sink's delimiter.

#include <string_view>

class LineSink {
public:
    virtual void WriteLine(std::string_view line) = 0;

protected:
    ~LineSink() = default;
};
