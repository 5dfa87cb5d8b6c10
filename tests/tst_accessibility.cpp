// What assistive technology sees: every control of every window has a name, the invisible
// picture areas are buttons that can be pressed, the texts can be read, and the heart can
// be reached from the keyboard.

#include "ProgramTestCase.h"

#include "kit/ClickArea.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTextInterface>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace orbelle;

namespace {

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString readableText(QWidget* widget)
{
    QAccessibleTextInterface* text = accessible(widget)->textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("(no text interface)");
}

} // namespace

class tst_Accessibility : public ProgramTestCase {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasANameAndTheTextsCanBeRead()
    {
        m_app.click("skorpion");
        QWidget* reading =
            m_app.analysis(QStringLiteral("Krebs"), QStringLiteral("Fische"))->RichTextBox1;
        m_app.birthDate();
        m_app.about();
        for (QWidget* box : QWidgetList{m_app.forms->profileWindow.loaded()->Text1, reading})
            QCOMPARE(readableText(box), box->property("plainText").toString());
        QCOMPARE(testing::visibleWindows(), 5);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!qobject_cast<Form*>(window))
                continue;
            QVERIFY2(!accessible(window)->text(QAccessible::Name).isEmpty(),
                     qPrintable(window->objectName()));
            // The controls the window names itself, not the parts Qt builds inside them.
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const QString name = control->objectName();
                if (!name.isEmpty() && !name.startsWith(u"qt_") && control->isVisibleTo(window))
                    QVERIFY2(!accessible(control)->text(QAccessible::Name).trimmed().isEmpty(),
                             qPrintable(window->objectName() + u'/' + name));
            }
        }
    }

    void pictureAreasAreButtonsNamedAfterTheirSign()
    {
        const auto areas = m_app.main().findChildren<ClickArea*>();
        QCOMPARE(areas.size(), 13);
        for (ClickArea* area : areas) {
            QCOMPARE(accessible(area)->role(), QAccessible::Button);
            QCOMPARE(accessible(area)->text(QAccessible::Name), area->toolTip());
        }
        QVERIFY(accessible(m_app.main().Image1)
                    ->text(QAccessible::Description)
                    .contains(u"Strg+Eingabe"));

        accessible(m_app.main().findChild<ClickArea*>(QStringLiteral("jungfrau")))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        // A pressed button shows itself pressed for a moment before it clicks.
        QTRY_VERIFY(m_app.forms->profileWindow.isLoaded());
        QCOMPARE(m_app.forms->profileWindow.loaded()->windowTitle(), QStringLiteral("Jungfrau"));
    }

    void heartShortcut_data()
    {
        QTest::addColumn<QString>("partner");
        QTest::addColumn<bool>("opens");
        QTest::newRow("both signs chosen") << "Schütze" << true;
        QTest::newRow("a sign missing") << QString() << false;
    }

    void heartShortcut()
    {
        QFETCH(QString, partner);
        QFETCH(bool, opens);
        Form1& main = m_app.main();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        m_app.choose(QStringLiteral("Löwe"), partner);
        main.cbo_astro2->setFocus();
        QTest::keyClick(&main, Qt::Key_Return, Qt::ControlModifier);
        QTRY_VERIFY(m_app.forms->analysisWindow.isLoaded() || !m_app.messageBox.messages.empty());
        QCOMPARE(m_app.forms->analysisWindow.isLoaded(), opens);
        QCOMPARE(m_app.messages().size(), opens ? 0 : 1);
        // The shortcut adds no focus stop: the heart still takes no focus.
        QCOMPARE(main.Image1->focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
