// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: its texts, its links and their colours, and its modality.
#include "about/form2.h"
#include "support/testplatform.h"
#include "toolkit/label.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tavelin;
using namespace tavelin::test;

namespace {
const QColor blue(0, 0, 255);
const QColor black(0, 0, 0);
} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    TestGame game_;
    TestGame* game = &game_;
    Form1* form = game_.form.get();

private slots:
    void aboutBoxLinksAndColours() {
        form->hide(); // the mouse goes to the topmost window under it: let that be the box
        Form2 about(game->urls, game->dialogs, form);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QString("About"));
        QVERIFY(about.Label1().text().startsWith("BY : "));
        QVERIFY(about.Label2().text().startsWith("E-MAIL : "));
        QVERIFY(about.Label13().text().startsWith("URL : "));
        QVERIFY(!about.Label13().text().contains("://"));

        QWidget* surface = about.Label2().parentWidget();
        QTest::mouseMove(surface, about.Label2().geometry().center());
        QTRY_COMPARE(about.Label2().foreColor(), blue);
        QTest::mouseMove(surface, about.Label13().geometry().center()); // straight across
        QTRY_COMPARE(about.Label13().foreColor(), blue);
        QCOMPARE(about.Label2().foreColor(), black);
        QTest::mouseMove(surface, about.Label1().geometry().center()); // no hover handler
        QTest::qWait(20);
        QCOMPARE(about.Label13().foreColor(), blue);
        QTest::mouseMove(surface, QPoint(2, 2)); // the dialog's background
        QTRY_COMPARE(about.Label13().foreColor(), black);

        QTest::mouseClick(&about.Label13(), Qt::LeftButton);
        QTest::mouseClick(&about.Label2(), Qt::LeftButton);
        QCOMPARE(game->urls.opened.size(), 2);
        QCOMPARE(game->urls.opened.at(0).scheme(), QString("https"));
        QCOMPARE(game->urls.opened.at(0).host() + "", about.Label13().text().mid(6));
        QCOMPARE("mailto:" + about.Label2().text().mid(9), game->urls.opened.at(1).toString());
        QCOMPARE(QApplication::focusWidget(), &about.Command1());

        game->urls.canOpen = false; // no mail program: the address is shown to be copied
        QTest::mouseClick(&about.Label2(), Qt::LeftButton);
        QCOMPARE(game->dialogs.shown.size(), 1);
        QVERIFY(game->dialogs.shown.at(0).text.endsWith("\n" + about.Label2().text().mid(9)));
    }
    void aboutBoxIsModalAndClosesWithOk() {
        setBoard(*form, "RB");
        bool wasModal = false;
        QTimer::singleShot(0, this, [&] {
            auto* about = dynamic_cast<Form2*>(QApplication::activeModalWidget());
            wasModal = about != nullptr;
            if (about != nullptr) {
                QTest::mouseClick(&about->Command1(), Qt::LeftButton);
            }
        });
        form->mnuAbout_Click(); // returns once OK has closed the box
        QVERIFY(wasModal);
        QCOMPARE(boardText(*form), "RB" + QString(40, '.'));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
