// The birth-date window: its controls as designed, the lists it fills, the answer it
// shows for "Start", and what it keeps while open and forgets when closed.

#include "MainWindowFixture.h"

#include "birthdate/BirthDateAnswer.h"
#include "birthdate/Form5.h"
#include "platform/QtText.h"
#include "platform/Twips.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

using namespace orbelle;

namespace {

const QString kInstruction =
    QStringLiteral("Wähle oben das Geburts- datum aus und schon siehst Du hier das Sternzeichen.");

QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

QStringList expectedDays()
{
    QStringList days;
    for (int day = 1; day <= 32; ++day)
        days << QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    return days;
}

// The next control that Tab moves to; labels are passed over.
QWidget* nextTabStop(QWidget* from)
{
    QWidget* next = from->nextInFocusChain();
    while (next != from && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

const QStringList kMonths = {"Januar", "Februar", "März", "April", "Mai", "Juni",
                             "Juli", "August", "September", "Oktober", "November", "Dezember"};

} // namespace

class tst_BirthDate : public QObject {
    Q_OBJECT

private:
    MainWindowFixture m_app;

    Form5& open()
    {
        m_app.click("Command3");
        Form5* window = m_app.forms->birthDateWindow.loaded();
        if (!window)
            qFatal("the birth-date window did not open");
        return *window;
    }

    // Chooses as the user does; an empty text leaves the list without a choice.
    static void choose(Form5& w, const QString& day, const QString& month)
    {
        w.Combo1->setCurrentIndex(day.isEmpty() ? -1 : w.Combo1->findText(day));
        w.Combo2->setCurrentIndex(month.isEmpty() ? -1 : w.Combo2->findText(month));
    }

    static void pressStart(Form5& w)
    {
        QTest::mouseClick(w.Command1, Qt::LeftButton, {}, w.Command1->rect().center());
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
        Form5& w = open();
        QVERIFY(w.isVisible());
        QCOMPARE(w.windowTitle(), QStringLiteral("Sternzeichen"));
        QCOMPARE(w.size(), twipsSize(2550, 1815));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!w.windowIcon().isNull());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("day list") << "Combo1" << QRect(248, 120, 735, 315);
        QTest::newRow("month list") << "Combo2" << QRect(1088, 120, 1215, 315);
        QTest::newRow("answer label") << "Label1" << QRect(248, 600, 2055, 615);
        QTest::newRow("start button") << "Command1" << QRect(248, 1320, 2055, 375);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        Form5& w = open();
        auto* widget = w.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        QVERIFY(w.rect().contains(widget->geometry()));
    }

    void controlBehaviour()
    {
        Form5& w = open();
        QVERIFY(!w.Combo1->isEditable());
        QVERIFY(!w.Combo2->isEditable());
        QCOMPARE(w.Command1->text(), QStringLiteral("Start"));
        QVERIFY(!w.Command1->isDefault());
        QVERIFY(!w.Command1->autoDefault());
        QVERIFY(w.Label1->wordWrap());
        QCOMPARE(w.Label1->focusPolicy(), Qt::NoFocus);
        // Tab goes day, month, Start.
        QCOMPARE(nextTabStop(w.Combo1), w.Combo2);
        QCOMPARE(nextTabStop(w.Combo2), w.Command1);
    }

    void loadFillsMonthsThenDaysWithNothingChosen()
    {
        Form5 w;
        QStringList order;
        connect(w.Combo1->model(), &QAbstractItemModel::rowsInserted, &w,
                [&order] { order << QStringLiteral("day"); });
        connect(w.Combo2->model(), &QAbstractItemModel::rowsInserted, &w,
                [&order] { order << QStringLiteral("month"); });
        w.Form_Load();
        QCOMPARE(order.size(), 44);
        QCOMPARE(order.indexOf(QStringLiteral("day")), 12);
        QCOMPARE(order.lastIndexOf(QStringLiteral("month")), 11);

        QCOMPARE(items(w.Combo1), expectedDays());
        QCOMPARE(items(w.Combo2), kMonths);
        QCOMPARE(w.Combo1->currentIndex(), -1);
        QCOMPARE(w.Combo2->currentIndex(), -1);
        QCOMPARE(w.Combo1->currentText(), QString());
        QCOMPARE(w.Label1->text(), kInstruction);
        QCOMPARE(w.Label1->text().size(), 76);
    }

    void everyTextFitsTheLabel()
    {
        Form5& w = open();
        const QString saved = w.Label1->text();
        QStringList texts{kInstruction};
        for (const std::string_view month : birthDateMonths())
            for (const std::string_view day : birthDateDays())
                texts << toQString(BirthDateAnswer(day, month));
        for (const QString& text : texts) {
            w.Label1->setText(text);
            QVERIFY2(w.Label1->heightForWidth(w.Label1->width()) <= w.Label1->height(),
                     qPrintable(text));
        }
        w.Label1->setText(saved);
        QVERIFY(w.font().pointSizeF() >= 7.0);
    }

    void startShowsTheAnswer_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("answer");
        QTest::newRow("nothing chosen") << "" << "" << "Kein Datum angegeben";
        QTest::newRow("only a month") << "" << "Januar" << "Kein Datum angegeben";
        QTest::newRow("only a day") << "05" << "" << "Kein Datum angegeben";
        QTest::newRow("joke day alone") << "32" << "" << "Kleiner Scherz!";
        QTest::newRow("joke day before impossible date") << "32" << "Februar" << "Kleiner Scherz!";
        QTest::newRow("impossible date") << "31" << "November" << "Ungültiges Datum";
        QTest::newRow("leap day") << "29" << "Februar" << "Wer am 29. Februar geboren wurde, ist Fische.";
        QTest::newRow("23 September") << "23" << "September"
                                      << "Wer am 23. September geboren wurde, ist Jungfrau.";
        QTest::newRow("Zwilling singular") << "22" << "Mai" << "Wer am 22. Mai geboren wurde, ist Zwilling.";
    }

