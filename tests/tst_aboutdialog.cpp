// The About dialog over the platform doubles: its controls and texts, the keys that close
// it, the links it hands to the shell (by mouse, keyboard and assistive technology) and the
// system-information launch.

#include "ProgramTestCase.h"

#include "about/LinkLabel.h"
#include "about/SysInfo.h"
#include "kit/Twips.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

using namespace orbelle;
using testing::clickCentre;
using testing::toQString;

namespace {

const std::string kToolKey(SysInfoKeys::kToolKey);
const std::string kToolValue(SysInfoKeys::kToolValue);

// Whatever font stands in for Tahoma, no text may be cut off.
bool textFits(QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option,
                                                           button);
        return button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) <= room.width();
    }
    auto* label = qobject_cast<QLabel*>(widget);
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), 0,
                                                           label->text());
    return needed.width() <= label->width() && needed.height() <= label->height();
}

} // namespace

class tst_AboutDialog : public ProgramTestCase {
    Q_OBJECT

private Q_SLOTS:
    void windowAndItsLook()
    {
        frmAbout& w = *m_app.about();
        QCOMPARE(w.windowTitle(), QStringLiteral("Info zu Orbelle 2.0"));
        QCOMPARE(w.size(), twipsSize(5730, 4635));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(w.lblTitle->font().family(), QStringLiteral("Tahoma"));
        QVERIFY(w.lblTitle->font().bold() && w.lblTitle->font().pointSizeF() == 12.0);
        // The logo in its sunken box, rendered for the screen's scale.
        QCOMPARE(w.picIcon->frameShadow(), QFrame::Sunken);
        QCOMPARE(w.picIcon->pixmap().size(), QSize(51, 36) * w.devicePixelRatioF());
        // The etched separator: a grey line over a white one two pixels high.
        const QImage image = w.grab().toImage();
        for (const int x : {twips(105), w.width() / 2, twips(5640)}) {
            QCOMPARE(image.pixelColor(x, twips(2445)), QColor(128, 128, 128));
            QCOMPARE(image.pixelColor(x, twips(2460)), QColor(255, 255, 255));
            QCOMPARE(image.pixelColor(x, twips(2460) + 1), QColor(255, 255, 255));
        }
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shellText"); // what a click hands the shell
        const auto row = [](const char* tag, const char* name, QRect twips, const QString& text,
                            const char* shellText = "") {
            QTest::newRow(tag) << name << twips << text << shellText;
        };
        row("logo", "picIcon", {120, 120, 825, 600}, "");
        row("title", "lblTitle", {1200, 120, 4365, 360}, "Orbelle 2.0");
        // Four lines with an empty line between each two, and no break after the last.
        row("credits", "lblDescription", {1200, 600, 4365, 1770},
            "Screendesign: Lene Sommerfeld\n\nAstrologische Texte: 2026 © Ilona Wendrich\n\n"
            "Programmierung: Jonas Tavix\n\nCopyright © 2026 Jonas Tavix");
        row("freeware notice", "lblDisclaimer", {270, 2625, 5310, 585},
            "Orbelle ist Freeware und darf in unveränderter Form frei weitergegeben werden. "
            "Alle Rechte vorbehalten.");
        row("mail caption", "Label1", {240, 3360, 1695, 255}, "Mail an den Autor:");
        row("homepage caption", "Label2", {240, 3720, 1695, 255}, "Homepage:");
        row("astrology caption", "Label3", {240, 4080, 1695, 255}, "Astrologie:");
        row("OK", "cmdOK", {4320, 3360, 1260, 345}, "OK");
        row("system information", "cmdSysInfo", {4320, 3840, 1245, 345}, "&Systeminfo...");
        row("mail", "lbl_mail", {2040, 3360, 1575, 255}, "autor@orbelle.example",
            "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test");
        row("homepage", "link1", {2040, 3720, 1335, 255}, "www.orbelle.example",
            "www.orbelle.example");
        row("astrology", "link2", {2040, 4080, 1695, 255}, "www.sterne.example",
            "www.sterne.example");
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, shellText);
        frmAbout& w = *m_app.about();
        auto* widget = w.findChild<QWidget*>(name);
        QVERIFY(widget);
        const QRect laidOut = twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
        auto* link = qobject_cast<LinkLabel*>(widget);
        if (!link)
            QCOMPARE(widget->geometry(), laidOut);
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        if (widget != w.picIcon)
            QVERIFY(textFits(widget));
        if (!link)
            return;
        // At its place; wider only where the address needs it, never into the buttons.
        QCOMPARE(link->pos(), laidOut.topLeft());
        QVERIFY(link->width() >= laidOut.width()
                && link->geometry().right() < orbelle::twips(4200));
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().hotSpot(), QPoint(13, 9));

        clickCentre(link);
        QCOMPARE(m_app.shell.requests.size(), size_t(1));
        QCOMPARE(toQString(m_app.shell.requests[0].file), shellText);
        QCOMPARE(m_app.shell.requests[0].ownerWindow, static_cast<std::uintptr_t>(w.winId()));
        // A press that is released elsewhere is no click.
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(5, 5));
        QCOMPARE(m_app.shell.requests.size(), size_t(1));

        // Tab reaches the links after the two buttons; a frame shows the focus and leaves no
        // trace when the focus moves on.
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QImage unfocused = link->grab().toImage();
        const qsizetype tabs = 2 + QStringList{"lbl_mail", "link1", "link2"}.indexOf(name);
        for (qsizetype tab = 0; tab < tabs; ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        QVERIFY(link->grab().toImage() != unfocused);
        // Return, Space and the press of assistive technology open it as the click does.
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        QAccessibleInterface* forAssistance = QAccessible::queryAccessibleInterface(link);
        QCOMPARE(forAssistance->role(), QAccessible::Link);
        forAssistance->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_app.shell.requests.size(), size_t(4));
        QCOMPARE(toQString(m_app.shell.requests.back().file), shellText);
        w.cmdOK->setFocus();
        QCOMPARE(link->grab().toImage(), unfocused);
    }

    void textsAreSetAtEveryLoadAndNeverAccumulate()
    {
        frmAbout* w = m_app.about();
        const auto texts = [&w] {
            return QStringList{w->windowTitle(), w->lblTitle->text(), w->lblDescription->text(),
                               w->lblDisclaimer->text()};
        };
        const QStringList first = texts();
        w->Form_Load();
        QCOMPARE(texts(), first);
        clickCentre(w->cmdOK);
        QVERIFY(!m_app.forms->aboutDialog.isLoaded());
        w = m_app.about();
        QCOMPARE(texts(), first);
    }

    void keysAndSysInfo_data()
    {
        QTest::addColumn<QString>("tool"); // "registered", "refused" or "missing"
        QTest::addColumn<bool>("onSysInfo"); // the focus on "Systeminfo" instead of OK
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("outcome"); // "closed", "started" or the message
        const auto row = [](const char* tag, const char* tool, bool onSysInfo, QKeyCombination key,
                            const char* outcome) {
            QTest::newRow(tag) << tool << onSysInfo << key << outcome;
        };
        const char* unavailable = "Orbelle: Systeminformationen sind momentan nicht verfügbar";
        row("Enter", "registered", false, Qt::Key_Return, "closed");
        row("keypad Enter", "registered", false, Qt::KeypadModifier | Qt::Key_Enter, "closed");
        row("Esc", "registered", false, Qt::Key_Escape, "closed");
        row("Esc on Systeminfo", "registered", true, Qt::Key_Escape, "closed");
        row("Enter on Systeminfo", "registered", true, Qt::Key_Return, "started");
        row("Alt+S", "registered", false, Qt::AltModifier | Qt::Key_S, "started");
        row("Alt+S, nothing registered", "missing", false, Qt::AltModifier | Qt::Key_S,
            unavailable);
        row("Alt+S, access refused", "refused", false, Qt::AltModifier | Qt::Key_S, unavailable);
    }

    void keysAndSysInfo()
    {
        QFETCH(QString, tool);
        QFETCH(bool, onSysInfo);
        QFETCH(QKeyCombination, key);
        QFETCH(QString, outcome);
        if (tool != QLatin1String("missing"))
            m_app.registry.setText(RegistryRoot::kLocalMachine, kToolKey, kToolValue,
                                   "C:\\msinfo32.exe");
        if (tool == QLatin1String("refused"))
            m_app.registry.refusedKeys.insert(kToolKey);
        m_app.programStart.programs.insert("C:\\msinfo32.exe");
        frmAbout& w = *m_app.about();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), w.cmdOK);
        if (onSysInfo)
            w.cmdSysInfo->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        // A mnemonic presses its button visibly, so the click comes a moment later.
        QTRY_VERIFY(!m_app.forms->aboutDialog.isLoaded() || !m_app.programStart.attempts.empty()
                    || !m_app.messageBox.messages.empty());
        QCOMPARE(m_app.forms->aboutDialog.isLoaded(), outcome != QLatin1String("closed"));
        QCOMPARE(m_app.programStart.started.size(),
                 size_t(outcome == QLatin1String("started") ? 1 : 0));
        QCOMPARE(m_app.messages().join(QString()), outcome.contains(u':') ? outcome : QString());
    }
};

QTEST_MAIN(tst_AboutDialog)
#include "tst_aboutdialog.moc"
