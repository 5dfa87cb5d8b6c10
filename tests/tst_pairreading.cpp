// The pair readings as data and the window-free composition of the analysis text: the
// lookup of every pair, the table's order and texts, and the display text line by line.

#include "analysis/PairAnalysis.h"
#include "analysis/pair_readings_data.h"
#include "signs/SignCatalogue.h"

#include <QTest>

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

QStringList signNames()
{
    QStringList names;
    for (const SignEntry& e : signCatalogue())
        names << q(e.displayName);
    return names;
}

// Lines of a text with CR LF breaks; a bare CR or LF would stay inside a line and show.
QStringList crLfLines(const std::string& text)
{
    return q(text).split(QStringLiteral("\r\n"));
}

const QString kFooter =
    QStringLiteral("Diese astrologische Analyse wurde mit Orbelle 2.0 - Tavix Edition erstellt.");

// How long each text of the table is meant to be, in characters, in table order.
struct TargetLengths {
    const char* signA;
    const char* signB;
    int first;
    int second;
    int verdict;
};

constexpr TargetLengths kTargets[] = {
    {"Widder", "Widder", 177, 351, 290},
    {"Widder", "Stier", 242, 519, 173},
    {"Widder", "Zwillinge", 546, 185, 59},
    {"Widder", "Krebs", 540, 297, 77},
    {"Widder", "Löwe", 118, 755, 77},
    {"Widder", "Jungfrau", 382, 185, 108},
    {"Widder", "Waage", 298, 263, 399},
    {"Widder", "Skorpion", 379, 289, 129},
    {"Widder", "Schütze", 165, 472, 163},
    {"Widder", "Steinbock", 377, 350, 118},
    {"Widder", "Wassermann", 418, 190, 67},
    {"Widder", "Fische", 243, 367, 109},
    {"Stier", "Stier", 480, 185, 153},
    {"Stier", "Zwillinge", 245, 498, 62},
    {"Stier", "Krebs", 379, 304, 80},
    {"Stier", "Löwe", 351, 299, 57},
    {"Stier", "Jungfrau", 388, 502, 60},
    {"Stier", "Waage", 270, 320, 215},
    {"Stier", "Skorpion", 343, 271, 142},
    {"Stier", "Schütze", 324, 243, 72},
    {"Stier", "Steinbock", 207, 364, 83},
    {"Stier", "Wassermann", 158, 289, 281},
    {"Stier", "Fische", 161, 488, 70},
    {"Zwillinge", "Zwillinge", 510, 91, 140},
    {"Zwillinge", "Krebs", 480, 233, 108},
    {"Zwillinge", "Löwe", 400, 237, 172},
    {"Zwillinge", "Jungfrau", 526, 256, 82},
    {"Zwillinge", "Waage", 582, 238, 98},
    {"Zwillinge", "Skorpion", 483, 268, 0},
    {"Zwillinge", "Schütze", 215, 197, 149},
    {"Zwillinge", "Steinbock", 199, 167, 109},
    {"Zwillinge", "Wassermann", 296, 182, 195},
    {"Zwillinge", "Fische", 248, 166, 84},
    {"Krebs", "Krebs", 277, 280, 61},
    {"Krebs", "Löwe", 432, 311, 80},
    {"Krebs", "Jungfrau", 352, 413, 98},
    {"Krebs", "Waage", 407, 176, 181},
    {"Krebs", "Skorpion", 367, 324, 147},
    {"Krebs", "Schütze", 321, 319, 119},
    {"Krebs", "Steinbock", 390, 171, 217},
    {"Krebs", "Wassermann", 373, 285, 141},
    {"Krebs", "Fische", 357, 371, 185},
    {"Löwe", "Löwe", 420, 179, 203},
    {"Löwe", "Jungfrau", 452, 283, 255},
    {"Löwe", "Waage", 454, 477, 114},
    {"Löwe", "Skorpion", 424, 76, 228},
    {"Löwe", "Schütze", 349, 343, 163},
    {"Löwe", "Steinbock", 300, 329, 105},
    {"Löwe", "Wassermann", 425, 407, 153},
    {"Löwe", "Fische", 264, 279, 115},
    {"Jungfrau", "Jungfrau", 289, 300, 155},
    {"Jungfrau", "Waage", 495, 396, 221},
    {"Jungfrau", "Skorpion", 357, 236, 101},
    {"Jungfrau", "Schütze", 355, 383, 128},
    {"Jungfrau", "Steinbock", 422, 270, 123},
    {"Jungfrau", "Wassermann", 542, 354, 87},
    {"Jungfrau", "Fische", 469, 234, 106},
    {"Waage", "Waage", 464, 205, 138},
    {"Waage", "Skorpion", 470, 146, 184},
    {"Waage", "Schütze", 368, 253, 236},
    {"Waage", "Steinbock", 466, 350, 129},
    {"Waage", "Wassermann", 368, 323, 205},
    {"Waage", "Fische", 404, 310, 166},
    {"Skorpion", "Skorpion", 315, 330, 93},
    {"Skorpion", "Schütze", 366, 327, 113},
    {"Skorpion", "Steinbock", 409, 257, 90},
    {"Skorpion", "Wassermann", 170, 225, 226},
    {"Skorpion", "Fische", 368, 271, 124},
    {"Schütze", "Schütze", 377, 190, 164},
    {"Schütze", "Steinbock", 359, 292, 68},
    {"Schütze", "Wassermann", 367, 340, 115},
    {"Schütze", "Fische", 316, 303, 87},
    {"Steinbock", "Steinbock", 347, 309, 121},
    {"Steinbock", "Wassermann", 423, 412, 65},
    {"Steinbock", "Fische", 201, 368, 67},
    {"Wassermann", "Wassermann", 464, 227, 144},
    {"Wassermann", "Fische", 327, 377, 68},
    {"Fische", "Fische", 356, 250, 41},
};
static_assert(std::size(kTargets) == kPairReadingCount);

