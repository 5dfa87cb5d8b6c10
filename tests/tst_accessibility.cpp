// What assistive technology sees: every control of every window has a name, the invisible
// picture areas are buttons that can be pressed, the texts can be read, and the heart can
// be reached from the keyboard.

#include "MainWindowFixture.h"

#include "platform/ClickArea.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace orbelle;

namespace {

// The controls of a window: everything it names itself, not the parts Qt builds inside
// them (viewports, scroll bars, list popups).
QList<QWidget*> controls(QWidget* window)
{
    QList<QWidget*> list;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && w->isVisibleTo(window))
            list << w;
    }
    return list;
}

QString accessibleText(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(kind) : QString();
}

QString readableText(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
    return text ? text->text(0, text->characterCount()) : QString();
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

    QWidget* open(const QString& window)
    {
        Forms& forms = *m_app.forms;
        if (window == QLatin1String("Form1"))
            return forms.mainWindow.loaded();
        if (window == QLatin1String("Form4")) {
            m_app.click("skorpion");
            return forms.profileWindow.loaded();
        }
        if (window == QLatin1String("frm_aus")) {
            m_app.choose(QStringLiteral("Krebs"), QStringLiteral("Fische"));
            m_app.click("Image1");
            return forms.analysisWindow.loaded();
        }
        if (window == QLatin1String("Form5")) {
            m_app.click("Command3");
            return forms.birthDateWindow.loaded();
        }
        m_app.click("Command2");
        return forms.aboutDialog.loaded();
    }

private Q_SLOTS:
    void init() { m_app.start(); }

    void cleanup()
    {
        m_app.stop();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("main window") << "Form1";
        QTest::newRow("profile window") << "Form4";
        QTest::newRow("analysis window") << "frm_aus";
        QTest::newRow("birth-date window") << "Form5";
        QTest::newRow("About dialog") << "frmAbout";
    }

    void everyControlHasAName()
    {
        QFETCH(QString, window);
        QWidget* w = open(window);
        QVERIFY(w);
        QVERIFY(!accessibleText(w, QAccessible::Name).isEmpty());
        const QList<QWidget*> list = controls(w);
        QVERIFY(!list.isEmpty());
        for (QWidget* control : list) {
            QVERIFY2(QAccessible::queryAccessibleInterface(control), qPrintable(control->objectName()));
            QVERIFY2(!accessibleText(control, QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(control->objectName()));
        }
    }

    void pictureAreasAreButtonsNamedAfterTheirSign()
    {
        const auto areas = m_app.main().findChildren<ClickArea*>();
        QCOMPARE(areas.size(), 13);
        for (ClickArea* area : areas) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(area);
            QCOMPARE(iface->role(), QAccessible::Button);
            QCOMPARE(iface->text(QAccessible::Name), area->toolTip());
        }
        QVERIFY(accessibleText(m_app.main().Image1, QAccessible::Description)
                    .contains(QStringLiteral("Strg+Eingabe")));
    }

    void pressingASignAreaOpensItsProfile()
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(
            m_app.main().findChild<ClickArea*>(QStringLiteral("jungfrau")));
        QVERIFY(iface->actionInterface());
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // A pressed button shows itself pressed for a moment before it clicks.
        QTRY_VERIFY(m_app.forms->profileWindow.isLoaded());
        QCOMPARE(m_app.forms->profileWindow.loaded()->windowTitle(), QStringLiteral("Jungfrau"));
    }

    void textBoxesCanBeRead()
    {
        m_app.click("widder");
        QPlainTextEdit* profile = m_app.forms->profileWindow.loaded()->Text1;
        QCOMPARE(readableText(profile), profile->toPlainText());
        QVERIFY(readableText(profile).startsWith(QStringLiteral("Widder: 21. März")));

        m_app.choose(QStringLiteral("Waage"), QStringLiteral("Stier"));
        m_app.click("Image1");
        QTextEdit* reading = m_app.forms->analysisWindow.loaded()->RichTextBox1;
        QCOMPARE(readableText(reading), reading->toPlainText());
        QVERIFY(readableText(reading).startsWith(QStringLiteral("Astro-Analyse für Waage und Stier")));
    }

    void heartShortcut_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<bool>("opens");
        QTest::newRow("both signs chosen") << "Löwe" << "Schütze" << true;
        QTest::newRow("a sign missing") << "Löwe" << QString() << false;
    }

    void heartShortcut()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        QFETCH(bool, opens);
        Form1& main = m_app.main();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        m_app.choose(own, partner);
        main.cbo_astro2->setFocus();
        QTest::keyClick(&main, Qt::Key_Return, Qt::ControlModifier);
        QTRY_COMPARE(m_app.forms->analysisWindow.isLoaded() || !m_app.messageBox.messages.empty(), true);
        QCOMPARE(m_app.forms->analysisWindow.isLoaded(), opens);
        QCOMPARE(m_app.messageBox.messages.size(), opens ? std::size_t{0} : std::size_t{1});
        // The shortcut adds no focus stop: the heart still takes no focus.
        QCOMPARE(main.Image1->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
