// "Otwórz zbiór": the open dialog, the refusal of an empty file, the
// proposed names, the grid and the range fields after a listing, and what
// a failed listing leaves behind.

#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <limits>

#include "ui/listing_model.h"
#include "ui/rx_calc_edit.h"
#include "window_fixture.h"

using namespace kestra;

namespace {

// Zażółć gęślą jaźń, in CP852 and in Mazovia.
const QByteArray kZazolcCp852("Za\xBE\xA2\x88\x86");
const QByteArray kGeslaCp852("g\xA9\x98l\xA5");
const QByteArray kJaznCp852("ja\xAB\xE4");
const QByteArray kZazolcMazovia("Za\xA7\xA2\x92\x8D");
const QByteArray kGeslaMazovia("g\x91\x9El\x86");
const QByteArray kJaznMazovia("ja\xA6\xA4");

QStringList Row(const QTableView* grid, int row) {
  QStringList cells;
  for (int column = 0; column < 4; ++column) {
    cells << grid->model()->index(row, column).data().toString();
  }
  return cells;
}

struct RangeState {
  double from, to, from_max, to_max;
  bool operator==(const RangeState&) const = default;
};

RangeState Range(const TForm1& form) {
  return {form.ed_1->Value(), form.ed_2->Value(), form.ed_1->MaxValue(), form.ed_2->MaxValue()};
}

}  // namespace

class ListingWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

  void listsEveryWholeRecord_data() {
    QTest::addColumn<int>("code_page_item");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QByteArray>("third");
    QTest::newRow("CP-852") << 0 << kZazolcCp852 << kGeslaCp852 << kJaznCp852;
    QTest::newRow("MAZovia") << 1 << kZazolcMazovia << kGeslaMazovia << kJaznMazovia;
  }
  void listsEveryWholeRecord() {
    QFETCH(int, code_page_item);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QByteArray, third);
    WindowFixture window;
    TForm1& form = *window.form;
    form.rg1_items->button(code_page_item)->setChecked(true);
    const QString path = window.ListFile(
        "Kasa2004.dat",
        Join({CashRecord(5, 3, 2004, first, second, third, 12.5),
              CashRecord(31, 12, 2004, "Bank", "", "", -0.125),
              CashRecord(0, 0, 0, "", "", "", 100)},
             "half a record"));

    QVERIFY(window.dialogs.messages.empty());
    QCOMPARE(form.lbl_FielName->text(), path);
    QCOMPARE(form.ed_NewFileName->text(), QString("Kasa2004.dat"));
    QCOMPARE(form.ed_OldFileName->text(), QString("Kasa2004.ORG"));

    QCOMPARE(form.grd_1->model()->rowCount(), 3);
    QCOMPARE(Row(form.grd_1, 0),
             (QStringList{"1", "12,5", "05.03.2004", QString::fromUtf8("Zażółć gęślą jaźń")}));
    QCOMPARE(Row(form.grd_1, 1), (QStringList{"2", "-0,12", "31.12.2004", "Bank  "}));
    QCOMPARE(Row(form.grd_1, 2), (QStringList{"3", "100", "00.00.0000", "  "}));

    QCOMPARE(Range(form), (RangeState{1, 3, 3, 3}));
  }

  void dialogOffersTheKindsFilter_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("filters");
    QTest::newRow("sales") << 0
                           << QStringList{"Sprzedaż (Fakt* Para* Rach* FVWE* WDT*)",
                                          "Wszystkie pliki (*)"};
    QTest::newRow("cash register") << 13
                                   << QStringList{"Rej.rap.kasowego (Kasa.* Kasa)",
                                                  "Wszystkie pliki (*)"};
    QTest::newRow("bank operations: catch-all alone") << 12
                                                      << QStringList{"Wszystkie pliki (*)"};
  }
  void dialogOffersTheKindsFilter() {
    QFETCH(int, kind);
    QFETCH(QStringList, filters);
    WindowFixture window;
    window.form->cbb_1->setCurrentIndex(kind);
    window.dialogs.Cancel();
    window.form->btn_1->click();
    QCOMPARE(window.dialogs.shown.size(), size_t(1));
    QCOMPARE(window.dialogs.shown[0].filters, filters);
    // The dialog names the selected entry by its description.
    QCOMPARE(window.dialogs.shown[0].selected_filter, filters[0].section(" (", 0, 0));
  }

  void dialogKeepsTheLastFileAndEntry() {
    WindowFixture window;
    const QString path = window.Path("KASA.DAT");
    QVERIFY(WriteFile(path, Join(NumberedCashRecords(2))));
    window.form->cbb_1->setCurrentIndex(13);
    window.dialogs.ChooseFile(path, 1);
    window.form->btn_1->click();
    window.form->cbb_1->setCurrentIndex(0);
    window.dialogs.Cancel();
    window.form->btn_1->click();
    QCOMPARE(window.dialogs.shown[1].selected_files, QStringList{path});
    QCOMPARE(window.dialogs.shown[1].selected_filter, QString("Wszystkie pliki"));
  }

  void cancelledDialogChangesNothing() {
    WindowFixture window;
    TForm1& form = *window.form;
    const QString path = window.ListFile("KASA.DAT", Join(NumberedCashRecords(7)));
    form.grd_1->selectRow(4);
    form.btn_3->click();
    form.cbb_1->setCurrentIndex(0);

    window.dialogs.Cancel();
    form.btn_1->click();
    QCOMPARE(form.lbl_FielName->text(), path);
    QCOMPARE(form.ed_NewFileName->text(), QString("KASA.DAT"));
    QCOMPARE(form.ed_OldFileName->text(), QString("KASA.ORG"));
    QCOMPARE(form.grd_1->model()->rowCount(), 7);
    QCOMPARE(Range(form), (RangeState{5, 7, 7, 7}));
    QVERIFY(window.dialogs.messages.empty());
  }

  void emptyFileIsRefused() {
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(4)));
    const QString empty = window.ListFile("KASA.001", QByteArray());

    QCOMPARE(window.dialogs.messages.size(), size_t(1));
    QCOMPARE(window.dialogs.messages[0],
             (Message{"Plik zerowej długości.", "Niestety", box_flags::kExclamation}));
    QCOMPARE(form.lbl_FielName->text(), empty);
    QCOMPARE(form.ed_NewFileName->text(), QString("KASA.DAT"));
    QCOMPARE(form.ed_OldFileName->text(), QString("KASA.ORG"));
    QCOMPARE(form.grd_1->model()->rowCount(), 4);
    QCOMPARE(Range(form), (RangeState{1, 4, 4, 4}));
  }

  void fileShorterThanARecord() {
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(9)));
    window.ListFile("KASA.002", QByteArray(kCashLength - 1, 'x'));
    QVERIFY(window.dialogs.messages.empty());
    QCOMPARE(form.grd_1->model()->rowCount(), 0);
    QCOMPARE(form.ed_1->Value(), 1.0);
    QCOMPARE(form.ed_2->Value(), 1.0);
    // No record: only the lower bound holds.
    form.ed_2->SetText("40");
    QCOMPARE(form.ed_2->Value(), 40.0);
  }

  void shorterListingReplacesLongerOne() {
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(100)));
    window.ListFile("KASA.003", Join(NumberedCashRecords(3)));
    QCOMPARE(form.grd_1->model()->rowCount(), 3);
    QCOMPARE(Row(form.grd_1, 2)[0], QString("3"));
    QCOMPARE(Range(form), (RangeState{1, 3, 3, 3}));
    form.ed_2->SetText("100");
    QCOMPARE(form.ed_2->Value(), 3.0);
  }

  void oneRecordLeavesTheFieldsUnbound() {
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(1)));
    QCOMPARE(Range(form), (RangeState{1, 1, 1, 1}));
    form.ed_2->SetText("7");
    form.ed_1->SetText("0");
    QCOMPARE(form.ed_2->Value(), 7.0);
    QCOMPARE(form.ed_1->Value(), 0.0);
  }

  void failureMidListing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read_only");
    QTest::addColumn<int>("rows_before_failure");
    QTest::addColumn<QString>("report");
    QTest::newRow("amount that is no number")
        << Join({CashRecord(1, 1, 2001, "A", "", "", 1), CashRecord(2, 1, 2001, "B", "", "", 2),
                 CashRecord(3, 1, 2001, "C", "", "", std::numeric_limits<double>::quiet_NaN()),
                 CashRecord(4, 1, 2001, "D", "", "", 4)})
        << false << 2 << "Invalid floating point operation.";
    QTest::newRow("read-only file") << Join(NumberedCashRecords(3)) << true << 0
                                    << "File access denied.";
  }
  void failureMidListing() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read_only);
    QFETCH(int, rows_before_failure);
    QFETCH(QString, report);
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(20)));
    form.grd_1->selectRow(5);
    form.btn_3->click();

    const QString path = window.Path("KASA.BAD");
    QVERIFY(WriteFile(path, bytes));
    if (read_only) QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    window.dialogs.ChooseFile(path);
    form.btn_1->click();

    QCOMPARE(window.dialogs.messages.size(), size_t(1));
    const Message& shown = window.dialogs.messages[0];
    QCOMPARE(QString::fromStdString(shown.text), report);
    QCOMPARE(QString::fromStdString(shown.title), QGuiApplication::applicationDisplayName());
    QCOMPARE(shown.flags, box_flags::kStop);

    QCOMPARE(form.lbl_FielName->text(), path);
    QCOMPARE(form.ed_NewFileName->text(), QString("KASA.BAD"));
    QCOMPARE(form.ed_OldFileName->text(), QString("KASA.ORG"));
    // The rows listed before the failure, then the row the failed record
    // was to fill, empty.
    QCOMPARE(form.grd_1->model()->rowCount(), rows_before_failure + 1);
    QCOMPARE(Row(form.grd_1, rows_before_failure), (QStringList{"", "", "", ""}));
    if (rows_before_failure > 0) QCOMPARE(Row(form.grd_1, 1)[3], QString("B  "));
    QCOMPARE(Range(form), (RangeState{6, 20, 20, 20}));

    // The window goes on: the next listing works.
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(2)));
    QCOMPARE(form.grd_1->model()->rowCount(), 2);
  }
};

QTEST_MAIN(ListingWindowTest)
#include "tst_listing_window.moc"
