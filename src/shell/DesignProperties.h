#pragma once

// The design property lists of the main window and of its fourteen
// controls, each encoded from its values (format: PropertyList.h).

#include <cstdint>
#include <string>

std::string WndMainProperties();

std::string BtnImportProperties();
std::string BtnExportGPXProperties();
std::string ChkModifyProperties();
std::string BtnExportCSVProperties();
std::string StaticText1Properties();
std::string PumModifyProperties();
std::string TabPanel1Properties();
std::string LbxCachesProperties();
std::string EdfFilterOwnerProperties();
std::string ChkFilterOwnerProperties();
std::string ChkNoUnknownsProperties();
// The import-mode radio buttons 0 "Replace", 1 "Add" and 2 "Subtract".
std::string RbtImportProperties(std::int32_t index);
