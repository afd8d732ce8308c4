#include "Listbox.h"

#include "Exceptions.h"
#include "ItemList.h"
#include "ListboxModel.h"
#include "QtText.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeView>

#include <algorithm>
#include <charconv>
#include <numeric>

// Draws the grid lines and gives every row the list's row height.
class ListboxDelegate : public QStyledItemDelegate {
public:
    std::int32_t horizontalLines = 0;
    std::int32_t verticalLines = 0;
    std::int32_t rowHeight = -1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        const QRect& cell = option.rect;
        DrawLine(*painter, option, horizontalLines, cell.bottomLeft(), cell.bottomRight(),
                 QPoint(0, -2));
        DrawLine(*painter, option, verticalLines, cell.topRight(), cell.bottomRight(),
                 QPoint(-2, 0));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (rowHeight > 0) {
            size.setHeight(rowHeight);
        }
        return size;
    }

private:
    static void DrawLine(QPainter& painter, const QStyleOptionViewItem& option, std::int32_t style,
                         QPoint from, QPoint to, QPoint secondOffset) {
        if (style <= 1) {
            return;
        }
        QPen pen(option.palette.color(QPalette::Mid));
        pen.setStyle(style == 2 ? Qt::DotLine : Qt::SolidLine);
        pen.setWidth(style == 4 ? 2 : 1);
        painter.setPen(pen);
        painter.drawLine(from, to);
        if (style == 5) {
            painter.drawLine(from + secondOffset, to + secondOffset);
        }
    }
};

// The view tells its list when the room for the columns changes.
class ListboxView : public QTreeView {
public:
    explicit ListboxView(Listbox& listbox)
        : listbox_(listbox) {}

protected:
    bool viewportEvent(QEvent* event) override {
        const bool handled = QTreeView::viewportEvent(event);
        if (event->type() == QEvent::Resize) {
            listbox_.ViewportResized();
        }
        return handled;
    }

private:
    Listbox& listbox_;
};

namespace {

void CheckGridStyle(std::int32_t style) {
    if (style < 0 || style > 5) {
        throw OutOfBoundsException("There is no grid line style " + std::to_string(style) + ".");
    }
}

// The widths that the text gives, one per column; 0 where the column takes
// a share of what the others leave.
std::vector<int> GivenWidths(std::string_view text, int count, int available) {
    std::vector<int> widths(static_cast<std::size_t>(count), 0);
    const std::vector<std::string_view> items = SplitItems(text, ",");
    for (std::size_t column = 0; column < items.size(); ++column) {
        std::string_view item = items[column];
        item.remove_prefix(std::min(item.find_first_not_of(' '), item.size()));
        item.remove_suffix(item.size() - (item.find_last_not_of(' ') + 1));
        if (item.empty() || item == "*") {
            continue;
        }
        const bool percent = item.back() == '%';
        if (percent) {
            item.remove_suffix(1);
        }
        int value = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (error != std::errc() || end != item.data() + item.size() || value < 0) {
            throw RuntimeException("\"" + std::string(items[column]) + "\" is not a column width.");
        }
        if (column < widths.size()) {
            widths[column] = percent ? available * value / 100 : value;
        }
    }
    return widths;
}

} // namespace

Listbox::Listbox(Window* window)
    : RectControl(window)
    , model_(std::make_unique<ListboxModel>(rows_, headings_))
    , delegate_(std::make_unique<ListboxDelegate>())
    , view_(std::make_unique<ListboxView>(*this)) {
    rows_.SetObserver(model_.get());
    // Rows of one height let the view lay out tens of thousands of rows
    // without measuring each.
    view_->setUniformRowHeights(true);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setItemDelegate(delegate_.get());
    view_->setModel(model_.get());
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* header = view_->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    QObject::connect(header, &QHeaderView::sectionResized,
                     [this](int column, int oldWidth, int newWidth) {
                         ColumnDragged(column, oldWidth, newWidth);
                     });
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged,
                     [this](const QItemSelection&, const QItemSelection& deselected) {
                         if (requiresSelection_ && !deselected.isEmpty() &&
                             !view_->selectionModel()->hasSelection()) {
                             view_->selectionModel()->select(deselected,
                                                             QItemSelectionModel::Select);
                         }
                     });
}

Listbox::~Listbox() {
    view_->setModel(nullptr);
    rows_.SetObserver(nullptr);
}

