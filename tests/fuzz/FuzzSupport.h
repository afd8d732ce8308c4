#pragma once

// What the checks of the fuzzing harness share: reporting a broken property,
// the rows of a list as plain texts, and reading a document into such rows
// without the window.

#include "Text.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class ListRows;

// Reports the property and aborts, which libFuzzer records as a crash.
[[noreturn]] void Fail(const std::string& what, std::string_view detail = {});

// Aborts unless a press showed exactly the expected messages.
void CheckShown(const std::vector<std::string>& shown, const std::vector<std::string>& expected,
                const char* press);

using Row = std::vector<std::string>; // 19 cells, then 19 tags
using Rows = std::vector<Row>;
using CodeSet = std::unordered_set<std::string, TextHasher, TextEqualTo>;

// Every cell and tag of every row.
Rows Snapshot(const ListRows& list);

// True when the list holds exactly these rows, cells and tags; quicker than
// comparing a snapshot.
bool Holds(const ListRows& list, const Rows& rows);

struct ReadRows {
    // The reader's reason when the document is not well-formed.
    std::optional<std::string> failure;
    // One row for each waypoint read, made as the cache list makes it.
    Rows rows;
};

// Reads a document held in memory with the GPX reader; source names it in
// errors. The reader hands the waypoints to a receiver of this file's own:
// its accessor stays installed until the caller installs another.
ReadRows Read(std::string_view document, std::string_view source);
