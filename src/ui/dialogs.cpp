#include "ui/dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "platform/errors.h"

namespace kestra {
namespace {

QMessageBox::Icon IconOfFlags(int flags) {
  switch (flags & 0xF0) {
    case box_flags::kStop:
      return QMessageBox::Critical;
    case box_flags::kExclamation:
      return QMessageBox::Warning;
    case box_flags::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

void ScreenDialogs::ShowMessage(QWidget* parent, const Message& message) {
  // The texts use a lone carriage return between lines; a label breaks the
  // line only at a line feed.
  QString text = QString::fromStdString(message.text);
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(IconOfFlags(message.flags), QString::fromStdString(message.title), text,
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

bool ScreenDialogs::ExecuteOpenDialog(QFileDialog& dialog) {
  const bool chosen = dialog.exec() == QDialog::Accepted;
  // A name typed quickly and confirmed with Enter can leave the name
  // completion's list up after the dialog has gone, where it would swallow
  // the next click.
  for (QCompleter* completer : dialog.findChildren<QCompleter*>()) {
    if (completer->popup()) completer->popup()->hide();
  }
  return chosen;
}

Dialogs& DefaultDialogs() {
  static ScreenDialogs dialogs;
  return dialogs;
}

Message ErrorReport(std::string_view error_text) {
  // The platform's title of the application: the executable's name unless
  // a program sets another, which KESTRA does not.
  return Message{ErrorReportText(error_text),
                 QGuiApplication::applicationDisplayName().toStdString(), box_flags::kStop};
}

}  // namespace kestra
