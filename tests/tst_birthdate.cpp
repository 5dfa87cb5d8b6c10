// The birth-date window: its controls and their places, the lists it fills, the answer it
// shows for "Start", and what it keeps while open and forgets when closed.

#include "ProgramTestCase.h"

#include "birthdate/BirthDateAnswer.h"
#include "kit/Twips.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QPushButton>

using namespace orbelle;
using testing::toQString;

namespace {

const QString kInstruction = QStringLiteral(
    "Wähle oben das Geburts- datum aus und schon siehst Du hier das Sternzeichen.");

// Chooses as the user does; an empty text leaves the list without a choice.
void choose(Form5& w, const QString& day, const QString& month)
{
    w.Combo1->setCurrentIndex(w.Combo1->findText(day));
    w.Combo2->setCurrentIndex(w.Combo2->findText(month));
}

} // namespace

class tst_BirthDate : public ProgramTestCase {
    Q_OBJECT

private Q_SLOTS:
    void windowAndTabOrder()
    {
        Form5& w = *m_app.birthDate();
        QCOMPARE(w.windowTitle(), QStringLiteral("Sternzeichen"));
        QCOMPARE(w.size(), twipsSize(2550, 1815));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // A tool window: no taskbar entry, a close box only.
        QCOMPARE(w.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        const std::pair<QWidget*, QRect> controls[] = {{w.Combo1, {248, 120, 735, 315}},
                                                       {w.Combo2, {1088, 120, 1215, 315}},
                                                       {w.Label1, {248, 600, 2055, 615}},
                                                       {w.Command1, {248, 1320, 2055, 375}}};
        for (const auto& [control, r] : controls)
            QCOMPARE(control->geometry(), twipsRect(r.x(), r.y(), r.width(), r.height()));
        QCOMPARE(w.Command1->text(), QStringLiteral("Start"));
        QVERIFY(!w.Combo1->isEditable() && !w.Combo2->isEditable());
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(QApplication::focusWidget(), w.Combo1);
        for (QWidget* next : QWidgetList{w.Combo2, w.Command1, w.Combo1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void loadFillsMonthsThenDaysWithNothingChosen()
    {
        Form5 w;
        QStringList filled;
        connect(w.Combo1->model(), &QAbstractItemModel::rowsInserted, &w,
                [&filled] { filled << "day"; });
        connect(w.Combo2->model(), &QAbstractItemModel::rowsInserted, &w,
                [&filled] { filled << "month"; });
        w.Form_Load();
        QCOMPARE(filled, QStringList(12, "month") + QStringList(32, "day"));
        for (int day = 1; day <= 32; ++day)
            QCOMPARE(w.Combo1->itemText(day - 1),
                     QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
        QCOMPARE(testing::items(w.Combo2).join(u' '),
                 QStringLiteral("Januar Februar März April Mai Juni Juli August September Oktober "
                                "November Dezember"));
        QVERIFY(w.Combo1->currentIndex() == -1 && w.Combo2->currentIndex() == -1);
        QCOMPARE(w.Label1->text(), kInstruction);
        QCOMPARE(kInstruction.size(), 76);
    }

    void everyAnswerFitsTheLabel()
    {
        Form5& w = *m_app.birthDate();
        QVERIFY(w.font().pointSizeF() >= 7.0);
        for (const std::string_view month : birthDateMonths()) {
            for (const std::string_view day : birthDateDays()) {
                w.Label1->setText(toQString(BirthDateAnswer(day, month)));
                QVERIFY2(w.Label1->heightForWidth(w.Label1->width()) <= w.Label1->height(),
                         qPrintable(w.Label1->text()));
            }
        }
    }

    void startShowsTheAnswerAndReopeningKeepsIt_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("reopen"); // 0: not reopened, 1: while open, 2: after a close
        QTest::addColumn<QString>("label");
        const QString fische = QStringLiteral("Wer am 05. März geboren wurde, ist Fische.");
        QTest::newRow("nothing chosen") << ""
                                        << "" << 0 << "Kein Datum angegeben";
        QTest::newRow("impossible date") << "31"
                                         << "November" << 0 << "Ungültiges Datum";
        QTest::newRow("a sign") << "05"
                                << "März" << 0 << fische;
        QTest::newRow("reopened while open: all kept") << "05"
                                                       << "März" << 1 << fische;
        QTest::newRow("reopened after a close: afresh") << "05"
                                                        << "März" << 2 << kInstruction;
    }

    void startShowsTheAnswerAndReopeningKeepsIt()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(int, reopen);
        QFETCH(QString, label);
        Form5* w = m_app.birthDate();
        choose(*w, day, month);
        QCOMPARE(w->Label1->text(), kInstruction);
        testing::clickCentre(w->Command1);
        if (reopen == 2)
            w->close();
        if (reopen != 0)
            w = m_app.birthDate();
        QCOMPARE(w->Label1->text(), label);
        // The answer goes into the label only; the choices stay for a correction.
        QVERIFY(m_app.messageBox.messages.empty());
        QCOMPARE(w->Combo1->currentText() + w->Combo2->currentText(),
                 reopen == 2 ? QString() : day + month);
        QVERIFY(w->Combo1->count() == 32 && w->Combo2->count() == 12);
    }
};

QTEST_MAIN(tst_BirthDate)
#include "tst_birthdate.moc"
