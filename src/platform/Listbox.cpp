#include "Listbox.h"

#include "ItemList.h"
#include "ListboxModel.h"

#include <QHeaderView>
#include <QTreeView>

Listbox::Listbox(Window* window)
    : RectControl(window)
    , model_(std::make_unique<ListboxModel>(rows_, headings_))
    , view_(std::make_unique<QTreeView>()) {
    rows_.SetObserver(model_.get());
    // Rows of one height let the view lay out tens of thousands of rows
    // without measuring each.
    view_->setUniformRowHeights(true);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setModel(model_.get());
}

Listbox::~Listbox() {
    view_->setModel(nullptr);
    rows_.SetObserver(nullptr);
}

void Listbox::ColumnCount(std::int32_t count) {
    rows_.SetColumnCount(count);
    model_->ColumnsChanged();
}

bool Listbox::HasHeading() const {
    return !view_->isHeaderHidden();
}

void Listbox::HasHeading(bool value) {
    view_->setHeaderHidden(!value);
}

void Listbox::InitialValue(std::string_view headings) {
    const std::vector<std::string_view> items = SplitItems(headings, "\t");
    headings_.assign(items.begin(), items.end());
    model_->ColumnsChanged();
}

std::string Listbox::Heading(std::int32_t column) const {
    return column >= 0 && static_cast<std::size_t>(column) < headings_.size()
               ? headings_[static_cast<std::size_t>(column)]
               : std::string();
}

QWidget* Listbox::Widget() const {
    return view_.get();
}

ListboxChanges::ListboxChanges(Listbox& listbox)
    : listbox_(listbox) {
    listbox_.rows_.BeginBatch();
}

ListboxChanges::~ListboxChanges() {
    if (open_) {
        listbox_.rows_.RevertBatch();
    }
}

void ListboxChanges::Commit() {
    open_ = false;
    listbox_.rows_.CommitBatch();
}
