#include "ListboxModel.h"

#include "QtText.h"

ListboxModel::ListboxModel(const RowStore& rows, const std::vector<std::string>& headings)
    : rows_(rows)
    , headings_(headings) {}

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.PublishedCount();
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.ColumnCount();
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    // Rows are one line high: a cell's line breaks show as spaces.
    QString text = ToQString(rows_.PublishedCell(index.row(), index.column()));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        static_cast<std::size_t>(section) >= headings_.size()) {
        return {};
    }
    return ToQString(headings_[static_cast<std::size_t>(section)]);
}

void ListboxModel::RowsAboutToBeInserted(std::int32_t first, std::int32_t last) {
    beginInsertRows(QModelIndex(), first, last);
}

void ListboxModel::RowsInserted() {
    endInsertRows();
}

void ListboxModel::RowsAboutToBeRemoved(std::int32_t first, std::int32_t last) {
    beginRemoveRows(QModelIndex(), first, last);
}

void ListboxModel::RowsRemoved() {
    endRemoveRows();
}

void ListboxModel::AboutToReset() {
    beginResetModel();
}

void ListboxModel::Reset() {
    endResetModel();
}

void ListboxModel::CellChanged(std::int32_t row, std::int32_t column) {
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

void ListboxModel::ColumnsChanged() {
    beginResetModel();
    endResetModel();
}
