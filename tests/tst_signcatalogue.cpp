// The sign catalogue as data: the twelve entries, the lookup by picture control and the
// profile texts.

#include "TestSupport.h"

#include "signs/SignCatalogue.h"

using namespace orbelle;
using testing::toQString;

namespace {

// 1 to 12 in the canonical order, 0 for none.
int positionOf(const SignEntry* entry)
{
    return entry ? static_cast<int>(entry - signCatalogue().data()) + 1 : 0;
}

} // namespace

class tst_SignCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void entries_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("pictureControl");
        QTest::addColumn<QString>("dateLine");
        QTest::addColumn<int>("profileLength");
        int position = 0;
        const auto row = [&position](const char* name, const char* control, const char* dates,
                                     int length) {
            QTest::newRow(name) << ++position << control << QString::fromUtf8(dates) << length;
        };
        row("Widder", "widder", "Widder: 21. März bis 20. April", 711);
        row("Stier", "stier", "Stier: 21. April bis 21. Mai", 755);
        row("Zwillinge", "zwilling", "Zwillinge: 22. Mai bis 21. Juni", 698);
        row("Krebs", "krebs", "Krebs: 22. Juni bis 22. Juli", 778);
        row("Löwe", "loewe", "Löwe: 23. Juli bis 23. August", 838);
        row("Jungfrau", "jungfrau", "Jungfrau: 24. August bis 22. September", 768);
        row("Waage", "waage", "Waage: 23. September bis 23. Oktober", 807);
        row("Skorpion", "skorpion", "Skorpion: 24. Oktober bis 22. November", 794);
        row("Schütze", "schuetze", "Schütze: 23. November bis 21. Dezember", 822);
        row("Steinbock", "steinbock", "Steinbock: 22. Dezember bis 20. Januar", 930);
        row("Wassermann", "wassermann", "Wassermann: 21. Januar bis 19. Februar", 933);
        // The two blanks before "bis" are the line as it has always been shown.
        row("Fische", "fische", "Fische: 20. Februar  bis 20. März", 915);
    }

    void entries()
    {
        QFETCH(int, position);
        QFETCH(QString, pictureControl);
        QFETCH(QString, dateLine);
        QFETCH(int, profileLength);
        const SignEntry& e = signCatalogue().at(static_cast<std::size_t>(position - 1));
        QCOMPARE(toQString(e.displayName), QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(toQString(e.pictureControl), pictureControl);
        QCOMPARE(toQString(e.dateLine), dateLine);
        QCOMPARE(findSignByPictureControl(e.pictureControl), &e);

        const QString profile = toQString(e.profileText);
        const qsizetype length = testing::codePoints(e.profileText);
        QVERIFY2(std::abs(length - profileLength) * 10 <= profileLength,
                 qPrintable(QStringLiteral("%1 characters").arg(length)));
        QVERIFY(!profile.contains(u'\n') && !profile.contains(u'\r'));
        QCOMPARE(profile.trimmed(), profile);
        // Each text speaks of its own sign and of no other: a text under a wrong name shows.
        for (const SignEntry& other : signCatalogue()) {
            QVERIFY(&other == &e || other.profileText != e.profileText);
            QCOMPARE(profile.contains(toQString(other.displayName)), &other == &e);
        }
        QCOMPARE(toQString(profileWindowText(e)), dateLine + QStringLiteral("\r\n\r\n") + profile);
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position"); // found, 0 for none
        QTest::newRow("picture control") << "zwilling" << 3;
        QTest::newRow("spelt out umlaut") << "loewe" << 5;
        QTest::newRow("display name") << "Zwillinge" << 0;
        QTest::newRow("capitalised") << "Zwilling" << 0;
        QTest::newRow("trailing blank") << "widder " << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void lookups()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        QCOMPARE(positionOf(findSignByPictureControl(text.toStdString())), position);
    }
};

QTEST_GUILESS_MAIN(tst_SignCatalogue)
#include "tst_signcatalogue.moc"