    void startShowsTheAnswer()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, answer);
        Form5& w = open();
        choose(w, day, month);
        QCOMPARE(w.Combo1->currentText(), day);
        QCOMPARE(w.Combo2->currentText(), month);
        pressStart(w);
        QCOMPARE(w.Label1->text(), answer);
        // The answer goes into the label only; the choices stay for a correction.
        QVERIFY(m_app.messageBox.messages.empty());
        QCOMPARE(w.Combo1->currentText(), day);
        QCOMPARE(w.Combo2->currentText(), month);
    }

    void labelChangesOnlyOnStart()
    {
        Form5& w = open();
        choose(w, QStringLiteral("01"), QStringLiteral("Januar"));
        QCOMPARE(w.Label1->text(), kInstruction);
        pressStart(w);
        const QString first = QStringLiteral("Wer am 01. Januar geboren wurde, ist Steinbock.");
        QCOMPARE(w.Label1->text(), first);
        choose(w, QStringLiteral("21"), QStringLiteral("Januar"));
        QCOMPARE(w.Label1->text(), first);
        pressStart(w);
        QCOMPARE(w.Label1->text(), QStringLiteral("Wer am 21. Januar geboren wurde, ist Wassermann."));
        pressStart(w);
        QCOMPARE(w.Label1->text(), QStringLiteral("Wer am 21. Januar geboren wurde, ist Wassermann."));
    }

    void reopeningWhileOpenKeepsChoicesAndAnswer()
    {
        Form5& w = open();
        choose(w, QStringLiteral("05"), QStringLiteral("März"));
        pressStart(w);
        Form5& again = open();
        QCOMPARE(&again, &w);
        QCOMPARE(again.Combo1->currentText(), QStringLiteral("05"));
        QCOMPARE(again.Combo2->currentText(), QStringLiteral("März"));
        QCOMPARE(again.Label1->text(), QStringLiteral("Wer am 05. März geboren wurde, ist Fische."));
        QCOMPARE(again.Combo2->count(), 12);
    }

    void reopeningAfterCloseStartsAfresh()
    {
        Form5& w = open();
        choose(w, QStringLiteral("05"), QStringLiteral("März"));
        pressStart(w);
        w.close();
        QVERIFY(!m_app.forms->birthDateWindow.isLoaded());
        Form5& fresh = open();
        QCOMPARE(items(fresh.Combo1), expectedDays());
        QCOMPARE(items(fresh.Combo2), kMonths);
        QCOMPARE(fresh.Combo1->currentIndex(), -1);
        QCOMPARE(fresh.Combo2->currentIndex(), -1);
        QCOMPARE(fresh.Label1->text(), kInstruction);
    }
};

QTEST_MAIN(tst_BirthDate)
#include "tst_birthdate.moc"
