// The sign catalogue as data: order, names, date lines, lookups and the profile texts.

#include "signs/SignCatalogue.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace orbelle;

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

qsizetype codePoints(std::string_view utf8)
{
    return static_cast<qsizetype>(q(utf8).toUcs4().size());
}

const QStringList kExpectedNames = {
    QStringLiteral("Widder"),   QStringLiteral("Stier"),     QStringLiteral("Zwillinge"),
    QStringLiteral("Krebs"),    QStringLiteral("Löwe"),      QStringLiteral("Jungfrau"),
    QStringLiteral("Waage"),    QStringLiteral("Skorpion"),  QStringLiteral("Schütze"),
    QStringLiteral("Steinbock"), QStringLiteral("Wassermann"), QStringLiteral("Fische")};

// Day of the year (non-leap) for "21. März" and the like.
int dayOfYear(const QString& dayAndMonth)
{
    static const QStringList months = {
        QStringLiteral("Januar"), QStringLiteral("Februar"), QStringLiteral("März"),
        QStringLiteral("April"), QStringLiteral("Mai"), QStringLiteral("Juni"),
        QStringLiteral("Juli"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("Dezember")};
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const QStringList parts = dayAndMonth.trimmed().split(QStringLiteral(". "));
    const auto month = months.indexOf(parts.value(1));
    if (parts.size() != 2 || month < 0)
        return -1;
    int day = parts.at(0).toInt();
    for (qsizetype m = 0; m < month; ++m)
        day += lengths[m];
    return day;
}

} // namespace

class tst_SignCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsTwelveSignsInCanonicalOrder()
    {
        const auto& entries = signCatalogue();
        QStringList names;
        for (const SignEntry& e : entries) {
            QCOMPARE(e.position, names.size() + 1);
            names << q(e.displayName);
        }
        QCOMPARE(names, kExpectedNames);
    }

    void pictureControlsFollowTheNamingRule()
    {
        // Lower case with ö as "oe" and ü as "ue"; the third sign's picture is singular.
        for (const SignEntry& e : signCatalogue()) {
            QString expected = q(e.displayName).toLower();
            expected.replace(QStringLiteral("ö"), QStringLiteral("oe"));
            expected.replace(QStringLiteral("ü"), QStringLiteral("ue"));
            if (expected == QStringLiteral("zwillinge"))
                expected = QStringLiteral("zwilling");
            QCOMPARE(q(e.pictureControl), expected);
        }
    }

    void lookupByName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("position"); // 0: no entry
        QTest::newRow("plural display name") << QStringLiteral("Zwillinge") << 3;
        QTest::newRow("umlaut kept") << QStringLiteral("Löwe") << 5;
        QTest::newRow("last sign") << QStringLiteral("Fische") << 12;
        QTest::newRow("singular") << QStringLiteral("Zwilling") << 0;
        QTest::newRow("lower case") << QStringLiteral("zwillinge") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("trailing blank") << QStringLiteral("Widder ") << 0;
        QTest::newRow("umlaut spelled out") << QStringLiteral("Loewe") << 0;
        QTest::newRow("picture control is no name") << QStringLiteral("schuetze") << 0;
    }

    void lookupByName()
    {
        QFETCH(QString, text);
        QFETCH(int, position);
        const std::string utf8 = text.toStdString();
        const SignEntry* entry = findSignByName(utf8);
        QCOMPARE(entry ? entry->position : 0, position);
    }

    void lookupByPictureControl()
    {
        for (const SignEntry& e : signCatalogue())
            QCOMPARE(findSignByPictureControl(e.pictureControl), &e);
        QVERIFY(!findSignByPictureControl("zwillinge"));
        QVERIFY(!findSignByPictureControl(""));
    }

    void dateLinesHaveTheirForm()
    {
        for (const SignEntry& e : signCatalogue()) {
            const QString line = q(e.dateLine);
            QVERIFY2(line.startsWith(q(e.displayName) + QStringLiteral(": ")), qPrintable(line));
            const bool fische = e.displayName == "Fische";
            // Fische alone keeps two blanks before "bis".
            QCOMPARE(line.count(QStringLiteral("  bis ")), fische ? 1 : 0);
            QCOMPARE(line.count(QStringLiteral(" bis ")), 1);
        }
        QCOMPARE(q(findSignByName("Fische")->dateLine),
                 QStringLiteral("Fische: 20. Februar  bis 20. März"));
    }

    void dateRangesCoverTheYearWithoutGap()
    {
        const auto& entries = signCatalogue();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const QString line = q(entries[i].dateLine);
            const QString range = line.mid(line.indexOf(QLatin1Char(':')) + 2);
            const int end = dayOfYear(range.section(QStringLiteral(" bis "), 1));
            const QString nextLine = q(entries[(i + 1) % entries.size()].dateLine);
            const QString nextRange = nextLine.mid(nextLine.indexOf(QLatin1Char(':')) + 2);
            const int nextStart = dayOfYear(nextRange.section(QStringLiteral(" bis "), 0, 0));
            QVERIFY2(end > 0 && nextStart > 0, qPrintable(line));
            QCOMPARE(nextStart, end % 365 + 1);
        }
    }

    void profileTexts_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("length");
        const int lengths[] = {711, 755, 698, 778, 838, 768, 807, 794, 822, 930, 933, 915};
        for (int i = 0; i < 12; ++i)
            QTest::newRow(qPrintable(kExpectedNames.at(i))) << i + 1 << lengths[i];
    }

    void profileTexts()
    {
        QFETCH(int, position);
        QFETCH(int, length);
        const SignEntry& e = signCatalogue().at(static_cast<std::size_t>(position - 1));
        const qsizetype actual = codePoints(e.profileText);
        QVERIFY2(actual >= length * 9 / 10 && actual <= length * 11 / 10,
                 qPrintable(QStringLiteral("%1 characters").arg(actual)));
        QVERIFY(!q(e.profileText).contains(QLatin1Char('\n')));
        QVERIFY(!q(e.profileText).contains(QLatin1Char('\r')));
        QCOMPARE(q(e.profileText).trimmed(), q(e.profileText));
    }

    void profileTextsAreDistinct()
    {
        std::set<std::string_view> texts;
        for (const SignEntry& e : signCatalogue())
            texts.insert(e.profileText);
        QCOMPARE(texts.size(), kSignCount);
    }

    void profileWindowTextIsDateLineEmptyLineParagraph()
    {
        const SignEntry& stier = *findSignByName("Stier");
        const std::string text = profileWindowText(stier);
        QCOMPARE(q(text), q(stier.dateLine) + QStringLiteral("\r\n\r\n") + q(stier.profileText));
        QVERIFY(!q(text).endsWith(QLatin1Char('\n')));
    }
};

QTEST_GUILESS_MAIN(tst_SignCatalogue)
#include "tst_signcatalogue.moc"
