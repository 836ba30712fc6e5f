// Lists a large "Rejestr raportu kasowego" file (kind 13, 131-byte records)
// in the main window and prints how long the listing took and how long the
// grid then took to show its first rows and its last ones.
//
//   bench_window_listing [records]        (1,000,000 by default)

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QComboBox>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "model/kinds.h"
#include "samples/sample_records.h"
#include "scripted_dialogs.h"
#include "text/twPL.h"
#include "ui/listing_model.h"
#include "ui/main_form.h"

namespace {

long PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const long records = argc > 1 ? std::atol(argv[1]) : 1'000'000;
  constexpr int kKind = 13;

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("KASA.DAT"));
  {
    const std::uint32_t length = kestra::RecordLength(kestra::Profile::A, kKind);
    std::vector<std::uint8_t> record(length);
    std::ofstream out(path.toStdString(), std::ios::binary);
    for (long i = 0; i < records; ++i) {
      kestra::FillSampleRecord(kestra::Profile::A, kKind, i, kestra::kCp852CodePage, record);
      out.write(reinterpret_cast<const char*>(record.data()), length);
    }
  }
  std::printf("file: %ld records of kind %d, written and in the page cache\n", records, kKind);
  const long memory_before = PeakMemoryMiB();

  ScriptedDialogs dialogs;
  kestra::TForm1 form(kestra::Profile::A, &dialogs);
  form.show();
  QApplication::processEvents();
  form.cbb_1->setCurrentIndex(kKind);
  dialogs.ChooseFile(path);

  QElapsedTimer clock;
  clock.start();
  form.btn_1->click();
  const qint64 listed = clock.elapsed();
  form.grd_1->viewport()->repaint();
  QApplication::processEvents();
  const qint64 shown = clock.elapsed();

  clock.restart();
  form.grd_1->scrollToBottom();
  form.grd_1->viewport()->repaint();
  QApplication::processEvents();
  const qint64 bottom = clock.elapsed();

  clock.restart();
  QScrollBar* bar = form.grd_1->verticalScrollBar();
  for (int step = 0; step < 100; ++step) {
    bar->setValue(bar->maximum() / 100 * step);
    form.grd_1->viewport()->repaint();
  }
  const qint64 hundred_pages = clock.elapsed();

  std::printf("rows in the grid: %d; messages: %zu\n", form.cells()->rowCount(),
              dialogs.messages.size());
  std::printf("click to listing done: %lld ms\n", static_cast<long long>(listed));
  std::printf("click to first rows painted: %lld ms\n", static_cast<long long>(shown));
  std::printf("jump to the last rows and paint: %lld ms\n", static_cast<long long>(bottom));
  std::printf("100 jumps across the file, each painted: %lld ms\n",
              static_cast<long long>(hundred_pages));
  std::printf("peak memory: %ld MiB (%ld MiB before the listing)\n", PeakMemoryMiB(),
              memory_before);
  return 0;
}
