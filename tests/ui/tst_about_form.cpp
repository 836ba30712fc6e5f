// "o programie...": its texts, and the ways it closes.

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "ui/about_form.h"
#include "window_fixture.h"

using namespace kestra;

class AboutFormTest : public QObject {
  Q_OBJECT

 private slots:
  void design() {
    Tfrm_about about;
    QCOMPARE(about.objectName(), QString("frm_about"));
    QCOMPARE(about.windowTitle(), QString("o programie..."));
    QCOMPARE(about.size(), QSize(289, 310));
    QVERIFY(!about.isVisible());
    QCOMPARE(about.Label1->text(), QString("Program KESTRA v. 1.20 dla Windows 32"));
    QVERIFY(about.Label1->font().bold());
    QCOMPARE(about.Label2->text(), QString("Autor:"));
    QCOMPARE(about.Label3->text().count('\n'), 5);  // six lines
    QCOMPARE(about.Label4->text(),
             QString(" \nJeżeli masz jakieś uwagi, sugestie lub propozyjce - kontaktuj się z nami."));
    QCOMPARE(about.Label5->text(),
             QString("PROGRAMU UŻYWASZ NA WŁASNĄ ODPOWIEDZIALNOŚĆ!\n"
                     "Autor NIE ODPOWIADA za ewentualne szkody wynikłe z jego stosowania.\n"
                     "Pamiętaj! Zawsze WYKONUJ KOPIE ZAPASOWE DANYCH!\n"));
    QCOMPARE(about.BitBtn1->text(), QString("OK"));
    QVERIFY(about.BitBtn1->isDefault());
  }

  void closes_data() {
    QTest::addColumn<bool>("button_has_focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Esc, OK focused") << true << int(Qt::Key_Escape);
    QTest::newRow("Esc, nothing focused") << false << int(Qt::Key_Escape);
    QTest::newRow("Enter, OK focused") << true << int(Qt::Key_Return);
    QTest::newRow("Enter, nothing focused") << false << int(Qt::Key_Return);
  }
  void closes() {
    QFETCH(bool, button_has_focus);
    QFETCH(int, key);
    Tfrm_about about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    if (button_has_focus) {
      about.BitBtn1->setFocus();
    } else {
      about.BitBtn1->clearFocus();
    }
    QCOMPARE(about.BitBtn1->hasFocus(), button_has_focus);
    // As the platform delivers it: to the control with the focus, if any.
    QTest::keyClick(about.windowHandle(), Qt::Key(key));
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  void otherKeysLeaveItOpen() {
    Tfrm_about about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(about.windowHandle(), Qt::Key_A);
    QTest::keyClick(about.windowHandle(), Qt::Key_F1);
    QVERIFY(about.isVisible());
  }

  // "O programie" shows it modally; closed and shown again, it is the same.
  void shownModallyFromTheMainWindow() {
    WindowFixture window;
    Tfrm_about about;
    window.form->frm_about = &about;
    window.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));

    for (int showing = 0; showing < 2; ++showing) {
      bool was_modal = false;
      QString texts;
      QTimer::singleShot(0, [&] {
        was_modal = QApplication::activeModalWidget() == &about;
        texts = about.Label1->text() + about.Label5->text();
        QTest::keyClick(about.windowHandle(), Qt::Key_Escape);
      });
      window.form->btn_5->click();
      QVERIFY(was_modal);
      QVERIFY(!about.isVisible());
      QVERIFY(texts.startsWith("Program KESTRA v. 1.20 dla Windows 32PROGRAMU"));
    }
  }
};

QTEST_MAIN(AboutFormTest)
#include "tst_about_form.moc"
