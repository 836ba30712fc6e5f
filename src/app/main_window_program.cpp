// Start-up of the window programs.  kestra_std and kestra_ue are built from
// this one file; the build chooses the format profile (KESTRA_PROFILE_B for
// kestra_ue).
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/profile.h"
#include "ui/about_form.h"
#include "ui/main_form.h"

namespace {

#ifdef KESTRA_PROFILE_B
constexpr kestra::Profile kDeliverableProfile = kestra::Profile::B;
#else
constexpr kestra::Profile kDeliverableProfile = kestra::Profile::A;
#endif

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);

  // The windows speak Polish, so do Qt's own dialogs and buttons, when its
  // Polish texts are installed.
  QTranslator qt_texts;
  if (qt_texts.load(QStringLiteral("qtbase_pl"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }

  kestra::TForm1 Form1(kDeliverableProfile);
  kestra::Tfrm_about frm_about;
  Form1.frm_about = &frm_about;
  Form1.show();
  return application.exec();
}
