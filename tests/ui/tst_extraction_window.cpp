// "GOŁ": the range of the range fields copied under the names of the two
// name boxes, and the one message box each press ends with.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "ui/rx_calc_edit.h"
#include "window_fixture.h"

using namespace kestra;

namespace {

QByteArray Records(const QByteArray& file, int from, int to, int length) {
  return file.mid((from - 1) * length, (to - from + 1) * length);
}

}  // namespace

class ExtractionWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void copiesTheRangeAfterTheBackup() {
    WindowFixture window;
    TForm1& form = *window.form;
    const QByteArray source = Join(NumberedCashRecords(5), "tail");
    const QString path = window.ListFile("KASA.DAT", source);
    form.ed_1->SetText("2");
    form.ed_2->SetText("4");
    form.btn_2->click();

    QCOMPARE(window.dialogs.messages.size(), size_t(1));
    QCOMPARE(window.dialogs.messages[0],
             (Message{"Zapisano plik\r" + path.toStdString(), "Informacja",
                      box_flags::kInformation}));
    QCOMPARE(ReadFile(window.Path("KASA.ORG")), source);
    QCOMPARE(ReadFile(path), Records(source, 2, 4, kCashLength));
    // The window shows what it showed before.
    QCOMPARE(form.lbl_FielName->text(), path);
    QCOMPARE(form.grd_1->model()->rowCount(), 5);
  }

  void refusals_data() {
    QTest::addColumn<bool>("rename_first");
    QTest::addColumn<QString>("backup_name");
    QTest::addColumn<QString>("output_name");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("source_renamed");
    QTest::newRow("second press: the backup exists")
        << true << "KASA.ORG" << "KASA.DAT" << 2
        << "Plik kopii zapasowej już istnieje !!!\r%1KASA.ORG\rPrzerywam operację!" << true;
    QTest::newRow("no rename: the output is the source")
        << false << "KASA.ORG" << "KASA.DAT" << 1
        << "Plik wynikowy już istnieje !!!\r%1KASA.DAT\rPrzerywam operację!" << false;
    QTest::newRow("backup name is the output name")
        << true << "KASA.NEW" << "KASA.NEW" << 1
        << "Plik wynikowy już istnieje !!!\r%1KASA.NEW\rPrzerywam operację!" << true;
    QTest::newRow("backup name is the source's name")
        << true << "KASA.DAT" << "KASA.NEW" << 1
        << "Plik kopii zapasowej już istnieje !!!\r%1KASA.DAT\rPrzerywam operację!" << false;
  }
  void refusals() {
    QFETCH(bool, rename_first);
    QFETCH(QString, backup_name);
    QFETCH(QString, output_name);
    QFETCH(int, presses);
    QFETCH(QString, text);
    QFETCH(bool, source_renamed);
    WindowFixture window;
    TForm1& form = *window.form;
    window.ListFile("KASA.DAT", Join(NumberedCashRecords(3)));
    form.chk_1->setChecked(rename_first);
    form.ed_OldFileName->setText(backup_name);
    form.ed_NewFileName->setText(output_name);
    for (int i = 0; i < presses; ++i) form.btn_2->click();

    QCOMPARE(window.dialogs.messages.size(), size_t(presses));
    const Message& last = window.dialogs.messages.back();
    QCOMPARE(QString::fromStdString(last.text), text.arg(window.folder.path() + "/"));
    QCOMPARE(QString::fromStdString(last.title), QString("Straszny Error"));
    QCOMPARE(last.flags, box_flags::kExclamation);
    if (presses == 1) QCOMPARE(QFile::exists(window.Path("KASA.DAT")), !source_renamed);
  }

  void copyEndedByReadBeyondTheEnd() {
    WindowFixture window;
    TForm1& form = *window.form;
    const QByteArray source = Join(NumberedCashRecords(1));
    window.ListFile("KASA.DAT", source);
    form.ed_2->SetText("3");  // one record listed: no upper bound
    form.btn_2->click();

    QCOMPARE(window.dialogs.messages.size(), size_t(1));
    const Message& report = window.dialogs.messages[0];
    QCOMPARE(report.text, std::string("Read beyond end of file."));
    QCOMPARE(QString::fromStdString(report.title), QGuiApplication::applicationDisplayName());
    QCOMPARE(report.flags, box_flags::kStop);
    QCOMPARE(ReadFile(window.Path("KASA.DAT")), source);  // the one whole record
  }

  // The record length is that of the kind selected at the press, in the
  // deliverable's profile.
  void kindAtThePressSetsTheRecordLength_data() {
    QTest::addColumn<Profile>("profile");
    QTest::addColumn<int>("length");
    QTest::newRow("kestra_std") << Profile::A << 5042;
    QTest::newRow("kestra_ue") << Profile::B << 5962;
  }
  void kindAtThePressSetsTheRecordLength() {
    QFETCH(Profile, profile);
    QFETCH(int, length);
    WindowFixture window(profile);
    TForm1& form = *window.form;
    QByteArray source;
    for (int i = 0; i < 3 * length; ++i) source += char(i * 7 % 251);
    window.ListFile("KP_01.DAT", source, 10);  // listed as "KP,KW": other records
    form.cbb_1->setCurrentIndex(0);
    form.chk_1->setChecked(false);
    form.ed_NewFileName->setText("FAKT.CUT");
    form.ed_1->SetText("2");
    form.ed_2->SetText("2");
    form.btn_2->click();

    QCOMPARE(window.dialogs.messages.size(), size_t(1));
    QCOMPARE(window.dialogs.messages[0].flags, box_flags::kInformation);
    QCOMPARE(ReadFile(window.Path("FAKT.CUT")), Records(source, 2, 2, length));
  }

  void pressBeforeAnyFile() {
    WindowFixture window;
    QDir::setCurrent(window.folder.path());
    window.form->btn_2->click();
    QCOMPARE(window.dialogs.messages.size(), size_t(1));
    QVERIFY(QDir(window.folder.path()).isEmpty());
  }
};

QTEST_MAIN(ExtractionWindowTest)
#include "tst_extraction_window.moc"
