#pragma once

#include <QAbstractTableModel>
#include <QStringDecoder>
#include <array>

#include "listing/row_store.h"

namespace kestra {

// The grid's rows: model row r holds the listing row of record r + 1, read
// straight from the listing's row store, with the Windows-1250 cell bytes
// decoded only when a cell is shown.  Empty rows may follow the listed
// ones: four before the first listing, one after a listing that an error
// ended.
class ListingModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int kEmptyRowsAtStart = 4;

  explicit ListingModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                     int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A listing begins: the old rows go (handed back, so that the listing can
  // reuse their room), one empty row stands for the record being listed.
  RowStore BeginListing();
  // Shows the rows of a listing; `trailing_row` adds the empty row that a
  // listing ended by an error leaves behind.
  void ShowRows(RowStore rows, bool trailing_row);

  std::size_t ListedRowCount() const { return rows_.RowCount(); }
  // The text of a cell as shown, by column index (0 the record number).
  QString CellText(int row, int column) const;

 private:
  RowStore rows_;
  int empty_rows_ = kEmptyRowsAtStart;
  std::array<QString, RowStore::kColumnCount> header_;
  mutable QStringDecoder decoder_{"windows-1250"};
};

}  // namespace kestra