void Listbox::ColumnCount(std::int32_t count) {
    rows_.SetColumnCount(count);
    ColumnsChanged();
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
    ColumnsChanged();
}

std::string Listbox::Heading(std::int32_t column) const {
    return column >= 0 && static_cast<std::size_t>(column) < headings_.size()
               ? headings_[static_cast<std::size_t>(column)]
               : std::string();
}

void Listbox::ColumnWidths(std::string_view widths) {
    GivenWidths(widths, ColumnCount(), 0); // fails before anything changes
    columnWidths_ = widths;
    columnsPending_ = true;
    if (view_->isVisible()) {
        LayOutColumns();
    }
}

std::int32_t Listbox::ColumnWidth(std::int32_t column) const {
    return view_->header()->sectionSize(column);
}

void Listbox::ColumnsResizable(bool value) {
    columnsResizable_ = value;
    view_->header()->setSectionResizeMode(value ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void Listbox::ColumnsChanged() {
    model_->ColumnsChanged();
    columnsPending_ = true;
    if (view_->isVisible()) {
        LayOutColumns();
    }
}

void Listbox::ViewportResized() {
    if (columnsPending_) {
        LayOutColumns();
    } else if (!horizontalScrollbar_) {
        FillWidth();
    }
}

void Listbox::LayOutColumns() {
    columnsPending_ = false;
    QHeaderView* header = view_->header();
    const int count = header->count();
    const int available = view_->viewport()->width();
    const std::vector<int> given = GivenWidths(columnWidths_, count, available);
    const int fixed = std::accumulate(given.begin(), given.end(), 0);
    const auto sharing = static_cast<int>(std::count(given.begin(), given.end(), 0));
    const int shared = std::max(available - fixed, header->minimumSectionSize() * sharing);
    adjustingColumns_ = true;
    // The sharing columns split what is left to the pixel, the first ones one
    // pixel wider when it does not divide evenly.
    int shareNumber = 0;
    for (int column = 0; column < count; ++column) {
        const int width = given[static_cast<std::size_t>(column)];
        if (width > 0) {
            header->resizeSection(column, width);
        } else {
            header->resizeSection(column, shared / sharing + (shareNumber < shared % sharing));
            ++shareNumber;
        }
    }
    adjustingColumns_ = false;
    if (!horizontalScrollbar_) {
        FillWidth();
    }
}

void Listbox::FillWidth() {
    QHeaderView* header = view_->header();
    const int count = header->count();
    const int available = view_->viewport()->width();
    long long total = 0;
    for (int column = 0; column < count; ++column) {
        total += header->sectionSize(column);
    }
    if (count == 0 || available <= 0 || total <= 0 || total == available) {
        return;
    }
    // Each column's right edge scales with the list, so that rounding never
    // gathers on one column.
    adjustingColumns_ = true;
    long long edgeBefore = 0;
    int scaledBefore = 0;
    for (int visual = 0; visual < count; ++visual) {
        const int column = header->logicalIndex(visual);
        edgeBefore += header->sectionSize(column);
        const auto scaled = static_cast<int>((edgeBefore * available + total / 2) / total);
        header->resizeSection(column, scaled - scaledBefore);
        scaledBefore = scaled;
    }
    adjustingColumns_ = false;
}

void Listbox::ColumnDragged(int column, int oldWidth, int newWidth) {
    if (adjustingColumns_ || horizontalScrollbar_) {
        return;
    }
    // The edge between the column and its right neighbour moves; the
    // neighbour keeps at least its minimum, and the last column's right edge
    // stays at the list's.
    QHeaderView* header = view_->header();
    const int neighbour = header->logicalIndex(header->visualIndex(column) + 1);
    const int room =
        neighbour < 0 ? 0 : header->sectionSize(neighbour) - header->minimumSectionSize();
    const int moved = std::min(newWidth - oldWidth, std::max(room, 0));
    adjustingColumns_ = true;
    header->resizeSection(column, oldWidth + moved);
    if (neighbour >= 0) {
        header->resizeSection(neighbour, header->sectionSize(neighbour) - moved);
    }
    adjustingColumns_ = false;
}

void Listbox::ScrollbarHorizontal(bool value) {
    horizontalScrollbar_ = value;
    ScrollBarsChanged();
    if (!value && !columnsPending_) {
        FillWidth();
    }
}

void Listbox::ScrollBarVertical(bool value) {
    verticalScrollbar_ = value;
    ScrollBarsChanged();
}

void Listbox::AutoHideScrollbars(bool value) {
    autoHideScrollbars_ = value;
    ScrollBarsChanged();
}

void Listbox::ScrollBarsChanged() {
    const auto policy = [this](bool shown) {
        return !shown                ? Qt::ScrollBarAlwaysOff
               : autoHideScrollbars_ ? Qt::ScrollBarAsNeeded
                                     : Qt::ScrollBarAlwaysOn;
    };
    view_->setHorizontalScrollBarPolicy(policy(horizontalScrollbar_));
    view_->setVerticalScrollBarPolicy(policy(verticalScrollbar_));
}

std::int32_t Listbox::GridLinesHorizontal() const {
    return delegate_->horizontalLines;
}

void Listbox::GridLinesHorizontal(std::int32_t style) {
    CheckGridStyle(style);
    delegate_->horizontalLines = style;
    view_->viewport()->update();
}

std::int32_t Listbox::GridLinesVertical() const {
    return delegate_->verticalLines;
}

void Listbox::GridLinesVertical(std::int32_t style) {
    CheckGridStyle(style);
    delegate_->verticalLines = style;
    view_->viewport()->update();
}

std::int32_t Listbox::DefaultRowHeight() const {
    return delegate_->rowHeight;
}

void Listbox::DefaultRowHeight(std::int32_t height) {
    delegate_->rowHeight = height;
    view_->doItemsLayout();
}

std::int32_t Listbox::SelectionType() const {
    return view_->selectionMode() == QAbstractItemView::SingleSelection ? 0 : 1;
}

void Listbox::SelectionType(std::int32_t type) {
    if (type != 0 && type != 1) {
        throw OutOfBoundsException("There is no selection type " + std::to_string(type) + ".");
    }
    view_->setSelectionMode(type == 0 ? QAbstractItemView::SingleSelection
                                      : QAbstractItemView::ExtendedSelection);
}

void Listbox::RequiresSelection(bool value) {
    requiresSelection_ = value;
}

bool Listbox::Border() const {
    return view_->frameShape() != QFrame::NoFrame;
}

void Listbox::Border(bool value) {
    view_->setFrameShape(value ? QFrame::StyledPanel : QFrame::NoFrame);
}

QWidget* Listbox::Widget() const {
    return view_.get();
}

const PropertyTable<Listbox>& Listbox::DesignProperties() {
    static const PropertyTable<Listbox> table =
        PropertyTable<Listbox>(RectControl::DesignProperties())
            .Boolean("Border", &Listbox::Border)
            .Integer("ColumnCount", &Listbox::ColumnCount)
            .Text("ColumnWidths", &Listbox::ColumnWidths)
            .Boolean("HasHeading", &Listbox::HasHeading)
            .Boolean("UseFocusRing", &Listbox::UseFocusRing)
            .Text("InitialValue", &Listbox::InitialValue)
            .Kept("HeadingIndex", PropertyType::Integer)
            .Boolean("ScrollbarHorizontal", &Listbox::ScrollbarHorizontal)
            .Boolean("ScrollBarVertical", &Listbox::ScrollBarVertical)
            .Integer("GridLinesHorizontal", &Listbox::GridLinesHorizontal)
            .Integer("GridLinesVertical", &Listbox::GridLinesVertical)
            .Integer("DefaultRowHeight", &Listbox::DefaultRowHeight)
            .Kept("_ScrollWidth", PropertyType::Integer)
            .Kept("_ScrollOffset", PropertyType::Integer)
            .Kept("Hierarchical", PropertyType::Boolean)
            .Kept("EnableDrag", PropertyType::Boolean)
            .Kept("EnableDragReorder", PropertyType::Boolean)
            .Boolean("RequiresSelection", &Listbox::RequiresSelection)
            .Integer("SelectionType", &Listbox::SelectionType)
            .Boolean("ColumnsResizable", &Listbox::ColumnsResizable)
            .Boolean("AutoHideScrollbars", &Listbox::AutoHideScrollbars);
    return table;
}

void Listbox::ApplyDesignProperties(std::string_view list) {
    DesignProperties().Apply(*this, list);
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
