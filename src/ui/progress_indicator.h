#pragma once

#include <QString>
#include <memory>

#include "platform/progress.h"

class QProgressDialog;
class QWidget;

namespace kestra {

// A modal indicator of a long listing or copy: it appears only once the
// work looks like taking longer than `show_after_ms`, shows the records done
// out of the total, and takes no input itself (no cancel button, Esc and the
// close button do nothing).  It runs on the user-interface thread: while it
// is up, the application handles only its painting.
class ProgressIndicator {
 public:
  // `label` holds %1 for the records done and %2 for the total.
  ProgressIndicator(QWidget* parent, const QString& label, int show_after_ms = 1000);
  ~ProgressIndicator();
  ProgressIndicator(const ProgressIndicator&) = delete;
  ProgressIndicator& operator=(const ProgressIndicator&) = delete;

  // The function to hand to the listing or the copy.
  ProgressFn Callback();

  // For tests: the dialog itself.
  QProgressDialog* dialog() const { return dialog_.get(); }

 private:
  void Report(std::int64_t done, std::int64_t total);

  QString label_;
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace kestra
