#include "ImportSummary.h"

#include "Text.h"

std::string ImportedSummary(std::uint32_t added, std::uint32_t skipped) {
    return "Imported " + Str(std::uint64_t{added}) + " entries and skipped " +
           Str(std::uint64_t{skipped}) + " caches.";
}

std::string RemovedSummary(std::uint32_t removed) {
    return "Removed " + Str(std::uint64_t{removed}) + " entries.";
}
