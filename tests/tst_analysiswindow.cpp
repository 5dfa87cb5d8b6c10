// The analysis window: its controls and their places, the reading the heart opens, copying,
// the info text, closing and reopening, and printing into a PDF that is read back.

#include "ProgramTestCase.h"

#include "analysis/info_text_data.h"
#include "kit/Twips.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>

using namespace orbelle;
using testing::clickCentre;
using testing::toQString;

namespace {

const QString kWidder = QStringLiteral("Widder");
const QString kLoewe = QStringLiteral("Löwe");

// The text the box should show for a pair, built from the table entry line by line.
QString displayText(const QString& own, const QString& partner)
{
    const PairReading& e = *findPairReading(own.toStdString(), partner.toStdString());
    return QStringList(
               {QStringLiteral("Astro-Analyse für ") + own + QStringLiteral(" und ") + partner,
                QString(), toQString(e.firstParagraph), toQString(e.secondParagraph), QString(),
                toQString(e.verdict), QString(), toQString(kAnalysisFooter)})
        .join(u'\n');
}

// The top of a word's box in the output of `pdftotext -bbox`, in points.
const QRegularExpression kWordTop(QStringLiteral(R"re(<word xMin="[^"]+" yMin="([^"]+)")re"));

void select(QTextEdit* box, qsizetype from, qsizetype length)
{
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(static_cast<int>(from));
    cursor.setPosition(static_cast<int>(from + length), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

} // namespace

class tst_AnalysisWindow : public ProgramTestCase {
    Q_OBJECT

private:
    // The printout read back by poppler's pdftotext; empty when that fails.
    QString printed(const QStringList& options)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      options
                          + QStringList{m_app.printDir.filePath(QStringLiteral("print.pdf")), "-"});
        const bool read = process.waitForFinished(20000) && process.exitCode() == 0;
        return read ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
    }

