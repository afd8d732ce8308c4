#pragma once

// The bytes of a file, for comparing what was written.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

inline std::string FileContents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
