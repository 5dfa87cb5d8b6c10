// The analysis window: its controls as designed, the reading the heart opens, copying,
// the info text, closing and reopening, and printing into a PDF that is read back.

#include "MainWindowFixture.h"

#include "analysis/frm_aus.h"
#include "analysis/info_text_data.h"
#include "analysis/pair_readings_data.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

using namespace orbelle;

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QString kFooter =
    QStringLiteral("Diese astrologische Analyse wurde mit Orbelle 2.0 - Tavix Edition erstellt.");

// The text the box should show for a pair, built from the table entry line by line.
QString expectedDisplayText(const QString& own, const QString& partner)
{
    const PairReading& e = *findPairReading(own.toStdString(), partner.toStdString());
    return QStringList({QStringLiteral("Astro-Analyse für ") + own + QStringLiteral(" und ") + partner,
                        QString(), q(e.firstParagraph), q(e.secondParagraph), QString(),
                        q(e.verdict), QString(), kFooter})
        .join(u'\n');
}

QString infoText()
{
    return q(kInfoTextFirst) + q(kInfoTextSecond);
}

// Runs of blanks and line breaks as one blank: the printout wraps where the box does not.
QString words(QString text)
{
    return text.simplified();
}

// The PDF read back by poppler's pdftotext; an empty string when the tool is missing.
QString pdfToText(const QString& pdf, const QStringList& options)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The top of each word's box on the first page, in points, from `pdftotext -bbox`.
QList<double> pdfWordTops(const QString& pdf)
{
    const QString html = pdfToText(pdf, {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"),
                                         QStringLiteral("1")});
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="[^"]+" yMin="([^"]+)")re"));
    QList<double> tops;
    for (const QRegularExpressionMatch& m : wordTag.globalMatch(html))
        tops.append(m.captured(1).toDouble());
    return tops;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

} // namespace

class tst_AnalysisWindow : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

    frm_aus* open(const QString& own, const QString& partner)
    {
        m_app.choose(own, partner);
        m_app.click("Image1");
        return m_app.forms->analysisWindow.loaded();
    }

    frm_aus* openWidderLoewe() { return open(QStringLiteral("Widder"), QStringLiteral("Löwe")); }

    static void click(QPushButton* button)
    {
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    QString pdfPath() const { return m_app.printDir.filePath(QStringLiteral("print.pdf")); }

    static void requirePdfToText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (package poppler-utils) is not installed; the printout cannot be read back");
    }