private Q_SLOTS:
    void windowAndTabOrder()
    {
        frm_aus* w = m_app.analysis(kWidder, kLoewe);
        QCOMPARE(w->size(), twipsSize(8310, 7365));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        // A window of its own with a taskbar entry and a close box only.
        QCOMPARE(w->windowType(), Qt::Window);
        QVERIFY(
            !(w->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(224, 224, 224));
        QTextEdit* box = w->RichTextBox1;
        QCOMPARE(box->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(box->font().pointSizeF(), 12.0);
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 192));
        QVERIFY(!box->acceptRichText());
        QVERIFY(QTest::qWaitForWindowActive(w));
        // The first stop is the reading itself, not the inner button beneath it.
        QTRY_COMPARE(QApplication::focusWidget(), box);
        for (QWidget* next :
             QWidgetList{w->Kopieren, w->Command2, w->Command3, w->Command1a, box}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::newRow("text box") << "RichTextBox1" << QRect(240, 240, 7815, 6375) << QString();
        QTest::newRow("copy") << "Kopieren" << QRect(188, 6840, 1695, 375) << "Analyse kopieren";
        QTest::newRow("close") << "Command3" << QRect(2268, 6840, 1695, 375) << "Schließen";
        QTest::newRow("info") << "Command1a" << QRect(4348, 6840, 1695, 375) << "Über Horoskope";
        QTest::newRow("print") << "Command2" << QRect(6428, 6840, 1695, 375) << "Drucken";
        QTest::newRow("inner info")
            << "Command1" << QRect(3240, 4080, 1695, 375) << "Über Horoskope";
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        frm_aus* w = m_app.analysis(kWidder, kLoewe);
        auto* widget = w->findChild<QWidget*>(name);
        QVERIFY(widget && widget->isVisible());
        QCOMPARE(widget->geometry(),
                 twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        // Seen where it stands, except the inner button, which lies beneath the text box and
        // hides none of its words.
        const bool inner = name == QLatin1String("Command1");
        QCOMPARE(w->childAt(widget->geometry().center()) == widget,
                 name != QLatin1String("RichTextBox1") && !inner);
        if (inner)
            QVERIFY(w->RichTextBox1->isAncestorOf(w->childAt(widget->geometry().center())));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
            QVERIFY(button->fontMetrics().horizontalAdvance(text) < button->width());
        }
    }

    void heartAgain_data()
    {
        QTest::addColumn<bool>("infoFirst");
        QTest::addColumn<int>("close"); // 0: left open, 1: "Schließen", 2: the close box
        QTest::newRow("while the reading is open: only raised") << false << 0;
        QTest::newRow("while the info text is open: only raised") << true << 0;
        QTest::newRow("after Schließen on the reading: composed anew") << false << 1;
        QTest::newRow("after Schließen on the info text: composed anew") << true << 1;
        QTest::newRow("after the close box on the info text: composed anew") << true << 2;
    }

    void heartAgain()
    {
        QFETCH(bool, infoFirst);
        QFETCH(int, close);
        QPointer<frm_aus> first = m_app.analysis(kWidder, kLoewe);
        if (infoFirst)
            clickCentre(first->Command1a);
        const QString shown = first->windowTitle() + first->RichTextBox1->toPlainText();
        if (close == 1)
            clickCentre(first->Command3);
        if (close == 2)
            first->close();
        QCOMPARE(m_app.forms->analysisWindow.isLoaded(), close == 0);
        QTRY_COMPARE(first.isNull(), close != 0);

        frm_aus* w = m_app.analysis(QStringLiteral("Steinbock"), QStringLiteral("Jungfrau"));
        QCOMPARE(testing::visibleWindows(QStringLiteral("frm_aus")), 1);
        QCOMPARE(w->windowTitle() + w->RichTextBox1->toPlainText(),
                 close == 0
                     ? shown
                     : QStringLiteral("Astro-Analyse für Steinbock und Jungfrau")
                           + displayText(QStringLiteral("Steinbock"), QStringLiteral("Jungfrau")));
        QCOMPARE(w->Kopieren->isVisible() && w->Command2->isVisible() && w->Command1->isVisible(),
                 close != 0 || !infoFirst);
    }

    void infoButtonShowsTheInfoText_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("bottom row") << "Command1a";
        QTest::newRow("inner button, then the bottom row") << "Command1";
    }

    void infoButtonShowsTheInfoText()
    {
        QFETCH(QString, button);
        frm_aus* w = m_app.analysis(kWidder, kLoewe);
        for (int click = 1; click <= 2; ++click) {
            // The inner button is hidden after its first click; the second goes to its twin.
            clickCentre(click == 1 ? w->findChild<QPushButton*>(button) : w->Command1a);
            QCOMPARE(w->windowTitle(), QStringLiteral("Über die Partnerschaftsastrologie"));
            QCOMPARE(w->RichTextBox1->toPlainText(),
                     toQString(kInfoTextFirst) + toQString(kInfoTextSecond));
            QCOMPARE(w->RichTextBox1->toPlainText().size(), 1065);
            QCOMPARE(toQString(kInfoTextFirst).size(), 957);
            QVERIFY(!w->Kopieren->isVisible() && !w->Command2->isVisible()
                    && !w->Command1->isVisible());
            QVERIFY(w->Command3->isVisible() && w->Command1a->isVisible());
        }
    }

    void copy_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("withSelection");
        QTest::addColumn<bool>("refused");
        QTest::newRow("once") << 1 << false << false;
        QTest::newRow("twice in a row") << 2 << false << false;
        QTest::newRow("part of the text selected: still all of it") << 1 << true << false;
        QTest::newRow("clipboard refuses, then takes it") << 1 << false << true;
    }

    void copy()
    {
        QFETCH(int, copies);
        QFETCH(bool, withSelection);
        QFETCH(bool, refused);
        frm_aus* w = m_app.analysis(QStringLiteral("Zwillinge"), QStringLiteral("Skorpion"));
        m_app.clipboard.content = "Fremder Text von vorher";
        if (withSelection)
            select(w->RichTextBox1, 5, 35);
        if (refused) {
            m_app.clipboard.refuseWrites = true;
            clickCentre(w->Kopieren);
            QCOMPARE(m_app.clipboard.content, std::string("Fremder Text von vorher"));
            QCOMPARE(m_app.messages(),
                     QStringList{"Kopieren fehlgeschlagen: " + toQString(kCopyFailedPrompt)});
            QCOMPARE(m_app.messageBox.messages.front().icon, MessageIcon::Warning);
            m_app.messageBox.messages.clear();
            m_app.clipboard.refuseWrites = false;
        }
        for (int i = 0; i < copies; ++i)
            clickCentre(w->Kopieren);
        QCOMPARE(toQString(m_app.clipboard.content),
                 withCrLf(displayText(QStringLiteral("Zwillinge"), QStringLiteral("Skorpion"))));
        const QString copied = QStringLiteral(
            "Analyse wurde kopiert: Die Astro-Analyse wurde in die Zwischenablage kopiert. Sie können "
            "den Text jetzt mit der Tastenkombination STRG+V in jede beliebige Anwendung einfügen.");
        QCOMPARE(m_app.messages(), QStringList(copies, copied));
        QCOMPARE(m_app.messageBox.messages.back().icon, MessageIcon::Information);
    }

    void printHoldsTheTextOrTheSelection_data()
    {
        QTest::addColumn<bool>("selectSecondParagraph");
        QTest::newRow("nothing selected: the whole text") << false;
        QTest::newRow("second paragraph selected: only that") << true;
    }

    void printHoldsTheTextOrTheSelection()
    {
        QFETCH(bool, selectSecondParagraph);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (package poppler-utils) is needed to read the printout back");
        frm_aus* w = m_app.analysis(QStringLiteral("Krebs"), QStringLiteral("Fische"));
        QString expected = displayText(QStringLiteral("Krebs"), QStringLiteral("Fische"));
        if (selectSecondParagraph) {
            expected = toQString(findPairReading("Krebs", "Fische")->secondParagraph);
            select(w->RichTextBox1, w->RichTextBox1->toPlainText().indexOf(expected),
                   expected.size());
        }
        clickCentre(w->Command2);
        QCOMPARE(m_app.printer.printCount, 1);
        QVERIFY(m_app.messageBox.messages.empty());
        // Runs of blanks and line breaks as one blank: the printout wraps where the box does not.
        QCOMPARE(printed({QStringLiteral("-layout")}).simplified(), expected.simplified());
        if (selectSecondParagraph)
            return;

        QList<double> steps;
        double previous = -1;
        for (const auto& m : kWordTop.globalMatch(printed({"-bbox", "-l", "1"}))) {
            const double top = m.captured(1).toDouble();
            if (previous >= 0 && top - previous > 1.0)
                steps << top - previous;
            previous = top;
        }
        std::sort(steps.begin(), steps.end());
        QVERIFY2(steps.size() > 10, qPrintable(QString::number(steps.size())));
        // The line pitch on paper must be that of the box's font set at 12 pt on a device of
        // printer resolution; 11 or 13 pt would be 8 % off.
        QPdfWriter device(m_app.printDir.filePath(QStringLiteral("metrics.pdf")));
        device.setResolution(1200);
        QFont twelvePoint = w->RichTextBox1->font();
        twelvePoint.setPointSizeF(12);
        const double expectedStep = QFontMetricsF(twelvePoint, &device).lineSpacing() * 72.0 / 1200;
        const double step = steps.at(steps.size() / 2);
        QVERIFY2(
            std::abs(step - expectedStep) <= 0.03 * expectedStep,
            qPrintable(
                QStringLiteral("line pitch %1 pt, expected %2 pt").arg(step).arg(expectedStep)));
    }

    void printerProblemsAreReported_data()
    {
        QTest::addColumn<PrinterPort::Outcome>("outcome");
        QTest::addColumn<bool>("closedWhilePrinting");
        QTest::addColumn<QString>("message");
        const QString failed = "Drucken fehlgeschlagen: " + toQString(kPrintFailedPrompt);
        QTest::newRow("no printer") << PrinterPort::Outcome::NoPrinter << false
                                    << "Drucken nicht möglich: " + toQString(kNoPrinterPrompt);
        QTest::newRow("printing failed") << PrinterPort::Outcome::Failed << false << failed;
        QTest::newRow("closed while the printer had not answered, then failed")
            << PrinterPort::Outcome::Failed << true << failed;
    }

    void printerProblemsAreReported()
    {
        QFETCH(PrinterPort::Outcome, outcome);
        QFETCH(bool, closedWhilePrinting);
        QFETCH(QString, message);
        QPointer<frm_aus> w = m_app.analysis(kWidder, kLoewe);
        m_app.printer.simulated = outcome;
        m_app.printer.holdBack = closedWhilePrinting;
        clickCentre(w->Command2);
        if (closedWhilePrinting) {
            // The window does not wait for the printer: it closes at once, and the failure
            // still reaches the user when the printer gives it.
            QVERIFY(m_app.messages().isEmpty());
            clickCentre(w->Command3);
            QVERIFY(!m_app.forms->analysisWindow.isLoaded());
            QTRY_VERIFY(w.isNull());
            m_app.printer.answer();
        }
        QTRY_COMPARE(m_app.messages(), QStringList{message});
        QCOMPARE(m_app.messageBox.messages.front().icon, MessageIcon::Warning);
        QCOMPARE(!w.isNull() && w->isVisible(), !closedWhilePrinting);
        // The page work shared with the real printer must not claim success on a device
        // that cannot be opened.
        PdfPrinter unwritable(QStringLiteral("/nonexistent-directory/print.pdf"));
        QCOMPARE(unwritable.print(QStringLiteral("Text"), QFont()).result(),
                 PrinterPort::Outcome::Failed);
    }
};

QTEST_MAIN(tst_AnalysisWindow)
#include "tst_analysiswindow.moc"
