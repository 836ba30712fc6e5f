#include "ui/listing_model.h"

#include <QGuiApplication>
#include <QPalette>
#include <climits>
#include <utility>

namespace kestra {

ListingModel::ListingModel(QObject* parent) : QAbstractTableModel(parent) {}

int ListingModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  const std::size_t rows = rows_.RowCount() + static_cast<std::size_t>(empty_rows_);
  return rows > INT_MAX ? INT_MAX : static_cast<int>(rows);
}

int ListingModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowStore::kColumnCount;
}

QString ListingModel::CellText(int row, int column) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.RowCount()) return {};
  if (column == 0) return QString::number(row + 1);
  return decoder_.decode(QByteArrayView(rows_.Cell(static_cast<std::size_t>(row), column)));
}

QVariant ListingModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return CellText(index.row(), index.column());
    case Qt::BackgroundRole:
      // The record number column is a fixed column, drawn like the header.
      if (index.column() == 0) return QGuiApplication::palette().button();
      return {};
    default:
      return {};
  }
}

QVariant ListingModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= RowStore::kColumnCount) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  if (role == Qt::DisplayRole) return header_[static_cast<std::size_t>(section)];
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

bool ListingModel::setHeaderData(int section, Qt::Orientation orientation,
                                 const QVariant& value, int role) {
  if (orientation != Qt::Horizontal || section < 0 || section >= RowStore::kColumnCount ||
      (role != Qt::EditRole && role != Qt::DisplayRole)) {
    return false;
  }
  header_[static_cast<std::size_t>(section)] = value.toString();
  emit headerDataChanged(orientation, section, section);
  return true;
}

Qt::ItemFlags ListingModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

RowStore ListingModel::BeginListing() {
  beginResetModel();
  RowStore old_rows = std::exchange(rows_, RowStore());
  empty_rows_ = 1;
  endResetModel();
  return old_rows;
}

void ListingModel::ShowRows(RowStore rows, bool trailing_row) {
  beginResetModel();
  rows_ = std::move(rows);
  empty_rows_ = trailing_row ? 1 : 0;
  endResetModel();
}

}  // namespace kestra
