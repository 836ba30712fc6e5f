#pragma once

#include <string_view>

#include "platform/message.h"

class QFileDialog;
class QWidget;

namespace kestra {

// The one way the windows talk to the person at the screen: every message
// box, the error report and the open dialog go through here, so that a test
// can answer them instead.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal box with the message's text (a lone "\r" breaks the line), its
  // title, the icon of its flags (16 stop, 48 exclamation mark, 64
  // information) and a single OK button.
  virtual void ShowMessage(QWidget* parent, const Message& message) = 0;

  // Shows the open dialog modally; true when a file was chosen, which the
  // dialog then holds as its selected file.
  virtual bool ExecuteOpenDialog(QFileDialog& dialog) = 0;
};

// The real boxes and the real dialog.
class ScreenDialogs : public Dialogs {
 public:
  void ShowMessage(QWidget* parent, const Message& message) override;
  bool ExecuteOpenDialog(QFileDialog& dialog) override;
};

// The application's one ScreenDialogs.
Dialogs& DefaultDialogs();

// The error report of an error that ended a handler: its text (with the full
// stop rule), the application's title and the stop icon.
Message ErrorReport(std::string_view error_text);

}  // namespace kestra
