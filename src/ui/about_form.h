#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kestra {

// "o programie...": the program, its version, the maker's address and the
// terms of use.  Created hidden at start-up and kept for the whole run;
// "O programie" shows it modally.  OK, Enter, Esc and the close button hide
// it again.
class Tfrm_about : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrm_about(QWidget* parent = nullptr);

  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QPushButton* BitBtn1;

  // Every key pressed in the window comes here first (key preview): Esc
  // ends the showing with the result OK.  The key goes on to the control.
  void FormKeyDown(QObject* sender, int key, Qt::KeyboardModifiers shift);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kestra
