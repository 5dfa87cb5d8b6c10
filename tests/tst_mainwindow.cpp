// The main window: its controls and their places, the heart, the sign figures and the profile
// window they open, and the way the program ends.

#include "ProgramTestCase.h"

#include "kit/ClickArea.h"
#include "kit/Twips.h"
#include "signs/SignCatalogue.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace orbelle;
using testing::toQString;

class tst_MainWindow : public ProgramTestCase {
    Q_OBJECT

private Q_SLOTS:
    void startsWithNothingChosen()
    {
        Form1& w = m_app.main();
        QCOMPARE(w.windowTitle(), QStringLiteral("Orbelle 2.0"));
        QCOMPARE(w.size(), twipsSize(8355, 5325));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint),
                 Qt::WindowMinimizeButtonHint);
        QStringList names;
        for (const SignEntry& e : signCatalogue())
            names << toQString(e.displayName);
        for (const QComboBox* picker : {w.cbo_astro1, w.cbo_astro2}) {
            QCOMPARE(testing::items(picker), names);
            QCOMPARE(picker->currentText(), QString());
            QVERIFY(!picker->isEditable());
        }
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(QApplication::focusWidget(), w.cbo_astro1);
        for (QWidget* next : QWidgetList{w.cbo_astro2, w.Command3, w.Command2, w.cbo_astro1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        const auto row = [](const char* tag, const char* name, QRect twips, const char* text,
                            const char* tip) {
            QTest::newRow(tag) << name << twips << text << tip;
        };
        row("own sign label", "Label1", {240, 120, 2175, 255}, "Dein Sternzeichen:", "");
        row("partner label", "Ster", {5520, 120, 2775, 255}, "Sternzeichen des Partners:", "");
        row("own picker", "cbo_astro1", {240, 600, 2175, 345}, "",
            "Hier kannst Du Dein Sternzeichen aussuchen");
        // The missing "Du" and the typo in "Sterzeichen" are the tooltip as it has always been.
        row("partner picker", "cbo_astro2", {5880, 600, 2175, 345}, "",
            "Hier kannst das Sterzeichen Deines Herzblattes aussuchen");
        row("heart hint", "Label2", {3120, 720, 2175, 615},
            "Ein Klick auf das Herz startet die Analyse!", "");
        row("heart", "Image1", {2760, 1440, 2775, 2415}, "", "Analyse starten");
        row("birth-date button", "Command3", {120, 4920, 1815, 375}, "Sternzeichenauswahl",
            "Wann ist welches Sternzeichen aktuell?");
        row("info button", "Command2", {6840, 4920, 1335, 375}, "Info", "Über Orbelle 2.0");
        row("Stier", "stier", {600, 1200, 1095, 855}, "", "Stier");
        row("Widder", "widder", {600, 2040, 1215, 855}, "", "Widder");
        row("Fische", "fische", {600, 2880, 1215, 735}, "", "Fische");
        row("Wassermann", "wassermann", {1080, 3600, 1095, 1215}, "", "Wassermann");
        row("Steinbock", "steinbock", {2280, 4080, 975, 975}, "", "Steinbock");
        row("Schütze", "schuetze", {3240, 4200, 1095, 1095}, "", "Schütze");
        row("Skorpion", "skorpion", {4320, 4200, 1095, 1095}, "", "Skorpion");
        row("Waage", "waage", {5400, 4200, 855, 855}, "", "Waage");
        row("Jungfrau", "jungfrau", {6240, 3600, 975, 975}, "", "Jungfrau");
        row("Löwe", "loewe", {6360, 2760, 1455, 855}, "", "Löwe");
        row("Krebs", "krebs", {6240, 1920, 1695, 855}, "", "Krebs");
        row("Zwillinge", "zwilling", {6120, 1080, 1575, 855}, "", "Zwillinge");
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        auto* widget = m_app.main().findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(),
                 twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QCOMPARE(widget->toolTip(), toolTip);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        // The figures share the pointing hand; the heart has a pointer of its own.
        if (auto* area = qobject_cast<ClickArea*>(widget))
            QCOMPARE(area->cursor().hotSpot() == QPoint(13, 9), area != m_app.main().Image1);
        auto* label = qobject_cast<QLabel*>(widget);
        if (!label)
            return;
        QCOMPARE(label->text(), text);
        QCOMPARE(label->font().family(), QStringLiteral("Comic Sans MS"));
        // The text must fit its label with whatever font stands in for Comic Sans.
        if (label->wordWrap())
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        else
            QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->width());
    }

    void heartClick_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<bool>("opens");
        QTest::newRow("nothing chosen") << QString() << QString() << false;
        QTest::newRow("only the own sign") << "Widder" << QString() << false;
        QTest::newRow("only the partner's sign") << QString() << "Löwe" << false;
        QTest::newRow("both chosen") << "Widder"
                                     << "Löwe" << true;
        QTest::newRow("the same sign twice") << "Fische"
                                             << "Fische" << true;
    }

    void heartClick()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        QFETCH(bool, opens);
        m_app.choose(own, partner);
        m_app.click("Image1");
        QCOMPARE(m_app.forms->analysisWindow.isLoaded()
                     && m_app.forms->analysisWindow.loaded()->isVisible(),
                 opens);
        const QString missing = QStringLiteral(
            "Kein Sternzeichen angegeben: Es sind nicht alle nötigen Sternzeichen definiert");
        QCOMPARE(m_app.messages(), opens ? QStringList() : QStringList{missing});
        QCOMPARE(m_app.main().cbo_astro1->currentText(), own);
        QCOMPARE(m_app.main().cbo_astro2->currentText(), partner);
    }

    void figureClicksShowOneProfile_data()
    {
        QTest::addColumn<QString>("first"); // clicked and its window moved; empty for none
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("inPlace");
        for (const SignEntry& e : signCatalogue())
            QTest::newRow(e.displayName.data())
                << QString() << toQString(e.pictureControl) << false;
        QTest::newRow("Widder then Stier") << "widder"
                                           << "stier" << false;
        QTest::newRow("Fische twice") << "fische"
                                      << "fische" << false;
        QTest::newRow("Widder then Krebs reopens") << "widder"
                                                   << "krebs" << false;
        QTest::newRow("Widder then Zwillinge refreshes in place") << "widder"
                                                                  << "zwilling" << true;
    }

    void figureClicksShowOneProfile()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, inPlace);
        Form4* before = nullptr;
        QPoint firstPosition;
        if (!first.isEmpty()) {
            m_app.click(first.toLatin1().constData());
            before = m_app.forms->profileWindow.loaded();
            firstPosition = before->pos();
            before->move(firstPosition + QPoint(40, 30));
        }
        m_app.click(second.toLatin1().constData());
        const SignEntry& sign = *findSignByPictureControl(second.toStdString());
        Form4* profile = m_app.forms->profileWindow.loaded();
        QTRY_COMPARE(testing::visibleWindows(QStringLiteral("Form4")), 1);
        QCOMPARE(profile->windowTitle(), toQString(sign.displayName));
        QCOMPARE(profile->Text1->toPlainText(),
                 toQString(sign.dateLine) + QStringLiteral("\n\n") + toQString(sign.profileText));
        QCOMPARE(profile->focusWidget(), profile->Text1);
        if (before) {
            QCOMPARE(profile == before, inPlace);
            QCOMPARE(profile->pos(), firstPosition + (inPlace ? QPoint(40, 30) : QPoint()));
        }
    }

    void closingTheMainWindowClosesEveryWindowInOrderAndEnds()
    {
        m_app.analysis(QStringLiteral("Krebs"), QStringLiteral("Fische"));
        m_app.click("loewe");
        m_app.click("Command2");
        m_app.click("Command3");
        QCOMPARE(testing::visibleWindows(), 5);
        QStringList closed;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<Form*>(w))
                connect(form, &Form::unloaded, form,
                        [&closed, form] { closed << form->objectName(); });
        }
        // Closed from inside the program's event loop, as the user does: the loop must end
        // by itself, else the watchdog ends it with 1.
        QTimer::singleShot(0, &m_app.main(), &QWidget::close);
        QTimer watchdog;
        watchdog.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(closed, QStringList({"Form5", "Form4", "frm_aus", "frmAbout", "Form1"}));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
