#pragma once

// Shows the published rows of a row store in a Qt item view.

#include "RowStore.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class ListboxModel : public QAbstractTableModel, public RowStoreObserver {
public:
    ListboxModel(const RowStore& rows, const std::vector<std::string>& headings);

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void RowsAboutToBeInserted(std::int32_t first, std::int32_t last) override;
    void RowsInserted() override;
    void RowsAboutToBeRemoved(std::int32_t first, std::int32_t last) override;
    void RowsRemoved() override;
    void AboutToReset() override;
    void Reset() override;
    void CellChanged(std::int32_t row, std::int32_t column) override;

    // The columns or their headings changed.
    void ColumnsChanged();

private:
    const RowStore& rows_;
    const std::vector<std::string>& headings_;
};
