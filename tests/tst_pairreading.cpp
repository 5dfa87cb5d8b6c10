// The pair readings as data and the window-free composition of the analysis text: the
// lookup of every pair, the table's order and texts, and the display text line by line.

#include "TestSupport.h"

#include "analysis/PairAnalysis.h"
#include "analysis/pair_readings_data.h"
#include "signs/SignCatalogue.h"

#include <set>

using namespace orbelle;
using testing::codePoints;
using testing::toQString;

namespace {

// How long the first paragraph, second paragraph and verdict of each entry are meant to
// be, in characters, in table order: one group of lines per first sign.
constexpr int kTargets[][3] = {
    {177, 351, 290}, {242, 519, 173}, {546, 185, 59},  {540, 297, 77},  {118, 755, 77},
    {382, 185, 108}, {298, 263, 399}, {379, 289, 129}, {165, 472, 163}, {377, 350, 118},
    {418, 190, 67},  {243, 367, 109}, {480, 185, 153}, {245, 498, 62},  {379, 304, 80},
    {351, 299, 57},  {388, 502, 60},  {270, 320, 215}, {343, 271, 142}, {324, 243, 72},
    {207, 364, 83},  {158, 289, 281}, {161, 488, 70},  {510, 91, 140},  {480, 233, 108},
    {400, 237, 172}, {526, 256, 82},  {582, 238, 98},  {483, 268, 0},   {215, 197, 149},
    {199, 167, 109}, {296, 182, 195}, {248, 166, 84},  {277, 280, 61},  {432, 311, 80},
    {352, 413, 98},  {407, 176, 181}, {367, 324, 147}, {321, 319, 119}, {390, 171, 217},
    {373, 285, 141}, {357, 371, 185}, {420, 179, 203}, {452, 283, 255}, {454, 477, 114},
    {424, 76, 228},  {349, 343, 163}, {300, 329, 105}, {425, 407, 153}, {264, 279, 115},
    {289, 300, 155}, {495, 396, 221}, {357, 236, 101}, {355, 383, 128}, {422, 270, 123},
    {542, 354, 87},  {469, 234, 106}, {464, 205, 138}, {470, 146, 184}, {368, 253, 236},
    {466, 350, 129}, {368, 323, 205}, {404, 310, 166}, {315, 330, 93},  {366, 327, 113},
    {409, 257, 90},  {170, 225, 226}, {368, 271, 124}, {377, 190, 164}, {359, 292, 68},
    {367, 340, 115}, {316, 303, 87},  {347, 309, 121}, {423, 412, 65},  {201, 368, 67},
    {464, 227, 144}, {327, 377, 68},  {356, 250, 41},
};
static_assert(std::size(kTargets) == kPairReadingCount);

const QString kFooter = toQString(kAnalysisFooter);

const QStringList kNames = [] {
    QStringList names;
    for (const SignEntry& e : signCatalogue())
        names << toQString(e.displayName);
    return names;
}();

// Lines of a text with CR LF breaks; a bare CR or LF would stay inside a line and show.
QStringList crLfLines(const std::string& text)
{
    return toQString(text).split(QStringLiteral("\r\n"));
}

QString heading(const QString& own, const QString& partner)
{
    return QStringLiteral("Astro-Analyse für ") + own + QStringLiteral(" und ") + partner;
}

} // namespace