private Q_SLOTS:
    void init() { m_app.start(); }

    void cleanup()
    {
        m_app.stop();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // --- Look and layout ---------------------------------------------------------------

    void windowIsFixedGreyAndCentred()
    {
        frm_aus* w = openWidderLoewe();
        QVERIFY(w);
        QCOMPARE(w->size(), twipsSize(8310, 7365));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(w->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
        // A window of its own with a taskbar entry, not a tool window.
        QCOMPARE(w->windowType(), Qt::Window);
        QVERIFY(!w->parentWidget());
        QVERIFY(w->autoFillBackground());
        QCOMPARE(w->palette().color(QPalette::Window), QColor(224, 224, 224));
        QVERIFY(!w->windowIcon().isNull());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offset = w->frameGeometry().center() - screen.center();
        // Odd sizes round the centre by a pixel either way.
        QVERIFY2(std::abs(offset.x()) <= 2 && std::abs(offset.y()) <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
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
        QTest::newRow("inner info button")
            << "Command1" << QRect(3240, 4080, 1695, 375) << "Über Horoskope";
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        frm_aus* w = openWidderLoewe();
        auto* widget = w->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QVERIFY(widget->isVisible());
        QVERIFY(w->rect().contains(widget->geometry()));
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
            // Enter must not trigger any of them, and they keep the ordinary dialog font.
            QVERIFY(!button->autoDefault());
            QVERIFY(!button->isDefault());
            QCOMPARE(button->font(), QApplication::font(button));
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
        }
    }

    void bottomButtonsStandInOneEvenRow()
    {
        frm_aus* w = openWidderLoewe();
        const QList<QPushButton*> row = {w->Kopieren, w->Command3, w->Command1a, w->Command2};
        for (qsizetype i = 1; i < row.size(); ++i) {
            QCOMPARE(row[i]->y(), row[0]->y());
            QCOMPARE(row[i]->size(), row[0]->size());
            const int gap = row[i]->x() - row[i - 1]->geometry().right() - 1;
            QVERIFY2(gap == 25 || gap == 26, qPrintable(QString::number(gap)));
        }
        // Below the frame around the text box.
        QVERIFY(row[0]->y() > twips(6720));
    }

    void textBoxShowsComicSansOnYellowReadOnly()
    {
        frm_aus* w = openWidderLoewe();
        QTextEdit* box = w->RichTextBox1;
        QCOMPARE(box->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(box->font().pointSizeF(), 12.0);
        QVERIFY(!box->font().bold());
        QVERIFY(!box->font().italic());
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 192));
        QVERIFY(!box->acceptRichText());
        QVERIFY(box->isReadOnly());
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByMouse);
        QVERIFY(box->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QVERIFY(!(box->textInteractionFlags() & Qt::TextEditable));
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void longestReadingScrollsToItsFooter()
    {
        frm_aus* w = open(QStringLiteral("Jungfrau"), QStringLiteral("Waage"));
        QTextEdit* box = w->RichTextBox1;
        QTRY_VERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
        box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        QTextCursor end = box->textCursor();
        end.movePosition(QTextCursor::End);
        QVERIFY(box->viewport()->rect().contains(box->cursorRect(end)));
    }

    void textCannotBeEditedButSelected()
    {
        frm_aus* w = openWidderLoewe();
        QVERIFY(QTest::qWaitForWindowActive(w));
        const QString before = w->RichTextBox1->toPlainText();
        w->RichTextBox1->setFocus();
        QTest::keyClicks(w->RichTextBox1, QStringLiteral("xyz"));
        QTest::keyClick(w->RichTextBox1, Qt::Key_Delete);
        QTest::keyClick(w->RichTextBox1, Qt::Key_Backspace);
        QCOMPARE(w->RichTextBox1->toPlainText(), before);
        QTest::keyClick(w->RichTextBox1, Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(w->RichTextBox1->textCursor().hasSelection());
    }

    void innerButtonStandsAboveTheTextBoxAndDoesNothing()
    {
        frm_aus* w = openWidderLoewe();
        QVERIFY(w->RichTextBox1->geometry().contains(w->Command1->geometry()));
        QCOMPARE(w->childAt(w->Command1->geometry().center()), w->Command1);
        const QString text = w->RichTextBox1->toPlainText();
        const QString caption = w->windowTitle();
        const int printsBefore = m_app.printer.printCount;
        click(w->Command1);
        QCOMPARE(w->RichTextBox1->toPlainText(), text);
        QCOMPARE(w->windowTitle(), caption);
        QVERIFY(m_app.messageBox.messages.empty());
        QVERIFY(m_app.clipboard.content.empty());
        QCOMPARE(m_app.printer.printCount, printsBefore);
        for (QPushButton* b : {w->Kopieren, w->Command2, w->Command3, w->Command1a, w->Command1})
            QVERIFY(b->isVisible());
    }

    void startsOnTheInnerButtonAndTabsInDesignedOrder()
    {
        frm_aus* w = openWidderLoewe();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTRY_COMPARE(QApplication::focusWidget(), w->Command1);
        const QList<QWidget*> order = {w->RichTextBox1, w->Kopieren, w->Command2,
                                       w->Command3, w->Command1a, w->Command1};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void frameLinesSurroundTheTextBox()
    {
        frm_aus* w = openWidderLoewe();
        const QImage image = w->grab().toImage();
        QCOMPARE(image.size(), w->size());
        const QColor black(0, 0, 0);
        const QColor grey(224, 224, 224);
        const int left = twips(120);
        const int top = twips(120);
        const int right = twips(8160);
        const int bottom = twips(6720);
        for (int x : {left, left + 100, right - 100, right}) {
            QCOMPARE(image.pixelColor(x, top), black);    // Line1(1)
            QCOMPARE(image.pixelColor(x, bottom), black); // Line1(0)
            QCOMPARE(image.pixelColor(x, top - 1), grey);
            QCOMPARE(image.pixelColor(x, bottom + 1), grey);
        }
        for (int y : {top, top + 100, bottom - 100, bottom}) {
            QCOMPARE(image.pixelColor(left, y), black);  // Line2
            QCOMPARE(image.pixelColor(right, y), black); // Line3
        }
        // One pixel wide, with the grey ground on both sides.
        for (int y : {top + 100, bottom - 100}) {
            for (int x : {left - 1, left + 1, right - 1, right + 1})
                QCOMPARE(image.pixelColor(x, y), grey);
        }
    }

    // --- The reading -------------------------------------------------------------------

    void heartOpensTheReading_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::newRow("Widder and Löwe") << "Widder" << "Löwe";
        QTest::newRow("Stier and Widder, own sign later") << "Stier" << "Widder";
        QTest::newRow("Zwillinge and Skorpion, no verdict") << "Zwillinge" << "Skorpion";
        QTest::newRow("Fische twice") << "Fische" << "Fische";
        QTest::newRow("Waage twice, trailing blanks") << "Waage" << "Waage";
    }

    void heartOpensTheReading()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        frm_aus* w = open(own, partner);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Astro-Analyse für ") + own
                                       + QStringLiteral(" und ") + partner);
        QCOMPARE(w->RichTextBox1->toPlainText(), expectedDisplayText(own, partner));
        QVERIFY(m_app.main().isEnabled());
    }

    void heartWhileOpenKeepsTheOpenWindow_data()
    {
        QTest::addColumn<bool>("infoShown");
        QTest::newRow("showing the reading") << false;
        QTest::newRow("showing the info text") << true;
    }

    void heartWhileOpenKeepsTheOpenWindow()
    {
        QFETCH(bool, infoShown);
        frm_aus* w = openWidderLoewe();
        if (infoShown)
            click(w->Command1a);
        const QString text = w->RichTextBox1->toPlainText();
        const QString caption = w->windowTitle();
        QCOMPARE(open(QStringLiteral("Krebs"), QStringLiteral("Fische")), w);
        QCOMPARE(w->RichTextBox1->toPlainText(), text);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->Kopieren->isVisible(), !infoShown);
    }

    // --- Copying -----------------------------------------------------------------------

    void copyPutsTheDisplayTextOnTheClipboard_data()
    {
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("withSelection");
        QTest::newRow("once") << 1 << false;
        QTest::newRow("twice in a row") << 2 << false;
        QTest::newRow("with part of the text selected") << 1 << true;
    }

    void copyPutsTheDisplayTextOnTheClipboard()
    {
        QFETCH(int, copies);
        QFETCH(bool, withSelection);
        frm_aus* w = open(QStringLiteral("Zwillinge"), QStringLiteral("Skorpion"));
        m_app.clipboard.content = "Fremder Text von vorher";
        if (withSelection) {
            QTextCursor cursor = w->RichTextBox1->textCursor();
            cursor.setPosition(5);
            cursor.setPosition(40, QTextCursor::KeepAnchor);
            w->RichTextBox1->setTextCursor(cursor);
        }
        for (int i = 0; i < copies; ++i)
            click(w->Kopieren);

        QString expected = expectedDisplayText(QStringLiteral("Zwillinge"), QStringLiteral("Skorpion"));
        expected.replace(u'\n', QStringLiteral("\r\n"));
        QCOMPARE(q(m_app.clipboard.content), expected);
        QVERIFY(q(m_app.clipboard.content).startsWith(QStringLiteral("Astro-Analyse für Zwillinge und Skorpion\r\n")));
        QVERIFY(q(m_app.clipboard.content).endsWith(kFooter));
        // Cleared each time, and before the text went on: a clear after it would have
        // left the clipboard empty.
        QCOMPARE(m_app.clipboard.clearCount, copies);
        QCOMPARE(m_app.messageBox.messages.size(), static_cast<std::size_t>(copies));
        for (const auto& message : m_app.messageBox.messages) {
            QCOMPARE(q(message.prompt),
                     QStringLiteral("Die Astro-Analyse wurde in die Zwischenablage kopiert. Sie können den Text jetzt mit der Tastenkombination STRG+V in jede beliebige Anwendung einfügen."));
            QCOMPARE(q(message.title), QStringLiteral("Analyse wurde kopiert"));
            QCOMPARE(message.icon, MessageIcon::Information);
        }
    }

    void refusedCopyIsReportedNotConfirmed_data()
    {
        QTest::addColumn<std::string>("earlierContent");
        QTest::newRow("clipboard held something else") << std::string("Fremder Text von vorher");
        QTest::newRow("clipboard was empty") << std::string();
    }

    void refusedCopyIsReportedNotConfirmed()
    {
        QFETCH(std::string, earlierContent);
        frm_aus* w = openWidderLoewe();
        m_app.clipboard.content = earlierContent;
        m_app.clipboard.refuseWrites = true;
        click(w->Kopieren);
        QCOMPARE(m_app.clipboard.content, earlierContent);
        QCOMPARE(m_app.messageBox.messages.size(), std::size_t{1});
        const auto& message = m_app.messageBox.messages.front();
        QCOMPARE(q(message.title), QStringLiteral("Kopieren fehlgeschlagen"));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY(q(message.prompt).contains(QStringLiteral("nicht in die Zwischenablage kopiert")));
        QVERIFY(q(message.prompt).contains(QStringLiteral("noch einmal")));

        // Once the clipboard is free again, the next copy goes through and is confirmed.
        m_app.clipboard.refuseWrites = false;
        click(w->Kopieren);
        QCOMPARE(m_app.messageBox.messages.size(), std::size_t{2});
        QCOMPARE(q(m_app.messageBox.messages.back().title), QStringLiteral("Analyse wurde kopiert"));
    }

    // --- Info text and closing ---------------------------------------------------------

    void infoButtonShowsTheInfoText_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::newRow("clicked once") << 1;
        QTest::newRow("clicked again, nothing changes") << 2;
    }

    void infoButtonShowsTheInfoText()
    {
        QFETCH(int, clicks);
        frm_aus* w = openWidderLoewe();
        for (int i = 0; i < clicks; ++i)
            click(w->Command1a);
        QCOMPARE(w->windowTitle(), QStringLiteral("Über die Partnerschaftsastrologie"));
        QCOMPARE(w->RichTextBox1->toPlainText(), infoText());
        QCOMPARE(w->RichTextBox1->toPlainText().size(), 1065);
        QVERIFY(!w->Kopieren->isVisible());
        QVERIFY(!w->Command2->isVisible());
        QVERIFY(!w->Command1->isVisible());
        QVERIFY(w->Command3->isVisible());
        QVERIFY(w->Command1a->isVisible());
        QVERIFY(m_app.forms->analysisWindow.isLoaded());
        QVERIFY(m_app.messageBox.messages.empty());
        // The reading stays with the window class for the next load.
        QVERIFY(!m_app.forms->analysisFields.reading.empty());
    }

    void closeUnloadsAndTheNextHeartClickComposesAnew_data()
    {
        QTest::addColumn<bool>("infoFirst");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Schließen after the reading") << false << false;
        QTest::newRow("Schließen after the info text") << true << false;
        QTest::newRow("close box after the info text") << true << true;
    }

    void closeUnloadsAndTheNextHeartClickComposesAnew()
    {
        QFETCH(bool, infoFirst);
        QFETCH(bool, closeBox);
        QPointer<frm_aus> first = openWidderLoewe();
        if (infoFirst)
            click(first->Command1a);
        if (closeBox)
            first->close();
        else
            click(first->Command3);
        QVERIFY(!m_app.forms->analysisWindow.isLoaded());
        QTRY_VERIFY(first.isNull());
        QCOMPARE(q(m_app.forms->analysisFields.sign1), QStringLiteral("Widder"));

        frm_aus* second = open(QStringLiteral("Steinbock"), QStringLiteral("Jungfrau"));
        QVERIFY(second && second->isVisible());
        QCOMPARE(second->windowTitle(), QStringLiteral("Astro-Analyse für Steinbock und Jungfrau"));
        QCOMPARE(second->RichTextBox1->toPlainText(),
                 expectedDisplayText(QStringLiteral("Steinbock"), QStringLiteral("Jungfrau")));
        for (QPushButton* b : {second->Kopieren, second->Command2, second->Command3,
                               second->Command1a, second->Command1})
            QVERIFY2(b->isVisible(), qPrintable(b->objectName()));
    }

    // --- Printing ----------------------------------------------------------------------

    void printHoldsTheTextOrTheSelection_data()
    {
        QTest::addColumn<bool>("selectSecondParagraph");
        QTest::newRow("nothing selected: the whole text") << false;
        QTest::newRow("second paragraph selected: only that") << true;
    }

    void printHoldsTheTextOrTheSelection()
    {
        QFETCH(bool, selectSecondParagraph);
        requirePdfToText();
        frm_aus* w = open(QStringLiteral("Krebs"), QStringLiteral("Fische"));
        const PairReading& entry = *findPairReading("Krebs", "Fische");
        QString expected = expectedDisplayText(QStringLiteral("Krebs"), QStringLiteral("Fische"));
        if (selectSecondParagraph) {
            expected = q(entry.secondParagraph);
            const int start = static_cast<int>(w->RichTextBox1->toPlainText().indexOf(expected));
            QTextCursor cursor = w->RichTextBox1->textCursor();
            cursor.setPosition(start);
            cursor.setPosition(start + static_cast<int>(expected.size()), QTextCursor::KeepAnchor);
            w->RichTextBox1->setTextCursor(cursor);
        }
        const int printsBefore = m_app.printer.printCount;
        click(w->Command2);
        QCOMPARE(m_app.printer.printCount, printsBefore + 1);
        QVERIFY(m_app.messageBox.messages.empty());
        const QString printed = pdfToText(pdfPath(), {QStringLiteral("-layout")});
        QVERIFY2(!printed.isEmpty(), "the PDF could not be read back");
        QCOMPARE(words(printed), words(expected));
        // Printing leaves the box as it was.
        QCOMPARE(w->RichTextBox1->textCursor().hasSelection(), selectSecondParagraph);
    }

    void printSetsTheTextAtTwelvePoint()
    {
        requirePdfToText();
        frm_aus* w = open(QStringLiteral("Widder"), QStringLiteral("Löwe"));
        click(w->Command2);
        const QList<double> tops = pdfWordTops(pdfPath());
        QVERIFY2(tops.size() > 100, qPrintable(QString::number(tops.size())));
        QList<double> lineSteps;
        for (qsizetype i = 1; i < tops.size(); ++i) {
            if (tops[i] - tops[i - 1] > 1.0)
                lineSteps << tops[i] - tops[i - 1];
        }
        // The line pitch on paper must be that of the box's font set at 12 pt, measured on a
        // device of printer resolution; 11 or 13 pt would be 8 % off.
        QPdfWriter metricsDevice(m_app.printDir.filePath(QStringLiteral("metrics.pdf")));
        metricsDevice.setResolution(1200);
        QFont twelvePoint = w->RichTextBox1->font();
        twelvePoint.setPointSizeF(12);
        const double expected = QFontMetricsF(twelvePoint, &metricsDevice).lineSpacing() * 72.0
                                / metricsDevice.resolution();
        const double step = median(lineSteps);
        QVERIFY2(std::abs(step - expected) <= 0.03 * expected,
                 qPrintable(QStringLiteral("line pitch %1 pt, expected %2 pt").arg(step).arg(expected)));
        QVERIFY(expected > 12.0);
    }

    void printerProblemsAreReported_data()
    {
        QTest::addColumn<PrinterPort::Outcome>("outcome");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("promptStart");
        QTest::newRow("no printer") << PrinterPort::Outcome::NoPrinter
                                    << "Drucken nicht möglich" << "Es ist kein Drucker eingerichtet.";
        QTest::newRow("printing failed") << PrinterPort::Outcome::Failed
                                         << "Drucken fehlgeschlagen" << "Der Ausdruck ist fehlgeschlagen.";
    }

    void printerProblemsAreReported()
    {
        QFETCH(PrinterPort::Outcome, outcome);
        QFETCH(QString, title);
        QFETCH(QString, promptStart);
        frm_aus* w = openWidderLoewe();
        m_app.printer.simulated = outcome;
        click(w->Command2);
        QCOMPARE(m_app.messageBox.messages.size(), std::size_t{1});
        const auto& message = m_app.messageBox.messages.front();
        QCOMPARE(q(message.title), title);
        QVERIFY2(q(message.prompt).startsWith(promptStart), message.prompt.c_str());
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY(m_app.forms->analysisWindow.isLoaded());
    }

    void unwritablePdfCountsAsAFailedPrint()
    {
        // The real page work on a device that cannot be opened must not claim success.
        PdfPrinter printer(QStringLiteral("/nonexistent-directory/print.pdf"));
        QTextDocument document(QStringLiteral("Text"));
        QCOMPARE(printer.print(document), PrinterPort::Outcome::Failed);
    }
};

QTEST_MAIN(tst_AnalysisWindow)
#include "tst_analysiswindow.moc"
