// kestra_screenshots: shows the windows of kestra_std on the screen it is
// given (Xvfb in tools/screenshots.sh), lists a sales file through
// "Otwórz zbiór" and saves pictures of the main window and the About window.
//
//   kestra_screenshots SALES_FILE OUTDIR

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTranslator>
#include <cstdio>

#include "ui/about_form.h"
#include "ui/dialogs.h"
#include "ui/main_form.h"

namespace {

// Answers the open dialog with the sales file, as a person would pick it.
class PickingDialogs : public kestra::ScreenDialogs {
 public:
  explicit PickingDialogs(QString file) : file_(std::move(file)) {}
  bool ExecuteOpenDialog(QFileDialog& dialog) override {
    dialog.selectFile(file_);
    return true;
  }

 private:
  QString file_;
};

bool Save(QWidget& window, const QString& path) {
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return false;
  QTest::qWait(300);  // let the platform paint everything once
  if (!window.grab().save(path)) return false;
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kestra_screenshots SALES_FILE OUTDIR\n");
    return 2;
  }
  QTranslator qt_texts;
  if (qt_texts.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }
  const QString file = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  const QDir out(QString::fromLocal8Bit(argv[2]));

  PickingDialogs dialogs(file);
  kestra::TForm1 Form1(kestra::Profile::A, &dialogs);
  kestra::Tfrm_about frm_about;
  Form1.frm_about = &frm_about;
  Form1.show();
  if (!QTest::qWaitForWindowExposed(&Form1)) return 1;

  Form1.cbb_1->setCurrentIndex(0);  // "Dokumenty sprzedaży"
  Form1.btn_1->click();
  Form1.grd_1->selectRow(2);
  if (!Save(Form1, out.filePath(QStringLiteral("main_window.png")))) return 1;
  if (!Save(frm_about, out.filePath(QStringLiteral("about_window.png")))) return 1;
  return 0;
}
