// The small parts the main window is made of: the open dialog's filters,
// the column shares, the regional separators, the grid's rows, the message
// boxes and the progress indicator.

#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "listing/row_store.h"
#include "ui/column_widths.h"
#include "ui/dialogs.h"
#include "ui/file_filter.h"
#include "ui/listing_model.h"
#include "ui/progress_indicator.h"
#include "ui/regional_qt.h"

using namespace kestra;

namespace {

bool AnyFilterMatches(const QString& qt_filter, const QString& name) {
  const QString patterns = qt_filter.section(QLatin1Char('('), 1).chopped(1);
  for (const QString& pattern : patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    // The dialog matches without regard to case (its filter lacks
    // QDir::CaseSensitive); so does this.
    if (QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive).match(name).hasMatch()) {
      return true;
    }
  }
  return false;
}

}  // namespace

class UiPartsTest : public QObject {
  Q_OBJECT

 private slots:
  void filtersTranslated_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("sales")
        << "Sprzedaż|Fakt*.*;Para*.*;Rach*.*;FVWE*.*;WDT*.*|Wszystkie pliki|*.*"
        << QStringList{"Sprzedaż (Fakt* Para* Rach* FVWE* WDT*)", "Wszystkie pliki (*)"};
    QTest::newRow("fixed name") << "Szablony|Szablon.*|Wszystkie pliki|*.*"
                                << QStringList{"Szablony (Szablon.* Szablon)", "Wszystkie pliki (*)"};
    QTest::newRow("catch-all alone") << "Wszystkie pliki|*.*" << QStringList{"Wszystkie pliki (*)"};
    QTest::newRow("no extension part") << "Raporty|raport_?" << QStringList{"Raporty (raport_?)"};
  }
  void filtersTranslated() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(QtNameFilters(filter), expected);
  }

  // Names as the data files' users expect them to be offered.
  void filtersMatchAsOnWindows_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("offered");
    const QString sales = "Sprzedaż|Fakt*.*;Para*.*";
    const QString cash = "Rej.rap.kasowego|Kasa.*";
    const QString all = "Wszystkie pliki|*.*";
    QTest::newRow("upper-case name") << sales << "FAKT03.DAT" << true;
    QTest::newRow("lower-case name") << sales << "fakt03.dat" << true;
    QTest::newRow("sales without extension") << sales << "FAKT" << true;
    QTest::newRow("other kind") << sales << "KASA.DAT" << false;
    QTest::newRow("fixed name with extension") << cash << "KASA.001" << true;
    QTest::newRow("fixed name without extension") << cash << "KASA" << true;
    QTest::newRow("longer name") << cash << "KASA1.DAT" << false;
    QTest::newRow("all: without extension") << all << "KASA" << true;
    QTest::newRow("all: with extension") << all << "ZAM03.DAT" << true;
  }
  void filtersMatchAsOnWindows() {
    QFETCH(QString, filter);
    QFETCH(QString, name);
    QFETCH(bool, offered);
    QCOMPARE(AnyFilterMatches(QtNameFilters(filter).value(0), name), offered);
  }

  void columnWidths_data() {
    QTest::addColumn<int>("grid_width");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("design width") << 509 << QList<int>{41, 92, 92, 244};
    QTest::newRow("halves to even, down") << 105 << QList<int>{0, 11, 11, 42};
    QTest::newRow("halves to even, up") << 95 << QList<int>{0, 9, 9, 38};
    QTest::newRow("narrow grid: never negative") << 30 << QList<int>{0, 0, 0, 5};
    QTest::newRow("no width") << 0 << QList<int>{0, 0, 0, 0};
  }
  void columnWidths() {
    QFETCH(int, grid_width);
    QFETCH(QList<int>, expected);
    QList<int> widths;
    for (std::uint8_t share : kColumnShares) widths << ColumnWidth(grid_width, share);
    QCOMPARE(widths, expected);
  }

  void regionalSeparators_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<char>("date_separator");
    QTest::addColumn<char>("decimal_separator");
    QTest::newRow("Polish") << QLocale(QLocale::Polish, QLocale::Poland) << '.' << ',';
    QTest::newRow("American") << QLocale(QLocale::English, QLocale::UnitedStates) << '/' << '.';
    QTest::newRow("Swedish") << QLocale(QLocale::Swedish, QLocale::Sweden) << '-' << ',';
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << '.' << ',';
  }
  void regionalSeparators() {
    QFETCH(QLocale, locale);
    QFETCH(char, date_separator);
    QFETCH(char, decimal_separator);
    const RegionalSettings regional = RegionalFromLocale(locale);
    QCOMPARE(regional.date_separator, date_separator);
    QCOMPARE(regional.decimal_separator, decimal_separator);
  }

  void gridRowsFollowTheListing() {
    ListingModel cells;
    QCOMPARE(cells.rowCount(), 4);  // before the first listing
    QCOMPARE(cells.columnCount(), 4);

    cells.BeginListing();
    QCOMPARE(cells.rowCount(), 1);

    RowStore rows;
    rows.Append("12", "01-02-2005", "Pi\xB9tek \xA3\xF3\x64\x9F");
    rows.Append("-3AB", "", "");
    cells.ShowRows(std::move(rows), false);
    QCOMPARE(cells.rowCount(), 2);
    QCOMPARE(cells.CellText(0, 0), "1");
    QCOMPARE(cells.CellText(1, 0), "2");
    QCOMPARE(cells.index(1, 1).data().toString(), "-3AB");
    QCOMPARE(cells.index(0, 2).data().toString(), "01-02-2005");
    // Windows-1250 bytes shown as the letters they stand for.
    QCOMPARE(cells.index(0, 3).data().toString(), QString::fromUtf8("Piątek Łódź"));

    RowStore partial;
    partial.Append("7", "", "");
    cells.ShowRows(std::move(partial), true);
    QCOMPARE(cells.rowCount(), 2);  // the trailing row of a listing an error ended
    QCOMPARE(cells.index(1, 0).data().toString(), QString());
    QVERIFY(!(cells.flags(cells.index(0, 1)) & Qt::ItemIsEditable));
  }

  void messageBoxes_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("icon");
    QTest::newRow("stop") << 16 << int(QMessageBox::Critical);
    QTest::newRow("exclamation mark") << 48 << int(QMessageBox::Warning);
    QTest::newRow("information") << 64 << int(QMessageBox::Information);
  }
  void messageBoxes() {
    QFETCH(int, flags);
    QFETCH(int, icon);
    QString text, title;
    int shown_icon = -1;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      text = box->text();
      title = box->windowTitle();
      shown_icon = box->icon();
      for (QAbstractButton* button : box->buttons()) buttons << button->text();
      box->button(QMessageBox::Ok)->click();
    });
    ScreenDialogs().ShowMessage(nullptr, Message{"Zapisano plik\r/dane/FAKT03.DAT", "Informacja", flags});
    QCOMPARE(text, QString("Zapisano plik\n/dane/FAKT03.DAT"));
    QCOMPARE(title, QString("Informacja"));
    QCOMPARE(shown_icon, icon);
    QCOMPARE(buttons.size(), 1);
  }

  void errorReport() {
    const Message report = ErrorReport("File not found");
    QCOMPARE(report.text, std::string("File not found."));
    QCOMPARE(QString::fromStdString(report.title), QGuiApplication::applicationDisplayName());
    QCOMPARE(report.flags, 16);
  }

  void progressIndicatorHoldsTheApplication() {
    QWidget window;
    window.show();
    ProgressIndicator progress(&window, "Odczytano rekordów: %1 z %2", 0);
    progress.Callback()(250, 1000);
    QProgressDialog* dialog = progress.dialog();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QVERIFY(dialog->findChildren<QPushButton*>().isEmpty());  // nothing to cancel with
    const auto* label = dialog->findChild<QLabel*>();
    QVERIFY(label);
    QVERIFY2(label->text().startsWith("Odczytano rekordów: 250 z 1"), qPrintable(label->text()));

    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    dialog->close();
    QVERIFY(dialog->isVisible());
  }
};

QTEST_MAIN(UiPartsTest)
#include "tst_ui_parts.moc"
