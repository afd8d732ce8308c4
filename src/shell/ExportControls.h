#pragma once

// The cache list and the export options of the main window as the exports
// read them: every read asks the window's control afresh.

#include "CacheRows.h"
#include "ExportOptions.h"

class WndMain;

class WindowCacheRows : public CacheRows {
public:
    explicit WindowCacheRows(const WndMain& window)
        : window_(window) {}

    std::int32_t ListCount() const override;
    const std::string& Cell(std::int32_t row, std::int32_t column) const override;
    const std::string& CellTag(std::int32_t row, std::int32_t column) const override;

private:
    const WndMain& window_;
};

class WindowExportOptions : public ExportOptions {
public:
    explicit WindowExportOptions(const WndMain& window)
        : window_(window) {}

    bool FilterOwner() const override;
    std::string OwnerName() const override;
    bool NoUnknowns() const override;
    bool Modify() const override;
    std::int32_t ModifyLayout() const override;

private:
    const WndMain& window_;
};
