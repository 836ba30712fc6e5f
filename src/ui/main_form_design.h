#pragma once

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QRadioButton;
class QSplitter;
class QStatusBar;
class QTableView;

namespace kestra {

class Panel;
class TRxCalcEdit;

// The controls of the main window as designed: names, captions, positions
// and sizes (pixels at 96 dots per inch; Qt scales them on denser screens),
// fonts and initial states.  Behaviour lives in TForm1.
class Ui_TForm1 {
 public:
  // Top band.
  Panel* pnl_1;
  QFrame* pnl_3;
  QLabel* lbl_2;
  QLabel* Label1;
  QLabel* lbl_1;
  QComboBox* cbb_1;
  QPushButton* btn_1;
  QLabel* lbl_3;
  QLabel* lbl_FielName;
  QGroupBox* rg1;
  QButtonGroup* rg1_items;  // item 0 "CP-852", item 1 "MAZovia"

  // The "Akcja" panel.
  Panel* pnl_2;
  QLabel* pnl_5;
  QCheckBox* chk_1;
  QLabel* lbl_5;
  QLineEdit* ed_OldFileName;
  QLabel* lbl_4;
  TRxCalcEdit* ed_1;
  QPushButton* btn_3;
  QLabel* Label2;
  TRxCalcEdit* ed_2;
  QPushButton* btn_4;
  QLabel* lbl_6;
  QLineEdit* ed_NewFileName;
  QPushButton* btn_2;
  QPushButton* btn_5;

  // The grid area, the splitter and the status bar.
  QSplitter* spl1;
  Panel* pnl_4;
  QTableView* grd_1;
  QStatusBar* StatusBar1;

  // Not visible by themselves.
  QFileDialog* od_1;
  QMenu* pm_1;
  QAction* ustawwartoOD1;
  QAction* N1;
  QAction* ustawwartoDOREKORDU1;

  void SetupUi(QMainWindow* form);
};

}  // namespace kestra
