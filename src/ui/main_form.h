#pragma once

#include <QMainWindow>
#include <cstdint>
#include <exception>

#include "model/profile.h"
#include "ui/main_form_design.h"

namespace kestra {

class Dialogs;
class ListingModel;
class Tfrm_about;

// The main window: choose a kind, list a data file, pick a range of its
// records and cut it into a new file.  The controls and their names are
// those of the design (Ui_TForm1); each action is one handler below, run on
// the user-interface thread to its end.
class TForm1 : public QMainWindow, public Ui_TForm1 {
  Q_OBJECT

 public:
  // `profile` is the deliverable's, fixed when it is built.  `dialogs` shows
  // the message boxes and the open dialog (tests pass their own).
  explicit TForm1(Profile profile, Dialogs* dialogs = nullptr, QWidget* parent = nullptr);

  // The About window that "O programie" shows; start-up creates it after
  // this window.
  Tfrm_about* frm_about = nullptr;

  ListingModel* cells() const { return cells_; }

  void FormCreate();
  void btn_1Click();  // "Otwórz zbiór": the record listing
  void btn_2Click();  // "GOŁ": the range extraction
  void btn_3Click();  // "G" beside "od rekordu"
  void btn_4Click();  // "G" beside "do rekordu"
  void ustawwartoOD1Click();
  void ustawwartoDOREKORDU1Click();
  void pnl_4Resize();
  void btn_5Click();  // "O programie"

 private:
  void WireSignals();
  void SetKindFilter(std::uint8_t kind);
  // The grid's current row, which is the record number of a listed row.
  int CurrentGridRow() const;
  void ShowFirstRow();
  void ReportError(const std::exception& error);

  const Profile profile_;
  Dialogs* dialogs_;
  ListingModel* cells_;
  // The filter entry the open dialog had when a file was last chosen.
  int last_filter_index_ = 0;
};

}  // namespace kestra