bool withinTenPercent(qsizetype actual, int target)
{
    return target == 0 ? actual == 0 : std::abs(actual - target) * 10 <= target;
}

void addOrderedPairRows()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("partner");
    for (const QString& own : signNames())
        for (const QString& partner : signNames())
            QTest::addRow("%s + %s", qPrintable(own), qPrintable(partner)) << own << partner;
}

void addEntryRows()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < kPairReadings.size(); ++i)
        QTest::addRow("%02zu %s-%s", i + 1, kTargets[i].signA, kTargets[i].signB)
            << static_cast<int>(i);
}

} // namespace

class tst_PairReading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // --- Lookup ------------------------------------------------------------------------

    void everyOrderedPairFindsOneEntry_data() { addOrderedPairRows(); }

    void everyOrderedPairFindsOneEntry()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        const std::string a = own.toStdString();
        const std::string b = partner.toStdString();
        int matches = 0;
        for (const PairReading& e : kPairReadings)
            matches += ((e.signA == a && e.signB == b) || (e.signA == b && e.signB == a)) ? 1 : 0;
        QCOMPARE(matches, 1);

        const PairReading* entry = findPairReading(a, b);
        QVERIFY(entry);
        QVERIFY((entry->signA == a && entry->signB == b) || (entry->signA == b && entry->signB == a));
        // The reading is the pair's, whoever of the two chose first.
        QCOMPARE(findPairReading(b, a), entry);
        AnalysisFields forward;
        AnalysisFields backward;
        loadAnalysis(forward, a, b);
        loadAnalysis(backward, b, a);
        QVERIFY(!forward.reading.empty());
        QCOMPARE(q(forward.reading), q(backward.reading));
    }

    void sameSignFindsItsOwnEntry_data()
    {
        QTest::addColumn<QString>("sign");
        for (const QString& name : signNames())
            QTest::newRow(qPrintable(name)) << name;
    }

    void sameSignFindsItsOwnEntry()
    {
        QFETCH(QString, sign);
        const std::string name = sign.toStdString();
        const PairReading* entry = findPairReading(name, name);
        QVERIFY(entry);
        QCOMPARE(q(entry->signA), sign);
        QCOMPARE(q(entry->signB), sign);
        if (sign == QStringLiteral("Fische"))
            QCOMPARE(entry, &kPairReadings.back());
    }

    void textsThatAreNoSignNameFindNothing_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::newRow("singular Zwilling") << "Zwilling" << "Krebs";
        QTest::newRow("lower-case widder") << "widder" << "Stier";
        QTest::newRow("trailing blank") << "Widder " << "Widder";
        QTest::newRow("leading blank") << "Löwe" << " Löwe";
        QTest::newRow("partner not a sign") << "Fische" << "Zwilling";
        QTest::newRow("both empty") << QString() << QString();
    }

    void textsThatAreNoSignNameFindNothing()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        QVERIFY(!findPairReading(own.toStdString(), partner.toStdString()));
        QVERIFY(!findPairReading(partner.toStdString(), own.toStdString()));
    }

    // --- The table ---------------------------------------------------------------------

    void tableHoldsEveryPairInCanonicalOrder()
    {
        const QStringList names = signNames();
        QCOMPARE(kPairReadings.size(), std::size_t{78});
        std::size_t i = 0;
        for (qsizetype a = 0; a < names.size(); ++a) {
            for (qsizetype b = a; b < names.size(); ++b, ++i) {
                QCOMPARE(q(kPairReadings[i].signA), names[a]);
                QCOMPARE(q(kPairReadings[i].signB), names[b]);
                QCOMPARE(q(kPairReadings[i].signA), QString::fromUtf8(kTargets[i].signA));
                QCOMPARE(q(kPairReadings[i].signB), QString::fromUtf8(kTargets[i].signB));
            }
        }
        QCOMPARE(i, kPairReadings.size());
    }

    void neighbouringSignsHaveTheirEntry_data()
    {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QString>("later");
        const QStringList names = signNames();
        QCOMPARE(names.size(), 12);
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString& next = names[(i + 1) % names.size()];
            QTest::addRow("%s then %s", qPrintable(names[i]), qPrintable(next)) << names[i] << next;
        }
    }

    void neighbouringSignsHaveTheirEntry()
    {
        QFETCH(QString, earlier);
        QFETCH(QString, later);
        const PairReading* entry = findPairReading(earlier.toStdString(), later.toStdString());
        QVERIFY(entry);
        // The first paragraph is about these two as neighbours, so it names both of them,
        // inflected or not ("des Löwen", "den Zwillingen").
        const QString first = q(entry->firstParagraph);
        QVERIFY2(first.contains(earlier.left(6)), qPrintable(first));
        QVERIFY2(first.contains(later.left(6)), qPrintable(first));
    }

    void onlyZwillingeSkorpionHasNoVerdict()
    {
        for (const PairReading& e : kPairReadings) {
            const bool special = e.signA == "Zwillinge" && e.signB == "Skorpion";
            QVERIFY2(e.verdict.empty() == special, qPrintable(q(e.signA) + u'-' + q(e.signB)));
            QVERIFY(!e.firstParagraph.empty());
            QVERIFY(!e.secondParagraph.empty());
        }
    }

    void onlyWaageWaageEndsInBlanks()
    {
        const PairReading* waage = findPairReading("Waage", "Waage");
        QVERIFY(waage);
        for (std::string_view text : {waage->firstParagraph, waage->secondParagraph}) {
            QVERIFY(text.ends_with(' '));
            QVERIFY(!text.ends_with("  "));
            QVERIFY(!text.starts_with(' '));
        }
        QVERIFY(!waage->verdict.ends_with(' '));
        for (const PairReading& e : kPairReadings) {
            for (std::string_view text : {e.firstParagraph, e.secondParagraph, e.verdict}) {
                if (text.empty() || (&e == waage && text != e.verdict))
                    continue;
                const QString shown = q(text);
                QVERIFY2(shown == shown.trimmed(), qPrintable(shown));
            }
        }
    }

    void textLengthsAreCloseToTheirTargets_data() { addEntryRows(); }

    void textLengthsAreCloseToTheirTargets()
    {
        QFETCH(int, index);
        const PairReading& e = kPairReadings[static_cast<std::size_t>(index)];
        const TargetLengths& t = kTargets[index];
        QVERIFY2(withinTenPercent(codePoints(e.firstParagraph), t.first),
                 qPrintable(QString::number(codePoints(e.firstParagraph))));
        QVERIFY2(withinTenPercent(codePoints(e.secondParagraph), t.second),
                 qPrintable(QString::number(codePoints(e.secondParagraph))));
        QVERIFY2(withinTenPercent(codePoints(e.verdict), t.verdict),
                 qPrintable(QString::number(codePoints(e.verdict))));
    }

    void textsAreDistinctAndSingleLine()
    {
        std::set<std::string_view> texts;
        std::size_t stored = 0;
        for (const PairReading& e : kPairReadings) {
            for (std::string_view text : {e.firstParagraph, e.secondParagraph, e.verdict}) {
                texts.insert(text);
                ++stored;
                QVERIFY2(text.find('\r') == std::string_view::npos, text.data());
                QVERIFY2(text.find('\n') == std::string_view::npos, text.data());
            }
        }
        QCOMPARE(stored, std::size_t{234});
        QCOMPARE(texts.size(), std::size_t{234});
        texts.erase(std::string_view{});
        QCOMPARE(texts.size(), std::size_t{233});
    }

    // --- Composition -------------------------------------------------------------------

    void composedReadingIsOfDesignedLength_data() { addEntryRows(); }

    void composedReadingIsOfDesignedLength()
    {
        QFETCH(int, index);
        const PairReading& e = kPairReadings[static_cast<std::size_t>(index)];
        AnalysisFields fields;
        loadAnalysis(fields, e.signA, e.signB);
        const qsizetype length = codePoints(fields.reading);
        QVERIFY2(length >= 481 && length <= 1118, qPrintable(QString::number(length)));
        // Paragraph, break, paragraph, two breaks, verdict: the texts exactly as stored.
        QCOMPARE(crLfLines(fields.reading),
                 QStringList({q(e.firstParagraph), q(e.secondParagraph), QString(),
                              q(e.verdict)}));
    }

    void displayTextLines_data() { addOrderedPairRows(); }

    void displayTextLines()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        AnalysisFields fields;
        loadAnalysis(fields, own.toStdString(), partner.toStdString());
        const PairReading& e = *findPairReading(own.toStdString(), partner.toStdString());
        const std::string text = analysisDisplayText(fields);
        const QString heading = QStringLiteral("Astro-Analyse für ") + own + QStringLiteral(" und ")
                                + partner;
        QCOMPARE(crLfLines(text),
                 QStringList({heading, QString(), q(e.firstParagraph), q(e.secondParagraph),
                              QString(), q(e.verdict), QString(), kFooter}));
        QVERIFY(q(text).endsWith(kFooter));
        QCOMPARE(q(text).count(u'\n'), q(text).count(QStringLiteral("\r\n")));
        QCOMPARE(q(fields.sign1), own);
        QCOMPARE(q(fields.sign2), partner);
    }

    void zwillingeSkorpionHasThreeEmptyLinesBeforeTheFooter_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::newRow("Zwillinge first") << "Zwillinge" << "Skorpion";
        QTest::newRow("Skorpion first") << "Skorpion" << "Zwillinge";
    }

    void zwillingeSkorpionHasThreeEmptyLinesBeforeTheFooter()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        AnalysisFields fields;
        loadAnalysis(fields, own.toStdString(), partner.toStdString());
        QVERIFY(fields.reading.ends_with("\r\n\r\n"));
        const QStringList lines = crLfLines(analysisDisplayText(fields));
        QCOMPARE(lines.size(), 8);
        QVERIFY(!lines[3].isEmpty());
        QCOMPARE(lines.mid(4, 3), QStringList({QString(), QString(), QString()}));
        QCOMPARE(lines.last(), kFooter);
        QVERIFY2(lines[3].contains(QStringLiteral("Trennung")), qPrintable(lines[3]));
    }

    void captionNamesTheOwnSignFirst_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Widder chose") << "Widder" << "Stier" << "Astro-Analyse für Widder und Stier";
        QTest::newRow("Stier chose") << "Stier" << "Widder" << "Astro-Analyse für Stier und Widder";
        QTest::newRow("umlaut names") << "Löwe" << "Schütze" << "Astro-Analyse für Löwe und Schütze";
    }

    void captionNamesTheOwnSignFirst()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        QFETCH(QString, caption);
        QCOMPARE(q(analysisCaption(own.toStdString(), partner.toStdString())), caption);
        AnalysisFields fields;
        loadAnalysis(fields, own.toStdString(), partner.toStdString());
        QCOMPARE(crLfLines(analysisDisplayText(fields)).first(), caption);
    }

    void noSignNameKeepsTheEarlierReading_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::newRow("singular Zwilling") << "Zwilling" << "Krebs";
        QTest::newRow("lower-case widder") << "widder" << "Stier";
        QTest::newRow("Widder with a trailing blank") << "Widder " << "Widder";
    }

    void noSignNameKeepsTheEarlierReading()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        const QString heading = QStringLiteral("Astro-Analyse für ") + own + QStringLiteral(" und ")
                                + partner;

        AnalysisFields fresh;
        loadAnalysis(fresh, own.toStdString(), partner.toStdString());
        QCOMPARE(q(fresh.reading), QString());
        QCOMPARE(crLfLines(analysisDisplayText(fresh)),
                 QStringList({heading, QString(), QString(), QString(), kFooter}));

        AnalysisFields used;
        loadAnalysis(used, "Krebs", "Fische");
        const std::string earlier = used.reading;
        loadAnalysis(used, own.toStdString(), partner.toStdString());
        QCOMPARE(q(used.reading), q(earlier));
        QCOMPARE(q(used.sign1), own);
        QCOMPARE(q(used.sign2), partner);
        QVERIFY(q(analysisDisplayText(used)).startsWith(heading + QStringLiteral("\r\n\r\n")
                                                         + q(earlier)));
    }

    void aLaterPairReplacesTheReading()
    {
        AnalysisFields fields;
        loadAnalysis(fields, "Krebs", "Fische");
        const std::string first = fields.reading;
        loadAnalysis(fields, "Widder", "Löwe");
        QVERIFY(fields.reading != first);
        QVERIFY(fields.reading.starts_with(findPairReading("Löwe", "Widder")->firstParagraph));
    }
};

QTEST_GUILESS_MAIN(tst_PairReading)
#include "tst_pairreading.moc"