class tst_PairReading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyOrderedPair_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        for (const QString& own : kNames)
            for (const QString& partner : kNames)
                QTest::addRow("%s + %s", qPrintable(own), qPrintable(partner)) << own << partner;
    }

    void everyOrderedPair()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        const std::string a = own.toStdString();
        const std::string b = partner.toStdString();
        // The table holds each pair once (see entries), so the entry naming both is the one.
        const PairReading* e = findPairReading(a, b);
        QVERIFY(e && ((e->signA == a && e->signB == b) || (e->signA == b && e->signB == a)));
        QCOMPARE(findPairReading(b, a), e);

        AnalysisFields fields;
        AnalysisFields swapped;
        loadAnalysis(fields, a, b);
        loadAnalysis(swapped, b, a);
        // The reading is the pair's, whoever of the two chose first.
        QCOMPARE(toQString(swapped.reading), toQString(fields.reading));
        QCOMPARE(toQString(analysisCaption(a, b)), heading(own, partner));
        QCOMPARE(crLfLines(analysisDisplayText(fields)),
                 QStringList({heading(own, partner), QString(), toQString(e->firstParagraph),
                              toQString(e->secondParagraph), QString(), toQString(e->verdict),
                              QString(), kFooter}));
    }

    void entries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("signA");
        QTest::addColumn<QString>("signB");
        int index = 0;
        for (qsizetype a = 0; a < kNames.size(); ++a)
            for (qsizetype b = a; b < kNames.size(); ++b, ++index)
                QTest::addRow("%02d %s-%s", index + 1, qPrintable(kNames[a]), qPrintable(kNames[b]))
                    << index << kNames[a] << kNames[b];
    }

    void entries()
    {
        QFETCH(int, index);
        QFETCH(QString, signA);
        QFETCH(QString, signB);
        const PairReading& e = kPairReadings[static_cast<std::size_t>(index)];
        QCOMPARE(toQString(e.signA), signA);
        QCOMPARE(toQString(e.signB), signB);
        const bool zwillingeSkorpion = signA + signB == QLatin1String("ZwillingeSkorpion");
        const bool waageWaage = signA + signB == QLatin1String("WaageWaage");
        const std::string_view texts[] = {e.firstParagraph, e.secondParagraph, e.verdict};
        for (int i = 0; i < 3; ++i) {
            const QString text = toQString(texts[i]);
            const qsizetype length = codePoints(texts[i]);
            const int target = kTargets[index][i];
            QVERIFY2(std::abs(length - target) * 10 <= target,
                     qPrintable(QStringLiteral("text %1: %2 characters").arg(i + 1).arg(length)));
            QVERIFY(!text.contains(u'\n') && !text.contains(u'\r'));
            // Both paragraphs of Waage-Waage end in one blank; every other text is trimmed.
            QCOMPARE(text.trimmed() + (waageWaage && i < 2 ? QStringLiteral(" ") : QString()),
                     text);
        }
        QCOMPARE(e.verdict.empty(), zwillingeSkorpion);
        if (zwillingeSkorpion)
            QVERIFY(toQString(e.secondParagraph).contains(QStringLiteral("Trennung")));
        // Neighbours, Fische and Widder included: the first paragraph is about the two as
        // such, so it names both of them, inflected or not ("des Löwen", "den Zwillingen").
        const qsizetype gap = kNames.indexOf(signB) - kNames.indexOf(signA);
        if (gap == 1 || gap == 11) {
            const QString first = toQString(e.firstParagraph);
            QVERIFY2(first.contains(signA.left(6)) && first.contains(signB.left(6)),
                     qPrintable(first));
        }

        AnalysisFields fields;
        loadAnalysis(fields, e.signA, e.signB);
        const qsizetype length = codePoints(fields.reading);
        QVERIFY2(length >= 481 && length <= 1118, qPrintable(QString::number(length)));
        // Paragraph, break, paragraph, two breaks, verdict: the texts exactly as stored.
        QCOMPARE(crLfLines(fields.reading),
                 QStringList({toQString(e.firstParagraph), toQString(e.secondParagraph), QString(),
                              toQString(e.verdict)}));
    }

    void textsAreDistinct()
    {
        std::set<std::string_view> texts;
        for (const PairReading& e : kPairReadings)
            texts.insert({e.firstParagraph, e.secondParagraph, e.verdict});
        QCOMPARE(texts.size(), std::size_t{234});
    }

    void noSignNameKeepsTheEarlierReading_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("partner");
        QTest::newRow("singular Zwilling") << "Zwilling"
                                           << "Krebs";
        QTest::newRow("lower-case widder") << "widder"
                                           << "Stier";
        QTest::newRow("trailing blank") << "Widder "
                                        << "Widder";
        QTest::newRow("partner not a sign") << "Fische"
                                            << "Zwilling";
        QTest::newRow("both empty") << ""
                                    << "";
    }

    void noSignNameKeepsTheEarlierReading()
    {
        QFETCH(QString, own);
        QFETCH(QString, partner);
        QVERIFY(!findPairReading(own.toStdString(), partner.toStdString()));
        QVERIFY(!findPairReading(partner.toStdString(), own.toStdString()));

        AnalysisFields fresh;
        loadAnalysis(fresh, own.toStdString(), partner.toStdString());
        QCOMPARE(crLfLines(analysisDisplayText(fresh)),
                 QStringList({heading(own, partner), QString(), QString(), QString(), kFooter}));

        AnalysisFields used;
        loadAnalysis(used, "Krebs", "Fische");
        const std::string earlier = used.reading;
        loadAnalysis(used, own.toStdString(), partner.toStdString());
        QCOMPARE(toQString(used.reading), toQString(earlier));
        QVERIFY(toQString(analysisDisplayText(used))
                    .startsWith(heading(own, partner) + QStringLiteral("\r\n\r\n")
                                + toQString(earlier)));
    }
};

QTEST_GUILESS_MAIN(tst_PairReading)
#include "tst_pairreading.moc"
