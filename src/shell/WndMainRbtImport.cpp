#include "WndMainRbtImport.h"

#include "DesignProperties.h"
#include "Exceptions.h"
#include "PropertyList.h"
#include "Window.h"

WndMainRbtImport::WndMainRbtImport(Window* window)
    : RadioButton(window) {
    TextUnit(0);
    _SetProperties(*this, RbtImportProperties(0));
    Index(0);
    NonNil(ParentWindow())._AddControl("RbtImport", *this);
}

WndMainRbtImport::WndMainRbtImport(Window* window, std::int32_t index)
    : RadioButton(window) {
    Index(index);
}
