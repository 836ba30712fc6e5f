#pragma once

// Answers the main window's message boxes and open dialog instead of a
// person, and keeps what they showed.

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "platform/message.h"
#include "ui/dialogs.h"

struct OpenDialogAnswer {
  QString file;           // empty: the person cancels
  int filter_index = -1;  // the entry the person picks; -1 leaves it
};

// What the open dialog looked like when it was shown.
struct OpenDialogSeen {
  QStringList filters;
  QString selected_filter;
  QStringList selected_files;
};

class ScriptedDialogs : public kestra::Dialogs {
 public:
  void ChooseFile(const QString& file, int filter_index = -1) {
    answers_.push_back({file, filter_index});
  }
  void Cancel() { answers_.push_back({}); }

  void ShowMessage(QWidget*, const kestra::Message& message) override {
    messages.push_back(message);
  }

  bool ExecuteOpenDialog(QFileDialog& dialog) override {
    shown.push_back({dialog.nameFilters(), dialog.selectedNameFilter(), dialog.selectedFiles()});
    if (answers_.empty()) return false;
    const OpenDialogAnswer answer = answers_.front();
    answers_.pop_front();
    if (answer.file.isEmpty()) return false;
    if (answer.filter_index >= 0) dialog.selectNameFilter(dialog.nameFilters().value(answer.filter_index));
    dialog.selectFile(answer.file);
    return true;
  }

  std::vector<kestra::Message> messages;
  std::vector<OpenDialogSeen> shown;

 private:
  std::deque<OpenDialogAnswer> answers_;
};
