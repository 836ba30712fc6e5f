#include "ui/main_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <cmath>
#include <limits>

#include "extract/extraction.h"
#include "listing/listing.h"
#include "listing/proposed_names.h"
#include "model/kinds.h"
#include "platform/file_system.h"
#include "ui/about_form.h"
#include "ui/column_widths.h"
#include "ui/dialogs.h"
#include "ui/file_filter.h"
#include "ui/listing_model.h"
#include "ui/panel.h"
#include "ui/progress_indicator.h"
#include "ui/regional_qt.h"
#include "ui/rx_calc_edit.h"

namespace kestra {
namespace {

std::string FileName(const QString& text) { return QFile::encodeName(text).toStdString(); }
QString FileText(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

// A range field's value as a record number: the nearest whole number,
// halves to the even one.
std::int32_t RecordNumber(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  const double whole = std::nearbyint(value);
  if (!(whole >= kLowest)) return std::numeric_limits<std::int32_t>::min();
  if (whole > kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(whole);
}

// The entry of the open dialog's filter list that is selected.  The dialog
// names it by its description alone, since it hides the patterns.
int SelectedFilterIndex(const QFileDialog& dialog) {
  const QString selected = dialog.selectedNameFilter();
  const QStringList filters = dialog.nameFilters();
  for (int i = 0; i < filters.size(); ++i) {
    if (filters[i] == selected || filters[i].section(QStringLiteral(" ("), 0, 0) == selected) return i;
  }
  return 0;
}

}  // namespace

TForm1::TForm1(Profile profile, Dialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), profile_(profile), dialogs_(dialogs ? dialogs : &DefaultDialogs()) {
  SetupUi(this);
  cells_ = qobject_cast<ListingModel*>(grd_1->model());
  WireSignals();
  FormCreate();
}

void TForm1::WireSignals() {
  connect(btn_1, &QPushButton::clicked, this, &TForm1::btn_1Click);
  connect(btn_2, &QPushButton::clicked, this, &TForm1::btn_2Click);
  connect(btn_3, &QPushButton::clicked, this, &TForm1::btn_3Click);
  connect(btn_4, &QPushButton::clicked, this, &TForm1::btn_4Click);
  connect(btn_5, &QPushButton::clicked, this, &TForm1::btn_5Click);
  connect(ustawwartoOD1, &QAction::triggered, this, &TForm1::ustawwartoOD1Click);
  connect(ustawwartoDOREKORDU1, &QAction::triggered, this, &TForm1::ustawwartoDOREKORDU1Click);
  connect(pnl_4, &Panel::resized, this, &TForm1::pnl_4Resize);

  connect(grd_1, &QWidget::customContextMenuRequested, pm_1,
          [this](const QPoint& pos) { pm_1->popup(grd_1->viewport()->mapToGlobal(pos)); });
  // The record number column is the grid's fixed column: the others move
  // among themselves, never in front of it.
  QHeaderView* header = grd_1->horizontalHeader();
  connect(header, &QHeaderView::sectionMoved, this, [header] {
    if (header->visualIndex(0) != 0) header->moveSection(header->visualIndex(0), 0);
  });
}

void TForm1::FormCreate() {
  cbb_1->clear();
  for (int kind = 0; kind < kKindCount; ++kind) {
    cbb_1->addItem(QString::fromUtf8(KindCaption(kind)));
  }
  cbb_1->setCurrentIndex(0);

  const char* const headers[] = {"nr kol.", "numer dok.", "z dnia", "firma"};
  for (int column = 0; column < 4; ++column) {
    cells_->setHeaderData(column, Qt::Horizontal, QString::fromUtf8(headers[column]));
  }
  ShowFirstRow();

  setWindowTitle(windowTitle() + QStringLiteral(" / MX730 w wersji ") +
                 QString::fromUtf8(VersionText(profile_)));
}

void TForm1::SetKindFilter(std::uint8_t kind) {
  const QStringList filters = QtNameFilters(QString::fromStdString(KindFilterText(kind)));
  od_1->setNameFilters(filters);
  // The entry chosen last time stays chosen, as far as there is one.
  od_1->selectNameFilter(filters.value(last_filter_index_, filters.value(0)));
}

void TForm1::btn_1Click() {
  const int kind = cbb_1->currentIndex();
  SetKindFilter(static_cast<std::uint8_t>(kind));
  if (!dialogs_->ExecuteOpenDialog(*od_1)) return;
  last_filter_index_ = SelectedFilterIndex(*od_1);

  lbl_FielName->setText(od_1->selectedFiles().value(0));
  const std::string path = FileName(lbl_FielName->text());
  SetSourceCodePageFromItem(rg1_items->checkedId());

  if (FileSizeByName(path) == 0) {
    dialogs_->ShowMessage(this, ZeroLengthRefusal());
    return;
  }
  const std::string output_name = ProposedOutputName(path);
  ed_NewFileName->setText(FileText(output_name));
  ed_OldFileName->setText(FileText(ProposedBackupName(output_name)));

  RowStore rows = cells_->BeginListing();
  rows.Clear();  // its room is kept for this listing
  try {
    ProgressIndicator progress(this, QStringLiteral("Odczytano rekordów: %1 z %2"));
    ListRecords(ListingRequest{path, kind, profile_, RegionalFromLocale(QLocale())}, rows,
                progress.Callback());
  } catch (const std::exception& error) {
    // The rows listed so far stay, followed by the row that was to take the
    // failed record; the range fields keep what they had.
    cells_->ShowRows(std::move(rows), true);
    ShowFirstRow();
    ReportError(error);
    return;
  }
  cells_->ShowRows(std::move(rows), false);
  ShowFirstRow();

  const double count = static_cast<double>(cells_->ListedRowCount());
  ed_1->SetMaxValue(count);
  ed_2->SetMaxValue(ed_1->MaxValue());
  ed_2->SetValue(ed_2->MaxValue());
  ed_1->SetValue(1);
}

void TForm1::btn_2Click() {
  ExtractionRequest request;
  request.current_path = FileName(lbl_FielName->text());
  request.backup_name = FileName(ed_OldFileName->text());
  request.output_name = FileName(ed_NewFileName->text());
  request.rename_first = chk_1->isChecked();
  request.from = RecordNumber(ed_1->Value());
  request.to = RecordNumber(ed_2->Value());
  request.kind = cbb_1->currentIndex();
  request.profile = profile_;

  ExtractionOutcome outcome;
  try {
    ProgressIndicator progress(this, QStringLiteral("Zapisano rekordów: %1 z %2"));
    outcome = ExtractRange(request, progress.Callback());
  } catch (const std::exception& error) {
    ReportError(error);
    return;
  }
  if (outcome.error) {
    ReportError(*outcome.error);
  } else if (outcome.message) {
    dialogs_->ShowMessage(this, *outcome.message);
  }
}

int TForm1::CurrentGridRow() const {
  const QModelIndex current = grd_1->currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

void TForm1::btn_3Click() { ed_1->SetText(QString::number(CurrentGridRow())); }

void TForm1::btn_4Click() { ed_2->SetText(QString::number(CurrentGridRow())); }

void TForm1::ustawwartoOD1Click() { btn_3->click(); }

void TForm1::ustawwartoDOREKORDU1Click() { btn_4->click(); }

void TForm1::pnl_4Resize() {
  QHeaderView* header = grd_1->horizontalHeader();
  const int grid_width = grd_1->width();
  for (int column = 0; column < cells_->columnCount(); ++column) {
    header->resizeSection(column, ColumnWidth(grid_width, kColumnShares[column]));
  }
}

void TForm1::btn_5Click() {
  if (frm_about) frm_about->exec();
}

void TForm1::ShowFirstRow() {
  if (cells_->rowCount() == 0) return;
  const QModelIndex first = cells_->index(0, 1);
  grd_1->selectionModel()->setCurrentIndex(
      first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grd_1->scrollToTop();
}

void TForm1::ReportError(const std::exception& error) {
  dialogs_->ShowMessage(this, ErrorReport(error.what()));
}

}  // namespace kestra
