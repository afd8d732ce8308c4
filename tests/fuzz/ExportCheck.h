#pragma once

// The checks of the files the main window's export buttons wrote from the
// list's rows with the export options its controls show.

#include "FuzzSupport.h"

#include <string>
#include <vector>

class ExportOptions;

// The GPX is well-formed, holds a block for each row that passes the filters
// and reads back to the same cells and tags; the message counts the blocks.
void CheckGpxExport(const Rows& rows, const ExportOptions& options, const std::string& file,
                    const std::vector<std::string>& shown);

// Each line (ended by CR LF) holds 17 fields; there is a line for the
// headings and one for each row that passes the filter; no message is shown.
void CheckCsvExport(const Rows& rows, const ExportOptions& options, const std::string& file,
                    const std::vector<std::string>& shown);
