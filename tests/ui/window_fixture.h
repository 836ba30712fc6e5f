#pragma once

// The main window with its dialogs answered by the test, and a folder for
// the test's files.

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "record_files.h"
#include "scripted_dialogs.h"
#include "ui/main_form.h"

struct WindowFixture {
  explicit WindowFixture(kestra::Profile profile = kestra::Profile::A)
      : form(std::make_unique<kestra::TForm1>(profile, &dialogs)) {}

  QString Path(const QString& name) const { return folder.filePath(name); }

  // Writes `bytes` into the test folder under `name` and lists it as kind
  // `kind` through "Otwórz zbiór".
  QString ListFile(const QString& name, const QByteArray& bytes, int kind = 13) {
    const QString path = Path(name);
    if (!WriteFile(path, bytes)) qFatal("cannot write %s", qPrintable(path));
    form->cbb_1->setCurrentIndex(kind);
    dialogs.ChooseFile(path);
    form->btn_1->click();
    return path;
  }

  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  std::unique_ptr<kestra::TForm1> form;
};
