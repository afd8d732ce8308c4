#pragma once

// Writes a GPX file in the shape of a real pocket query: waypoints with long
// HTML descriptions, hints, five logs each, entities and non-ASCII text.

#include <cstdint>
#include <filesystem>

void WriteGeneratedGpx(const std::filesystem::path& file, std::int32_t caches);
