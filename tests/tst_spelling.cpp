// The spelling of every text the program writes for its users: the 78 readings, the twelve
// profiles and the info text, through hunspell's German dictionary and the project's short
// word list (spelling_words.txt). A word that neither knows fails, named with its text.

#include "TestSupport.h"

#include "analysis/info_text_data.h"
#include "analysis/pair_readings_data.h"
#include "signs/sign_profiles_data.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <optional>

using namespace orbelle;
using testing::toQString;

namespace {

struct Text {
    QString where;
    QString text;
};

QList<Text> programTexts()
{
    QList<Text> texts;
    const char* parts[] = {"first paragraph", "second paragraph", "verdict"};
    for (std::size_t n = 0; n < kPairReadings.size(); ++n) {
        const PairReading& e = kPairReadings[n];
        const std::string_view pieces[] = {e.firstParagraph, e.secondParagraph, e.verdict};
        for (std::size_t i = 0; i < 3; ++i)
            texts.append({QStringLiteral("%1 %2-%3, %4")
                              .arg(n + 1, 2, 10, QLatin1Char('0'))
                              .arg(toQString(e.signA), toQString(e.signB), QLatin1String(parts[i])),
                          toQString(pieces[i])});
    }
    for (const SignProfile& p : kSignProfiles)
        texts.append({QStringLiteral("profile ") + toQString(p.sign), toQString(p.text)});
    texts.append(
        {QStringLiteral("info text"), toQString(kInfoTextFirst) + toQString(kInfoTextSecond)});
    return texts;
}

QStringList projectWords()
{
    QFile file(QStringLiteral(ORBELLE_SPELLING_WORDS));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The words hunspell does not know in the lines, each once, in order. The input is handed
// over as UTF-8 (-i), so the machine's locale does not decide how umlauts arrive; the word
// list is read in the locale's character set, so the locale is pinned to C.UTF-8. Words
// joined by hyphens ("Widder-Energie") are checked part by part, as the dictionary says;
// a word at a sentence's end comes back with its full stop, which is dropped. A hunspell
// that does not run leaves the answer empty, so callers compare it with what they expect.
std::optional<QStringList> unknownWords(const QStringList& lines, bool withProjectWords)
{
    QStringList arguments = {QStringLiteral("-l"), QStringLiteral("-i"), QStringLiteral("UTF-8"),
                             QStringLiteral("-d"), QStringLiteral(ORBELLE_HUNSPELL_DICTIONARY)};
    if (withProjectWords)
        arguments << QStringLiteral("-p") << QStringLiteral(ORBELLE_SPELLING_WORDS);
    QProcess hunspell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    hunspell.setProcessEnvironment(environment);
    hunspell.start(QStringLiteral(ORBELLE_HUNSPELL), arguments);
    hunspell.write((lines.join(u'\n') + u'\n').toUtf8());
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(60000) || hunspell.exitStatus() != QProcess::NormalExit
        || hunspell.exitCode() != 0)
        return std::nullopt;
    QStringList words;
    for (QString word :
         QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        if (word.endsWith(u'.'))
            word.chop(1);
        if (!words.contains(word))
            words << word;
    }
    return words;
}

} // namespace

class tst_Spelling : public QObject {
    Q_OBJECT

    QList<Text> m_texts = programTexts();
    QStringList m_unknown;

private Q_SLOTS:
    void initTestCase()
    {
        QStringList lines;
        for (const Text& t : m_texts)
            lines << t.text;
        const std::optional<QStringList> unknown = unknownWords(lines, true);
        QVERIFY2(unknown, "hunspell did not run");
        m_unknown = *unknown;
    }

    // The check can fail: a typo is found beside an umlaut, a hyphenated compound and the
    // words of the project's list, which are all taken.
    void aTypoIsFound()
    {
        const QString line = projectWords().join(u' ')
                             + QStringLiteral(
                                 " Die Widder-Energie des Löwen und Schützen, „Lwöe“.");
        QCOMPARE(unknownWords({line}, true), QStringList({QStringLiteral("Lwöe")}));
    }

    // The list holds only words that the dictionary lacks and the texts use.
    void projectWordsAreNeeded()
    {
        const QStringList words = projectWords();
        QVERIFY(!words.isEmpty());
        QCOMPARE(unknownWords(words, false), words);
        for (const QString& word : words)
            QVERIFY2(std::any_of(m_texts.begin(), m_texts.end(),
                                 [&](const Text& t) { return t.text.contains(word); }),
                     qPrintable(word));
    }

    void everyTextIsSpelledCorrectly_data()
    {
        QTest::addColumn<QString>("text");
        for (const Text& t : m_texts)
            QTest::newRow(qPrintable(t.where)) << t.text;
    }

    void everyTextIsSpelledCorrectly()
    {
        QFETCH(QString, text);
        QStringList typos;
        for (const QString& word : m_unknown) {
            const QRegularExpression whole(QStringLiteral("\\b") + QRegularExpression::escape(word)
                                               + QStringLiteral("\\b"),
                                           QRegularExpression::UseUnicodePropertiesOption);
            if (text.contains(whole))
                typos << word;
        }
        QVERIFY2(typos.isEmpty(), qPrintable(typos.join(QStringLiteral(", "))));
    }
};

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
