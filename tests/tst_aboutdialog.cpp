// The About dialog over the platform doubles: its controls and texts, the keys that close
// it, the links it hands to the shell and the system-information launch.

#include "MainWindowFixture.h"

#include "about/AboutTexts.h"
#include "about/LinkLabel.h"
#include "about/SysInfo.h"
#include "about/frmAbout.h"
#include "platform/QtText.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

using namespace orbelle;

namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// Where the link labels may end: a little before the buttons on their right.
const int kLinkRightLimit = twips(4320 - 120);

} // namespace

class tst_AboutDialog : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

    frmAbout& open()
    {
        m_app.click("Command2");
        frmAbout* dialog = m_app.forms->aboutDialog.loaded();
        if (!dialog)
            qFatal("the About dialog did not open");
        return *dialog;
    }

    frmAbout& openActive()
    {
        frmAbout& dialog = open();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            qFatal("the About dialog did not become active");
        return dialog;
    }

    static void click(QWidget* widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

private Q_SLOTS:
    void init() { m_app.start(); }

    void cleanup()
    {
        m_app.stop();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void windowAsDesigned()
    {
        frmAbout& w = open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Info zu Orbelle 2.0"));
        QCOMPARE(w.size(), twipsSize(5730, 4635));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!w.windowIcon().isNull());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // Within the window frame that the platform adds after the window was placed.
        const int frame = w.frameGeometry().width() - w.width();
        QVERIFY((w.frameGeometry().center() - screen.center()).manhattanLength() <= frame + 2);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::newRow("logo") << "picIcon" << QRect(120, 120, 825, 600) << QString();
        QTest::newRow("title") << "lblTitle" << QRect(1200, 120, 4365, 360) << "Orbelle 2.0";
        QTest::newRow("credits") << "lblDescription" << QRect(1200, 600, 4365, 1770)
                                 << toQString(AboutTexts::creditText()).replace("\r\n", "\n");
        QTest::newRow("freeware notice") << "lblDisclaimer" << QRect(270, 2625, 5310, 585)
                                         << toQString(AboutTexts::disclaimer());
        QTest::newRow("mail caption") << "Label1" << QRect(240, 3360, 1695, 255) << "Mail an den Autor:";
        QTest::newRow("homepage caption") << "Label2" << QRect(240, 3720, 1695, 255) << "Homepage:";
        QTest::newRow("astrology caption") << "Label3" << QRect(240, 4080, 1695, 255) << "Astrologie:";
        QTest::newRow("OK") << "cmdOK" << QRect(4320, 3360, 1260, 345) << "OK";
        QTest::newRow("system information") << "cmdSysInfo" << QRect(4320, 3840, 1245, 345)
                                            << "&Systeminfo...";
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        frmAbout& w = open();
        auto* widget = w.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
    }

    void links_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shellText");
        QTest::newRow("mail") << "lbl_mail" << QRect(2040, 3360, 1575, 255)
                              << "autor@orbelle.example"
                              << "mailto: autor@orbelle.example?subject=Orbelle-Partner-Test";
        QTest::newRow("homepage") << "link1" << QRect(2040, 3720, 1335, 255)
                                  << "www.orbelle.example" << "www.orbelle.example";
        QTest::newRow("astrology") << "link2" << QRect(2040, 4080, 1695, 255)
                                   << "www.sterne.example" << "www.sterne.example";
    }

    void links()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(QString, shellText);
        frmAbout& w = open();
        auto* link = w.findChild<LinkLabel*>(name);
        QVERIFY(link);
        QCOMPARE(link->text(), caption);
        // Where the design put it; wider only where the address needs it, never into the buttons.
        const QRect designed = twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
        QCOMPARE(link->pos(), designed.topLeft());
        QCOMPARE(link->height(), designed.height());
        QVERIFY(link->width() >= designed.width());
        QVERIFY(link->geometry().right() < kLinkRightLimit);

        QVERIFY(link->font().underline());
        QCOMPARE(link->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(link->font().pointSizeF(), 9.75);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().hotSpot(), QPoint(13, 9));

        click(link);
        QCOMPARE(m_app.shell.requests.size(), size_t(1));
        QCOMPARE(toQString(m_app.shell.requests[0].file), shellText);
        QCOMPARE(m_app.shell.requests[0].ownerWindow, static_cast<std::uintptr_t>(w.winId()));
        QVERIFY(w.isVisible());

        // A press that is released elsewhere is no click.
        QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(5, 5));
        QCOMPARE(m_app.shell.requests.size(), size_t(1));
    }

    void mailTextUsesTheCaptionAsShown()
    {
        frmAbout& w = open();
        w.lbl_mail->setText(QStringLiteral("Jörg Ä <j@orbelle.example>"));
        w.lbl_mail_Click();
        QCOMPARE(toQString(m_app.shell.requests.at(0).file),
                 QStringLiteral("mailto: Jörg Ä <j@orbelle.example>?subject=Orbelle-Partner-Test"));
    }

    void fontsAndFit()
    {
        frmAbout& w = open();
        QCOMPARE(w.lblTitle->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(w.lblTitle->font().pointSizeF(), 12.0);
        QVERIFY(w.lblTitle->font().bold());
        for (QLabel* caption : {w.Label1, w.Label2, w.Label3}) {
            QCOMPARE(caption->font().family(), QStringLiteral("Tahoma"));
            QCOMPARE(caption->font().pointSizeF(), 9.75);
        }
        // Whatever font stands in for Tahoma, no text is cut off.
        const QList<QLabel*> labels = w.findChildren<QLabel*>();
        for (QLabel* label : labels) {
            if (label == w.picIcon)
                continue;
            const QFontMetrics metrics = label->fontMetrics();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->objectName()));
            } else {
                const QRect needed = metrics.boundingRect(QRect(0, 0, 10000, 10000), 0, label->text());
                QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                         qPrintable(label->objectName()));
            }
        }
        for (QPushButton* button : {w.cmdOK, w.cmdSysInfo}) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                               &option, button);
            const int needed = button->fontMetrics().horizontalAdvance(
                QString(button->text()).remove(QLatin1Char('&')));
            QVERIFY2(needed <= room.width(), qPrintable(button->objectName()));
        }
    }

    void nothingOverlaps()
    {
        frmAbout& w = open();
        const QList<QWidget*> controls = w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(controls.size() >= 12);
        for (QWidget* a : controls) {
            QVERIFY2(w.rect().contains(a->geometry()), qPrintable(a->objectName()));
            for (QWidget* b : controls)
                if (a != b)
                    QVERIFY2(!a->geometry().intersects(b->geometry()),
                             qPrintable(a->objectName() + " / " + b->objectName()));
        }
    }

    void logoIsSunkenAndSharp()
    {
        frmAbout& w = open();
        QCOMPARE(w.picIcon->frameShadow(), QFrame::Sunken);
        QCOMPARE(w.picIcon->contentsRect().size(), QSize(51, 36));
        const QPixmap logo = w.picIcon->pixmap();
        QCOMPARE(logo.devicePixelRatio(), w.devicePixelRatioF());
        QCOMPARE(logo.size(), QSize(51, 36) * w.devicePixelRatioF());
        // Cream ground inside the frame, a red heart in front.
        const QImage image = logo.toImage();
        QCOMPARE(image.pixelColor(image.width() / 10, image.height() - 3), QColor(0xff, 0xf8, 0xdc));
        QVERIFY(image.pixelColor(image.width() * 20 / 51, image.height() * 18 / 36).red() > 200);
    }

    void etchedSeparator()
    {
        frmAbout& w = open();
        const QImage image = w.grab().toImage();
        // Read in logical pixels, whatever the scale of the screen.
        const qreal ratio = image.devicePixelRatio();
        auto at = [&](int x, int y) {
            return image.pixelColor(int(x * ratio + ratio / 2), int(y * ratio + ratio / 2));
        };
        const int shadowRow = twips(2445);
        const int lightRow = twips(2460);
        QCOMPARE(lightRow, shadowRow + 1);
        for (int x = twips(105); x < twips(5654); x += 7) {
            QCOMPARE(at(x, shadowRow), QColor(128, 128, 128));
            QCOMPARE(at(x, lightRow), QColor(255, 255, 255));
            QCOMPARE(at(x, lightRow + 1), QColor(255, 255, 255));
        }
        QCOMPARE(at(twips(90), shadowRow), QColor(128, 128, 128));
        QVERIFY(at(twips(90) - 1, shadowRow) != QColor(128, 128, 128));
        QVERIFY(at(twips(105) - 1, lightRow + 1) != QColor(255, 255, 255));
        QVERIFY(at(twips(105), lightRow + 2) != QColor(255, 255, 255));
    }

    void textsAreSetAtEveryLoadAndNeverAccumulate()
    {
        frmAbout& first = open();
        const QString credits = first.lblDescription->text();
        QCOMPARE(withCrLf(credits), toQString(AboutTexts::creditText()));
        QCOMPARE(credits.count(QStringLiteral("\n\n")), 3);
        QVERIFY(!credits.endsWith(QLatin1Char('\n')));
        first.Form_Load();
        QCOMPARE(first.lblDescription->text(), credits);
        click(first.cmdOK);
        QVERIFY(!m_app.forms->aboutDialog.isLoaded());

        frmAbout& second = open();
        QCOMPARE(second.windowTitle(), QStringLiteral("Info zu Orbelle 2.0"));
        QCOMPARE(second.lblTitle->text(), QStringLiteral("Orbelle 2.0"));
        QCOMPARE(second.lblDescription->text(), credits);
        QCOMPARE(second.lblDisclaimer->text(), toQString(AboutTexts::disclaimer()));
        QVERIFY(second.lblDisclaimer->text().contains(QStringLiteral("Freeware")));
    }

    void keysThatClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    }

    void keysThatClose()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        frmAbout& w = openActive();
        QCOMPARE(QApplication::focusWidget(), w.cmdOK);
        QTest::keyClick(&w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(!m_app.forms->aboutDialog.isLoaded());
        QVERIFY(m_app.messageBox.messages.empty());
    }

    void escapeClosesWhateverHasTheFocus()
    {
        frmAbout& w = openActive();
        w.cmdSysInfo->setFocus();
        QTest::keyClick(w.cmdSysInfo, Qt::Key_Escape);
        QVERIFY(!m_app.forms->aboutDialog.isLoaded());
    }

    void enterPressesTheFocusedButton()
    {
        frmAbout& w = openActive();
        w.cmdSysInfo->setFocus();
        QTest::keyClick(w.cmdSysInfo, Qt::Key_Return);
        QCOMPARE(m_app.messageBox.messages.size(), size_t(1));
        QVERIFY(m_app.forms->aboutDialog.isLoaded());
    }

    void altSStartsTheLaunch()
    {
        frmAbout& w = openActive();
        m_app.registry.setText(RegistryRoot::kLocalMachine, kToolKey, "PATH", "C:\\Win\\msinfo32.exe");
        m_app.programStart.programs.insert("C:\\Win\\msinfo32.exe");
        QCOMPARE(w.cmdSysInfo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
        QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
        // A mnemonic presses its button visibly, so the click comes a moment later.
        QTRY_COMPARE(m_app.programStart.started, std::vector<std::string>{"C:\\Win\\msinfo32.exe"});
        QVERIFY(m_app.messageBox.messages.empty());
        QVERIFY(m_app.forms->aboutDialog.isLoaded());
    }

    void sysInfoButton_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("started");
        QTest::newRow("tool registered") << true << false << true;
        QTest::newRow("nothing registered") << false << false << false;
        QTest::newRow("access refused") << true << true << false;
    }

    void sysInfoButton()
    {
        QFETCH(bool, registered);
        QFETCH(bool, refused);
        QFETCH(bool, started);
        frmAbout& w = open();
        if (registered)
            m_app.registry.setText(RegistryRoot::kLocalMachine, kToolKey, "PATH", "C:\\msinfo32.exe");
        if (refused)
            m_app.registry.refusedKeys.insert(kToolKey);
        m_app.programStart.programs.insert("C:\\msinfo32.exe");
        click(w.cmdSysInfo);
        QCOMPARE(m_app.programStart.started.size(), size_t(started ? 1 : 0));
        if (started) {
            QVERIFY(m_app.messageBox.messages.empty());
        } else {
            QCOMPARE(m_app.messageBox.messages.size(), size_t(1));
            QCOMPARE(m_app.messageBox.messages[0].prompt,
                     std::string("Systeminformationen sind momentan nicht verfügbar"));
            QCOMPARE(m_app.messageBox.messages[0].title, std::string("Orbelle"));
            QCOMPARE(m_app.messageBox.messages[0].icon, MessageIcon::None);
        }
        for (const FakeRegistry::OpenCall& call : m_app.registry.opens)
            QCOMPARE(call.access & RegistryAccess::kAnyWrite, 0u);
        QCOMPARE(m_app.registry.openKeyCount(), size_t(0));
        // The dialog stays open and can try again.
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(tst_AboutDialog)
#include "tst_aboutdialog.moc"
