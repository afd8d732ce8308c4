#pragma once

// The message that ends an import.

#include <cstdint>
#include <string>

// "Imported <added> entries and skipped <skipped> caches."
std::string ImportedSummary(std::uint32_t added, std::uint32_t skipped);

// "Removed <removed> entries."
std::string RemovedSummary(std::uint32_t removed);
