// The main window: its controls as designed, the heart, the sign figures and the profile
// window they open, and the way the program ends.

#include "MainWindowFixture.h"

#include "platform/ClickArea.h"
#include "platform/Twips.h"
#include "signs/SignCatalogue.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace orbelle;

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// Runs the program's event loop, closes the main window from inside it as the user would,
// and returns the loop's exit code: 0 when closing it ended the program by itself.
int runUntilProgramEnds(QWidget* mainWindow)
{
    QTimer::singleShot(0, mainWindow, &QWidget::close);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    return QApplication::exec();
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

private Q_SLOTS:
    void init() { m_app.start(); }

    void cleanup()
    {
        m_app.stop();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void windowIsFixedAndTitled()
    {
        Form1& w = m_app.main();
        QCOMPARE(w.windowTitle(), QStringLiteral("Orbelle 2.0"));
        QCOMPARE(w.size(), QSize(557, 355));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!w.windowIcon().isNull());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("own sign label") << "Label1" << QRect(240, 120, 2175, 255)
                                        << "Dein Sternzeichen:" << QString();
        QTest::newRow("partner label") << "Ster" << QRect(5520, 120, 2775, 255)
                                       << "Sternzeichen des Partners:" << QString();
        QTest::newRow("own picker") << "cbo_astro1" << QRect(240, 600, 2175, 345) << QString()
                                    << "Hier kannst Du Dein Sternzeichen aussuchen";
        // The missing "Du" and the typo in "Sterzeichen" are the tooltip as it has always been.
        QTest::newRow("partner picker")
            << "cbo_astro2" << QRect(5880, 600, 2175, 345) << QString()
            << "Hier kannst das Sterzeichen Deines Herzblattes aussuchen";
        QTest::newRow("heart hint") << "Label2" << QRect(3120, 720, 2175, 615)
                                    << "Ein Klick auf das Herz startet die Analyse!" << QString();
        QTest::newRow("heart") << "Image1" << QRect(2760, 1440, 2775, 2415) << QString()
                               << "Analyse starten";
        QTest::newRow("birth-date button") << "Command3" << QRect(120, 4920, 1815, 375)
                                           << "Sternzeichenauswahl"
                                           << "Wann ist welches Sternzeichen aktuell?";
        QTest::newRow("info button") << "Command2" << QRect(6840, 4920, 1335, 375) << "Info"
                                     << "Über Orbelle 2.0";
        QTest::newRow("Stier") << "stier" << QRect(600, 1200, 1095, 855) << QString() << "Stier";
        QTest::newRow("Widder") << "widder" << QRect(600, 2040, 1215, 855) << QString() << "Widder";
        QTest::newRow("Fische") << "fische" << QRect(600, 2880, 1215, 735) << QString() << "Fische";
        QTest::newRow("Wassermann") << "wassermann" << QRect(1080, 3600, 1095, 1215) << QString()
                                    << "Wassermann";
        QTest::newRow("Steinbock") << "steinbock" << QRect(2280, 4080, 975, 975) << QString()
                                   << "Steinbock";
        QTest::newRow("Schütze") << "schuetze" << QRect(3240, 4200, 1095, 1095) << QString()
                                 << "Schütze";
        QTest::newRow("Skorpion") << "skorpion" << QRect(4320, 4200, 1095, 1095) << QString()
                                  << "Skorpion";
        QTest::newRow("Waage") << "waage" << QRect(5400, 4200, 855, 855) << QString() << "Waage";
        QTest::newRow("Jungfrau") << "jungfrau" << QRect(6240, 3600, 975, 975) << QString()
                                  << "Jungfrau";
        QTest::newRow("Löwe") << "loewe" << QRect(6360, 2760, 1455, 855) << QString() << "Löwe";
        QTest::newRow("Krebs") << "krebs" << QRect(6240, 1920, 1695, 855) << QString() << "Krebs";
        QTest::newRow("Zwillinge") << "zwilling" << QRect(6120, 1080, 1575, 855) << QString()
                                   << "Zwillinge";
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
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        // Every control lies inside the window and nothing is cut off at its edge.
        QVERIFY(m_app.main().rect().contains(widget->geometry()));
    }

    void labelsAndButtonsUseComicSans()
    {
        for (const char* name : {"Label1", "Ster", "Label2"}) {
            auto* label = m_app.main().findChild<QLabel*>(QLatin1String(name));
            QCOMPARE(label->font().family(), QStringLiteral("Comic Sans MS"));
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pointSizeF(), 9.75);
            // The text must fit its label with whatever font stands in for Comic Sans.
            QVERIFY2(label->sizeHint().height() <= label->height()
                         || label->heightForWidth(label->width()) <= label->height(),
                     name);
            if (!label->wordWrap())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        for (const char* name : {"Command3", "Command2", "cbo_astro1", "cbo_astro2"}) {
            auto* widget = m_app.main().findChild<QWidget*>(QLatin1String(name));
            QCOMPARE(widget->font().pointSizeF(), 8.25);
            QVERIFY(!widget->font().bold());
        }
    }

    void pickersHoldTheTwelveSignsAndStartEmpty()
    {
        QStringList names;
        for (const SignEntry& e : signCatalogue())
            names << q(e.displayName);
        for (const QComboBox* picker : {m_app.main().cbo_astro1, m_app.main().cbo_astro2}) {
            QCOMPARE(items(picker), names);
            QCOMPARE(picker->currentText(), QString());
            QCOMPARE(picker->currentIndex(), -1);
            QVERIFY(!picker->isEditable());
        }
    }

    void heartClick_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<bool>("opens");
        QTest::newRow("nothing chosen") << QString() << QString() << false;
        QTest::newRow("only the own sign") << "Widder" << QString() << false;
        QTest::newRow("only the partner's sign") << QString() << "Löwe" << false;
        QTest::newRow("both chosen") << "Widder" << "Löwe" << true;
        QTest::newRow("the same sign twice") << "Fische" << "Fische" << true;
    }

    void heartClick()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        QFETCH(bool, opens);
        m_app.choose(own, partner);
        m_app.click("Image1");
        QCOMPARE(m_app.forms->analysisWindow.isLoaded(), opens);
        if (opens) {
            QVERIFY(m_app.messageBox.messages.empty());
            QVERIFY(m_app.forms->analysisWindow.loaded()->isVisible());
            QVERIFY(m_app.main().isEnabled());
        } else {
            QCOMPARE(m_app.messageBox.messages.size(), std::size_t{1});
            const auto& message = m_app.messageBox.messages.front();
            QCOMPARE(q(message.prompt),
                     QStringLiteral("Es sind nicht alle nötigen Sternzeichen definiert"));
            QCOMPARE(q(message.title), QStringLiteral("Kein Sternzeichen angegeben"));
            QCOMPARE(message.icon, MessageIcon::None);
            QCOMPARE(m_app.main().cbo_astro1->currentText(), own);
            QCOMPARE(m_app.main().cbo_astro2->currentText(), partner);
        }
    }

    void secondHeartClickBringsTheOpenAnalysisForward()
    {
        m_app.choose(QStringLiteral("Widder"), QStringLiteral("Stier"));
        m_app.click("Image1");
        QWidget* first = m_app.forms->analysisWindow.loaded();
        m_app.click("Image1");
        QCOMPARE(m_app.forms->analysisWindow.loaded(), first);
        int analysisWindows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            analysisWindows += w->objectName() == QStringLiteral("frm_aus") ? 1 : 0;
        QCOMPARE(analysisWindows, 1);
    }

    void startsWithFocusOnTheOwnPickerAndTabsInDesignedOrder()
    {
        Form1& w = m_app.main();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(QApplication::focusWidget(), w.cbo_astro1);
        const QList<QWidget*> order = {w.cbo_astro2, w.Command3, w.Command2, w.cbo_astro1};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void clickAreasShowTheirPointers()
    {
        const auto areas = m_app.main().findChildren<ClickArea*>();
        QCOMPARE(areas.size(), 13);
        for (const ClickArea* area : areas) {
            QCOMPARE(area->cursor().shape(), Qt::BitmapCursor);
            QCOMPARE(area->focusPolicy(), Qt::NoFocus);
        }
        // The figures share the pointing hand; the heart has a pointer of its own.
        const QPoint handSpot = m_app.main().findChild<ClickArea*>(QStringLiteral("widder"))->cursor().hotSpot();
        QCOMPARE(handSpot, QPoint(13, 9));
        QVERIFY(m_app.main().Image1->cursor().hotSpot() != handSpot);
    }

    void signAreasOverlapByAtMostOnePixel()
    {
        const auto areas = m_app.main().findChildren<ClickArea*>();
        for (const ClickArea* a : areas) {
            if (a == m_app.main().Image1)
                continue;
            for (const ClickArea* b : areas) {
                if (a == b || b == m_app.main().Image1)
                    continue;
                const QRect overlap = a->geometry().intersected(b->geometry());
                QVERIFY2(overlap.isEmpty() || overlap.width() <= 1 || overlap.height() <= 1,
                         qPrintable(a->objectName() + QLatin1Char('/') + b->objectName()));
            }
        }
    }

    void eachFigureOpensItsProfile_data()
    {
        QTest::addColumn<QString>("pictureControl");
        for (const SignEntry& e : signCatalogue())
            QTest::newRow(e.pictureControl.data()) << q(e.pictureControl);
    }

    void eachFigureOpensItsProfile()
    {
        QFETCH(QString, pictureControl);
        const SignEntry& sign = *findSignByPictureControl(pictureControl.toStdString());
        m_app.click(pictureControl.toLatin1().constData());
        Form4* profile = m_app.forms->profileWindow.loaded();
        QVERIFY(profile && profile->isVisible());
        QCOMPARE(profile->windowTitle(), q(sign.displayName));
        QCOMPARE(profile->Text1->toPlainText(),
                 q(sign.dateLine) + QStringLiteral("\n\n") + q(sign.profileText));
        QCOMPARE(profile->focusWidget(), profile->Text1);
    }

    void anotherFigureReplacesTheProfile()
    {
        m_app.click("widder");
        m_app.click("stier");
        int profiles = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            profiles += (w->objectName() == QStringLiteral("Form4") && w->isVisible()) ? 1 : 0;
        QCOMPARE(profiles, 1);
        Form4* profile = m_app.forms->profileWindow.loaded();
        QCOMPARE(profile->windowTitle(), QStringLiteral("Stier"));
        QVERIFY(profile->Text1->toPlainText().startsWith(
            QStringLiteral("Stier: 21. April bis 21. Mai\n\n")));
    }

    void theSameFigureTwiceLeavesOneWindowWithTheSameText()
    {
        m_app.click("fische");
        const QString text = m_app.forms->profileWindow.loaded()->Text1->toPlainText();
        m_app.click("fische");
        QCOMPARE(m_app.forms->profileWindow.loaded()->Text1->toPlainText(), text);
        QVERIFY(text.startsWith(QStringLiteral("Fische: 20. Februar  bis 20. März\n\n")));
    }

    void zwillingeRefreshesAMovedProfileInPlace()
    {
        m_app.click("widder");
        Form4* profile = m_app.forms->profileWindow.loaded();
        const QPoint firstPosition = profile->pos();
        const QPoint moved = firstPosition + QPoint(40, 30);
        profile->move(moved);
        m_app.click("zwilling");
        QCOMPARE(m_app.forms->profileWindow.loaded(), profile);
        QCOMPARE(profile->pos(), moved);
        QCOMPARE(profile->windowTitle(), QStringLiteral("Zwillinge"));
        QVERIFY(profile->Text1->toPlainText().startsWith(QStringLiteral("Zwillinge: 22. Mai")));
    }

    void otherFiguresReopenTheProfileAtItsFirstPosition()
    {
        m_app.click("widder");
        Form4* profile = m_app.forms->profileWindow.loaded();
        const QPoint firstPosition = profile->pos();
        profile->move(firstPosition + QPoint(40, 30));
        m_app.click("krebs");
        Form4* reopened = m_app.forms->profileWindow.loaded();
        QCOMPARE(reopened->pos(), firstPosition);
        QCOMPARE(reopened->windowTitle(), QStringLiteral("Krebs"));
    }

    void buttonsOpenTheirWindows()
    {
        m_app.click("Command3");
        QVERIFY(m_app.forms->birthDateWindow.isLoaded());
        m_app.click("Command2");
        QVERIFY(m_app.forms->aboutDialog.isLoaded());
        QVERIFY(m_app.forms->birthDateWindow.loaded()->isVisible());
    }

    void closingTheMainWindowClosesEveryWindowInOrder()
    {
        m_app.choose(QStringLiteral("Krebs"), QStringLiteral("Fische"));
        m_app.click("Image1");
        m_app.click("loewe");
        m_app.click("Command2");
        m_app.click("Command3");
        QStringList closed;
        for (FormSlotBase* slot : std::initializer_list<FormSlotBase*>{
                 &m_app.forms->aboutDialog, &m_app.forms->analysisWindow, &m_app.forms->profileWindow,
                 &m_app.forms->birthDateWindow, &m_app.forms->mainWindow}) {
            QVERIFY(slot->isLoaded());
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<Form*>(w))
                connect(form, &Form::unloaded, form,
                        [&closed, form] { closed << form->objectName(); });
        }
        QCOMPARE(runUntilProgramEnds(&m_app.main()), 0);
        QCOMPARE(closed, QStringList({QStringLiteral("Form5"), QStringLiteral("Form4"),
                                      QStringLiteral("frm_aus"), QStringLiteral("frmAbout"),
                                      QStringLiteral("Form1")}));
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void closingTheMainWindowAloneEndsTheProgram()
    {
        QCOMPARE(runUntilProgramEnds(&m_app.main()), 0);
        QVERIFY(!m_app.forms->mainWindow.isLoaded());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
