#include "ui/progress_indicator.h"

#include <QCloseEvent>
#include <QLocale>
#include <QProgressDialog>
#include <algorithm>

namespace kestra {
namespace {

constexpr int kSteps = 1000;

// A progress dialog that cannot be dismissed: the handler that shows it
// runs to its end before anything else is done.
class StickyProgressDialog : public QProgressDialog {
 public:
  explicit StickyProgressDialog(QWidget* parent)
      : QProgressDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {}

  void reject() override {}

 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

ProgressIndicator::ProgressIndicator(QWidget* parent, const QString& label, int show_after_ms)
    : label_(label), dialog_(std::make_unique<StickyProgressDialog>(parent)) {
  dialog_->setObjectName(QStringLiteral("progress"));
  dialog_->setWindowTitle(QStringLiteral("KESTRA"));
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setCancelButton(nullptr);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(show_after_ms);
  dialog_->setRange(0, kSteps);
  dialog_->setLabelText(label_.arg(0).arg(0));
  dialog_->setValue(0);  // starts the clock
}

ProgressIndicator::~ProgressIndicator() = default;

ProgressFn ProgressIndicator::Callback() {
  return [this](std::int64_t done, std::int64_t total) { Report(done, total); };
}

void ProgressIndicator::Report(std::int64_t done, std::int64_t total) {
  if (total <= 0) return;
  const QLocale locale;
  dialog_->setLabelText(label_.arg(locale.toString(qlonglong(done)), locale.toString(qlonglong(total))));
  const int step = static_cast<int>(std::min<std::int64_t>(done, total) * kSteps / total);
  // Step 0 would start the clock again.
  dialog_->setValue(std::max(step, 1));
}

}  // namespace kestra
