#pragma once

// Writes the cache list as comma-separated text: the header line, then one
// line of 17 fields (list columns 0 to 16) for every row, leaving out rows of
// type "Unknown Cache" when "Don't include virtuals" is on. The sink ends
// every line.

#include "CacheRows.h"
#include "ExportOptions.h"
#include "LineSink.h"

// Reads NoUnknowns once per row, and the Type cell for that test only when it
// is on. No field is quoted: the Hint and Text fields are trimmed, and in
// every field each comma is written as ";" and each line break (CR LF, a lone
// CR or a lone LF) as " - ", so that every cache is one line of 17 fields.
// Everything else, double quotes included, is written as the cell holds it.
void WriteCsv(LineSink& sink, const CacheRows& rows, const ExportOptions& options);
