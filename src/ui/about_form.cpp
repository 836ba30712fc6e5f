#include "ui/about_form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "ui/design_fonts.h"
#include "ui/glyphs.h"

namespace kestra {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& box) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setTextFormat(Qt::PlainText);
  if (box.size().isEmpty()) {
    label->move(box.topLeft());
    label->adjustSize();
  } else {
    label->setGeometry(box);
  }
  return label;
}

}  // namespace

Tfrm_about::Tfrm_about(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frm_about"));
  setWindowTitle(QStringLiteral("o programie..."));
  setFont(DesignFont(11));
  setFixedSize(289, 310);

  Label1 = MakeLabel(this, "Label1", QStringLiteral("Program KESTRA v. 1.20 dla Windows 32"),
                     QRect(3, 4, 257, 16));
  QFont title = DesignFont(13);
  title.setBold(true);
  Label1->setFont(title);

  Label2 = MakeLabel(this, "Label2", QStringLiteral("Autor:"), QRect(12, 23, 0, 0));

  Label3 = MakeLabel(this, "Label3",
                     QStringLiteral("Pracownia Programów KESTRA\n"
                                    "ul. Przykładowa 12/4\n"
                                    "00-950 Warszawa\n"
                                    "tel. (22) 555 01 20\n"
                                    "e-mail: kestra@example.com\n"
                                    "www.example.com/kestra"),
                     QRect(68, 24, 166, 78));
  Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Label4 = MakeLabel(this, "Label4",
                     QStringLiteral(" \nJeżeli masz jakieś uwagi, sugestie lub propozyjce - "
                                    "kontaktuj się z nami."),
                     QRect(8, 104, 276, 65));
  Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label4->setWordWrap(true);

  Label5 = MakeLabel(this, "Label5",
                     QStringLiteral("PROGRAMU UŻYWASZ NA WŁASNĄ ODPOWIEDZIALNOŚĆ!\n"
                                    "Autor NIE ODPOWIADA za ewentualne szkody wynikłe z jego "
                                    "stosowania.\n"
                                    "Pamiętaj! Zawsze WYKONUJ KOPIE ZAPASOWE DANYCH!\n"),
                     QRect(24, 184, 242, 91));
  Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label5->setWordWrap(true);

  BitBtn1 = new QPushButton(OkGlyph(), QStringLiteral("OK"), this);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setGeometry(112, 280, 75, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

  // Key preview: the window sees each key before the control that has the
  // focus.
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void Tfrm_about::FormKeyDown(QObject* /*sender*/, int key, Qt::KeyboardModifiers /*shift*/) {
  if (key == Qt::Key_Escape) done(QDialog::Accepted);
}

bool Tfrm_about::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key_event = static_cast<QKeyEvent*>(event);
    FormKeyDown(watched, key_event->key(), key_event->modifiers());
  }
  return QDialog::eventFilter(watched, event);
}

void Tfrm_about::keyPressEvent(QKeyEvent* event) {
  // A key sent to the window itself (no control has the focus) has not
  // been previewed yet; one that a control passed on has.
  if (focusWidget() == nullptr) FormKeyDown(this, event->key(), event->modifiers());
  // Esc has done its work above; the dialog's own Esc would end the showing
  // again, as cancelled.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kestra
