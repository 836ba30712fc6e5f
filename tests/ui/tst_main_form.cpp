// The main window: what it shows at start in each deliverable, its focus
// order, the "G" buttons and the popup menu, the column shares and the
// splitter.

#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include "ui/listing_model.h"
#include "ui/panel.h"
#include "ui/rx_calc_edit.h"
#include "window_fixture.h"

using namespace kestra;

namespace {

QStringList KindCaptions(const QComboBox* box) {
  QStringList captions;
  for (int i = 0; i < box->count(); ++i) captions << box->itemText(i);
  return captions;
}

QList<int> ColumnWidths(const QTableView* grid) {
  QList<int> widths;
  for (int column = 0; column < 4; ++column) widths << grid->horizontalHeader()->sectionSize(column);
  return widths;
}

QStringList HeaderTexts(const QTableView* grid) {
  QStringList texts;
  for (int column = 0; column < 4; ++column) {
    texts << grid->model()->headerData(column, Qt::Horizontal).toString();
  }
  return texts;
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

  void formCreate_data() {
    QTest::addColumn<Profile>("profile");
    QTest::addColumn<QString>("caption");
    QTest::newRow("kestra_std") << Profile::A
                                << "Program KESTRA wersja pod Windows / MX730 w wersji 2.00 STD/ADV SWW 20";
    QTest::newRow("kestra_ue") << Profile::B
                               << "Program KESTRA wersja pod Windows / MX730 w wersji 2.10 EXPORT/UE";
  }
  void formCreate() {
    QFETCH(Profile, profile);
    QFETCH(QString, caption);
    WindowFixture window(profile);
    TForm1& form = *window.form;

    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(KindCaptions(form.cbb_1),
             (QStringList{"Dokumenty sprzedaży", "Korekty sprzedaży", "Generator faktur",
                          "Noty korygujące", "Magazyn", "Wyroby", "Zamowienia", "Reklamacje",
                          "Dokumenty miedzymagazynowe", "Zakupy,faktury RR", "KP,KW",
                          "Spis banków", "Operacje bankowe", "Rejestr raportu kasowego",
                          "Przekazy pieniężne", "Kartoteka adresowa"}));
    QCOMPARE(form.cbb_1->currentIndex(), 0);
    QVERIFY(!form.cbb_1->isEditable());
    QVERIFY(form.cbb_1->maxVisibleItems() >= 16);
    QCOMPARE(HeaderTexts(form.grd_1), (QStringList{"nr kol.", "numer dok.", "z dnia", "firma"}));
  }

  void startState() {
    WindowFixture window;
    TForm1& form = *window.form;
    QCOMPARE(form.lbl_FielName->text(), QString("<brak>"));
    QCOMPARE(form.rg1_items->checkedId(), 0);
    QCOMPARE(form.rg1->title(), QString(" Polskie znaki "));
    QVERIFY(form.chk_1->isChecked());
    QCOMPARE(form.chk_1->text(), QString("najpierw zamien nazwę"));
    QVERIFY(form.ed_OldFileName->text().isEmpty());
    QVERIFY(form.ed_NewFileName->text().isEmpty());
    for (TRxCalcEdit* range : {form.ed_1, form.ed_2}) {
      QCOMPARE(range->Value(), 1.0);
      QCOMPARE(range->MinValue(), 1.0);
      QCOMPARE(range->MaxValue(), 0.0);
    }
    QCOMPARE(form.grd_1->model()->rowCount(), 4);
    QCOMPARE(ColumnWidths(form.grd_1), (QList<int>{64, 96, 94, 227}));
    QCOMPARE(form.grd_1->verticalHeader()->defaultSectionSize(), 18);
    QCOMPARE(form.grd_1->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(form.grd_1->selectionMode(), QAbstractItemView::ContiguousSelection);
    QVERIFY(form.grd_1->horizontalHeader()->sectionsMovable());
    QCOMPARE(form.grd_1->horizontalHeader()->sectionResizeMode(3), QHeaderView::Interactive);
  }

  // Everything a person or a script finds by its design name.
  void controlsCarryTheirDesignNames() {
    WindowFixture window;
    const QStringList names{"pnl_1", "pnl_3", "lbl_2", "Label1", "lbl_1", "cbb_1", "btn_1",
                            "lbl_3", "lbl_FielName", "rg1", "pnl_2", "pnl_5", "chk_1", "lbl_5",
                            "ed_OldFileName", "lbl_4", "ed_1", "btn_3", "Label2", "ed_2", "btn_4",
                            "lbl_6", "ed_NewFileName", "btn_2", "btn_5", "spl1", "pnl_4",
                            "grd_1", "StatusBar1", "od_1", "pm_1", "ustawwartoOD1", "N1",
                            "ustawwartoDOREKORDU1"};
    for (const QString& name : names) {
      QVERIFY2(window.form->findChild<QObject*>(name), qPrintable(name));
    }
    QCOMPARE(window.form->objectName(), QString("Form1"));
  }

  void captions() {
    WindowFixture window;
    TForm1& form = *window.form;
    QCOMPARE(form.btn_1->text(), QString("Otwórz zbiór"));
    QCOMPARE(form.btn_2->text(), QString("GOŁ"));
    QCOMPARE(form.btn_5->text(), QString("O programie"));
    QCOMPARE(form.lbl_2->text(), QString("Aplikacja do dzielenia zbiorów danych programu MX730"));
    QCOMPARE(form.Label1->text(), QString("UŻYWASZ NA WŁASNĄ ODPOWIEDZIALNOŚĆ !!!"));
    QCOMPARE(form.lbl_5->text(), QString("zbioru źródłowego na "));
    QCOMPARE(form.pnl_5->text(), QString("Akcja"));
    QCOMPARE(form.ustawwartoOD1->text(), QString("ustaw wartość OD REKORDU"));
    QVERIFY(form.N1->isSeparator());
    QCOMPARE(form.ustawwartoDOREKORDU1->text(), QString("ustaw wartość DO REKORDU"));
  }

  void focusOrder() {
    WindowFixture window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.cbb_1->setFocus();
    const QStringList expected{"btn_1",          "rg1_item0", "ed_1",  "ed_2",  "chk_1",
                               "ed_OldFileName", "ed_NewFileName", "btn_2", "btn_3", "btn_4",
                               "btn_5",          "grd_1",     "cbb_1"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void gridAreaOfTheDesignSize() {
    WindowFixture window;
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QCOMPARE(window.form->grd_1->width(), 509);
    QCOMPARE(window.form->pnl_2->width(), 185);
    QCOMPARE(ColumnWidths(window.form->grd_1), (QList<int>{41, 92, 92, 244}));
  }

  void splitterHoldsTheActionPanel_data() {
    QTest::addColumn<int>("drag");
    QTest::addColumn<int>("panel_width");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("far left") << -150 << 200 << QList<int>{39, 89, 89, 237};
    QTest::newRow("far right") << 150 << 180 << QList<int>{41, 93, 93, 247};
  }
  void splitterHoldsTheActionPanel() {
    QFETCH(int, drag);
    QFETCH(int, panel_width);
    QFETCH(QList<int>, widths);
    WindowFixture window;
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
    QSplitterHandle* handle = window.form->spl1->handle(1);
    const QPoint grip(handle->width() / 2, handle->height() / 2);
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(drag, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(drag, 0));
    QCOMPARE(window.form->pnl_2->width(), panel_width);
    QCOMPARE(ColumnWidths(window.form->grd_1), widths);
  }

  // Moving a column takes its header and cells along, and the shares still
  // go by each column's own index.
  void movedColumnsKeepHeadersAndShares() {
    WindowFixture window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QHeaderView* header = form.grd_1->horizontalHeader();
    header->moveSection(3, 1);  // "firma" next to "nr kol."
    window.ListFile("KASA.DAT", Join({CashRecord(5, 3, 2004, "Jan", "Nowak", "", 12.5)}));

    const int shown = header->logicalIndex(1);
    QCOMPARE(form.grd_1->model()->headerData(shown, Qt::Horizontal).toString(), QString("firma"));
    QCOMPARE(form.grd_1->model()->index(0, shown).data().toString(), QString("Jan Nowak "));

    form.resize(form.width() + 100, form.height());
    QTRY_COMPARE(form.grd_1->width(), 609);
    QCOMPARE(ColumnWidths(form.grd_1), (QList<int>{51, 112, 112, 294}));
  }

  void recordNumberColumnStaysFirst() {
    WindowFixture window;
    QHeaderView* header = window.form->grd_1->horizontalHeader();
    header->moveSection(0, 2);
    QCOMPARE(header->visualIndex(0), 0);
    header->moveSection(2, 0);
    QCOMPARE(header->visualIndex(0), 0);
    QCOMPARE(header->visualIndex(2), 1);
  }

  void gButtonsTakeTheCurrentRow_data() {
    QTest::addColumn<bool>("to_field");
    QTest::addColumn<bool>("from_popup");
    QTest::newRow("G beside od rekordu") << false << false;
    QTest::newRow("ustaw wartość OD REKORDU") << false << true;
    QTest::newRow("G beside do rekordu") << true << false;
    QTest::newRow("ustaw wartość DO REKORDU") << true << true;
  }
  void gButtonsTakeTheCurrentRow() {
    QFETCH(bool, to_field);
    QFETCH(bool, from_popup);
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(50)));
    QCOMPARE(form.ed_1->Value(), 1.0);
    QCOMPARE(form.ed_2->Value(), 50.0);

    form.grd_1->selectRow(11);  // record 12
    if (from_popup) {
      (to_field ? form.ustawwartoDOREKORDU1 : form.ustawwartoOD1)->trigger();
    } else {
      (to_field ? form.btn_4 : form.btn_3)->click();
    }
    QCOMPARE(form.ed_1->Value(), to_field ? 1.0 : 12.0);
    QCOMPARE(form.ed_2->Value(), to_field ? 12.0 : 50.0);
  }

  void gButtonBeforeAnyListing() {
    WindowFixture window;
    window.form->grd_1->selectRow(2);
    window.form->btn_3->click();
    QCOMPARE(window.form->ed_1->Value(), 3.0);
  }

  void typedValueBoundOnLeaving() {
    WindowFixture window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(50)));
    form.ed_2->setFocus();
    QTest::keyClick(form.ed_2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form.ed_2, "80");
    form.chk_1->setFocus();
    QCOMPARE(form.ed_2->Value(), 50.0);
    QCOMPARE(form.ed_2->text(), QString("50"));
  }

  void popupMenuOpensOverTheGrid() {
    WindowFixture window;
    TForm1& form = *window.form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QPoint at(20, 30);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, form.grd_1->viewport()->mapToGlobal(at));
    QApplication::sendEvent(form.grd_1->viewport(), &click);
    QTRY_VERIFY(form.pm_1->isVisible());
    form.pm_1->close();
  }
};

QTEST_MAIN(MainFormTest)
#include "tst_main_form.moc"
