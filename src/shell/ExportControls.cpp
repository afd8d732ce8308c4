#include "ExportControls.h"

#include "CheckBox.h"
#include "Exceptions.h"
#include "Listbox.h"
#include "PopupMenu.h"
#include "TextField.h"
#include "WndMain.h"

std::int32_t WindowCacheRows::ListCount() const {
    return NonNil(window_.LbxCaches()).ListCount();
}

const std::string& WindowCacheRows::Cell(std::int32_t row, std::int32_t column) const {
    return NonNil(window_.LbxCaches()).Cell(row, column);
}

const std::string& WindowCacheRows::CellTag(std::int32_t row, std::int32_t column) const {
    return NonNil(window_.LbxCaches()).CellTag(row, column);
}

bool WindowExportOptions::FilterOwner() const {
    return NonNil(window_.ChkFilterOwner()).Value();
}

std::string WindowExportOptions::OwnerName() const {
    return NonNil(window_.EdfFilterOwner()).Text();
}

bool WindowExportOptions::NoUnknowns() const {
    return NonNil(window_.ChkNoUnknowns()).Value();
}

bool WindowExportOptions::Modify() const {
    return NonNil(window_.ChkModify()).Value();
}

std::int32_t WindowExportOptions::ModifyLayout() const {
    return NonNil(window_.PumModify()).ListIndex();
}
