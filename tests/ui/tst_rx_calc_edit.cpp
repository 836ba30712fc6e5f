// The range fields "od rekordu" and "do rekordu": the range field rule, the
// keys they take and how they show their value.

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "ui/rx_calc_edit.h"

using kestra::TRxCalcEdit;

class RxCalcEditTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = new QWidget;
    edit_ = new TRxCalcEdit(window_);
    other_ = new QLineEdit(window_);
    other_->move(0, 40);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() { delete window_; }

  void rule_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("set");
    QTest::addColumn<double>("expected");
    QTest::newRow("range: below") << 1.0 << 50.0 << -7.0 << 1.0;
    QTest::newRow("range: inside") << 1.0 << 50.0 << 12.0 << 12.0;
    QTest::newRow("range: above") << 1.0 << 50.0 << 80.0 << 50.0;
    QTest::newRow("equal bounds: no bound below") << 1.0 << 1.0 << -5.0 << -5.0;
    QTest::newRow("equal bounds: no bound above") << 1.0 << 1.0 << 900.0 << 900.0;
    QTest::newRow("max 0: lower bound") << 1.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("max 0: no upper bound") << 1.0 << 0.0 << 12345.0 << 12345.0;
    QTest::newRow("min 0: upper bound") << 0.0 << -10.0 << 5.0 << -10.0;
    QTest::newRow("min 0: no lower bound") << 0.0 << -10.0 << -99.0 << -99.0;
    QTest::newRow("max below min, neither 0") << 5.0 << 3.0 << 100.0 << 100.0;
    QTest::newRow("max below min, neither 0, low") << 5.0 << 3.0 << -100.0 << -100.0;
    QTest::newRow("half to even") << 1.0 << 50.0 << 2.5 << 2.0;
  }
  void rule() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, set);
    QFETCH(double, expected);
    edit_->SetMinValue(min);
    edit_->SetMaxValue(max);

    edit_->SetValue(set);
    QCOMPARE(edit_->Value(), expected);

    if (set == std::floor(set)) {  // typed texts hold whole numbers only
      edit_->SetText(QString::number(qint64(set)));
      QCOMPARE(edit_->Value(), expected);
    }
  }

  void textThatIsNoNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("minus sign alone") << "-";
  }
  void textThatIsNoNumber() {
    QFETCH(QString, text);
    edit_->SetMinValue(1);
    edit_->SetMaxValue(0);
    edit_->setText(text);  // as it may stand while being typed
    QCOMPARE(edit_->Value(), 1.0);
    edit_->SetText(text);
    QCOMPARE(edit_->Value(), 1.0);
    QCOMPARE(edit_->text(), QString("1"));
  }

  void changedBoundAppliesAtOnce() {
    edit_->SetMinValue(1);
    edit_->SetMaxValue(100);
    edit_->SetValue(80);
    edit_->SetMaxValue(50);
    QCOMPARE(edit_->Value(), 50.0);
    QCOMPARE(edit_->text(), QString("50"));
    edit_->SetMaxValue(1);  // equal bounds: 50 stays
    QCOMPARE(edit_->Value(), 50.0);
  }

  void leavingTheFieldAppliesTheRule() {
    edit_->SetMinValue(1);
    edit_->SetMaxValue(50);
    edit_->setFocus();
    QTest::keyClick(edit_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit_, "80");
    QCOMPARE(edit_->text(), QString("80"));
    other_->setFocus();
    QCOMPARE(edit_->text(), QString("50"));
    QCOMPARE(edit_->Value(), 50.0);
  }

  void keysThatKeepAWholeNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("refused");
    QTest::newRow("digits") << "120" << "120" << 0;
    QTest::newRow("leading minus") << "-4" << "-4" << 0;
    QTest::newRow("letters among digits") << "1a2b" << "12" << 2;
    QTest::newRow("minus inside") << "3-3" << "33" << 1;
    QTest::newRow("second minus") << "--2" << "-2" << 1;
    QTest::newRow("decimal separators") << "1.5,0" << "150" << 2;
    QTest::newRow("blank") << "7 7" << "77" << 1;
  }
  void keysThatKeepAWholeNumber() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, refused);
    edit_->setFocus();
    edit_->clear();
    QSignalSpy refusals(edit_, &TRxCalcEdit::inputRefused);
    QTest::keyClicks(edit_, typed);
    QCOMPARE(edit_->text(), expected);
    QCOMPARE(refusals.count(), refused);
  }

  void pasteThatIsNoNumberIsRefused() {
    edit_->setFocus();
    edit_->clear();
    QTest::keyClicks(edit_, "12");
    QApplication::clipboard()->setText("3x");
    QSignalSpy refusals(edit_, &TRxCalcEdit::inputRefused);
    edit_->paste();
    QCOMPARE(edit_->text(), QString("12"));
    QCOMPARE(refusals.count(), 1);
    QApplication::clipboard()->setText("34");
    edit_->paste();
    QCOMPARE(edit_->text(), QString("1234"));
  }

  void groupedWhenNotEdited() {
    edit_->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    other_->setFocus();
    edit_->SetMinValue(1);
    edit_->SetMaxValue(0);
    edit_->SetValue(1234567);
    const QString grouped = QString::fromUtf8("1\u00A0234\u00A0567");
    QCOMPARE(edit_->text(), grouped);
    QCOMPARE(edit_->Value(), 1234567.0);
    edit_->SetValue(1234);
    QCOMPARE(edit_->text(), QString::fromUtf8("1\u00A0234"));
    edit_->SetValue(1234567);

    // Tabbing in shows the bare digits, all selected for typing over.
    other_->setFocus();
    QTest::keyClick(other_, Qt::Key_Backtab);
    QVERIFY(edit_->hasFocus());
    QCOMPARE(edit_->text(), QString("1234567"));
    QCOMPARE(edit_->selectedText(), QString("1234567"));
    QTest::keyClicks(edit_, "2000");
    other_->setFocus();
    QCOMPARE(edit_->text(), QString::fromUtf8("2\u00A0000"));
  }

 private:
  QWidget* window_ = nullptr;
  TRxCalcEdit* edit_ = nullptr;
  QLineEdit* other_ = nullptr;
};

QTEST_MAIN(RxCalcEditTest)
#include "tst_rx_calc_edit.moc"
