// The astrology that the readings and profiles state, held against the signs' own facts.
// Every word of the astrological vocabulary in a text must stand in one of the phrases of
// the table below, and each phrase must be true for the text's pair (for a profile, for its
// one sign); a word that no phrase takes fails as well, so new wording cannot slip past.
// Every reading rests on at least one relation of its own two signs, and each neighbouring
// pair says which of the two follows the other.
//
// A doctest: the texts are data of the window-free core, so the check needs no Qt, builds
// in the core-only configuration and runs under Wine with the core's other tests.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "analysis/pair_readings_data.h"
#include "signs/sign_profiles_data.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

using namespace orbelle;

namespace {

// The test's own facts, in the order of the zodiac: element, mode, the traditional ruler and
// the modern co-ruler, and the forms in which the texts inflect each name.
struct Sign {
    std::string_view name;
    std::string_view forms;
    std::string_view element;
    std::string_view mode;
    std::array<std::string_view, 2> rulers;
};

constexpr Sign kSigns[] = {
    {"Widder", "Widders?", "Feuer", "kardinal", {"Mars", ""}},
    {"Stier", "Stier(?:e?s|e|en)?", "Erde", "fix", {"Venus", ""}},
    {"Zwillinge", "Zwillinge?n?", "Luft", "beweglich", {"Merkur", ""}},
    {"Krebs", "Krebs(?:es|e|en)?", "Wasser", "kardinal", {"Mond", ""}},
    {"Löwe", "Löwen?", "Feuer", "fix", {"Sonne", ""}},
    {"Jungfrau", "Jungfrau(?:en)?", "Erde", "beweglich", {"Merkur", ""}},
    {"Waage", "Waagen?", "Luft", "kardinal", {"Venus", ""}},
    {"Skorpion", "Skorpion(?:s|e|en)?", "Wasser", "fix", {"Mars", "Pluto"}},
    {"Schütze", "Schützen?", "Feuer", "beweglich", {"Jupiter", ""}},
    {"Steinbock", "Steinb(?:o|ö)ck(?:s|e|en)?", "Erde", "kardinal", {"Saturn", ""}},
    {"Wassermann", "Wasserm(?:a|ä)nn(?:s|er|ern)?", "Luft", "fix", {"Saturn", "Uranus"}},
    {"Fische", "Fische?n?", "Wasser", "beweglich", {"Jupiter", "Neptun"}},
};
constexpr int kSignCount = static_cast<int>(std::size(kSigns));

// What a phrase claims about the pair. Both: each quality named belongs to both signs. Each:
// each sign named has the quality named (paired off in order, one quality for all signs, or
// all qualities for the one sign).
// Split: one sign has the first quality named, the other the second. Same and Differ: the
// signs share the element, mode or a ruler (arg 'E', 'M', 'P'), or do not. Angle: the signs
// are arg places apart (or as many as the number named). Follows: the first sign named
// comes directly after the second (arg 1: the other way round). Place: the sign named is
// the arg-th of the zodiac.
enum class Claim { Both, Each, Split, Same, Differ, Angle, Follows, Place };

struct Phrase {
    // {S} sign, {E} element, {M} mode, {P} planet, {A} aspect, {N} number of places, {R} verb
    // of ruling, {_} a gap within the sentence.
    std::string_view pattern;
    Claim claim;
    int arg = 0;
};

// The vocabulary: every match must lie inside a phrase of kPhrases.
constexpr std::string_view kVocabulary[] = {
    R"((?:Feuer|Erd|Luft|Wasser)(?:zeichen\w*|-))",
    R"(\b(?:Feuer|Erde|Luft|Wasser) (?:und|trifft(?: auf)?) (?:Feuer|Erde|Luft|Wasser)\b)",
    R"(\bElement(?:e|en|es|s)?\b)",
    R"(\b(?:kardinal|fix|beweglich|veränderlich)\w*)",
    R"(\b(?:Mars|Venus|Merkurs?|Mond(?:es)?|Sonne|Jupiters?|Saturns?|Pluto|Uranus|Neptuns?)\b)",
    R"(\b(?:Planet|Herrscher)\w*)",
    R"(\b(?:Nachbar|benachbart)\w*)",
    R"(\b(?:Halbsextil|Sextil|Quadrat|Trigon|Quinkunx|Opposition|Aspekt|Konjunktion)\w*)",
    R"(gegenüber\w*)",
    R"(\bTierkreis\w*)",
    R"(\b(?:zwei|drei|vier|fünf|sechs) (?:Zeichen|Plätze)\b)",
};

// The phrases the texts may use, and what each claims.
constexpr Phrase kPhrases[] = {
    // Elements.
    {R"(\b(?:zwei|beide[n]?)\s+(?:\S+\s+){0,3}?{E}zeichen)", Claim::Both},
    {R"(\bals {E}zeichen\b)", Claim::Both},
    {R"(\bElement(?:e|en|es|s)? {E}\w*)", Claim::Both},
    {R"(\b(?:dasselbe|demselben|ein gemeinsames|gemeinsame[ns]?) Element)", Claim::Same, 'E'},
    {R"(\b(?:verschiedene[n]?|unterschiedliche[n]?) Elemente)", Claim::Differ, 'E'},
    {R"(\b{E}(?:zeichen\w*|-)? (?:und|trifft(?: auf)?) (?:ein(?:em)? )?{E}(?:zeichen\w*)?\b)",
     Claim::Split},
    {R"({S} und (?:der |die )?{S} sind (?:beide )?{E}zeichen)", Claim::Each},
    {R"({S},? (?:ist |als |ein |eine |das |der )+(?:\S+ )?{E}zeichen)", Claim::Each},
    {R"(\b(?:das|dem|des) {E}zeichen(?:s)? {S})", Claim::Each},
    // Modes.
    {R"(\b(?:zwei|beide[n]?)\s+(?:\S+\s+){0,3}?{M}\w*)", Claim::Both},
    {R"(\b{M}\w* (?:\S+ ){0,2}?beide\b)", Claim::Both},
    {R"(\bals {M}\w* Zeichen\b)", Claim::Both},
    {R"({S},? (?:ist |als |ein |eine |das )+{M}\w*)", Claim::Each},
    // Rulers; {R} is a verb of ruling.
    {R"(\b{P}(?:s|es)?{_}{R} (?:beide|sie beide|die beiden))", Claim::Both},
    {R"(\b{P}, (?:der|die) (?:beide|die beiden) {R})", Claim::Both},
    {R"(\b(?:beide|die beiden|sie beide)\b{_}\b(?:unter|unterstehen) (?:dem |der )?{P}(?:, (?:dem|der) (?:\w+ )?Planeten\b)?)",
     Claim::Both},
    {R"(\bunter (?:dem |der )?{P}\b{_}\b(?:beide|die beiden|sie beide)\b)", Claim::Both},
    {R"(\b(?:beide|die beiden)\b{_}\b{P} (?:zum|als) (?:Herrscher|Planeten)\b)", Claim::Both},
    {R"(\bKinder (?:des|der) {P})", Claim::Both},
    {R"(\b{P}{_}\bbei (?:beiden|ihnen beiden)\b)", Claim::Both},
    {R"(\bgemeinsame[rn]? (?:Planet|Herrscher),? (?:ist )?(?:der |die )?{P})", Claim::Both},
    {R"(\b{P}{_}\bgemeinsame[rn]? (?:Planet|Herrscher)\b)", Claim::Both},
    {R"(\b{P}, (?:[^,.;:]{0,25} )?(?:der (?:\w+ )?(?:Planet|Herrscher)|die (?:\w+ )?Herrscherin) (?:beider|der beiden)\b)",
     Claim::Both},
    {R"(\b(?:Planet|Herrscher)\w* (?:ist|heißt) (?:der |die )?{P})", Claim::Both},
    {R"(\b{P}, (?:sein|ihr) (?:Planet|Herrscher)\b)", Claim::Both},
    {R"(\b{P}(?:s|es)?{_}{R} (?:den|die) {S})", Claim::Each},
    {R"(\b{P}, (?:der|die) (?:den|die) {S} {R})", Claim::Each},
    {R"(\b{P}(?:s|es)?, (?:der|die|den|dem) (?:Planet|Herrscher)\w* (?:des|der|von) {S})",
     Claim::Each},
    {R"(\b(?:die|der) {P} (?:des|der) {S})", Claim::Each},
    {R"({S} steh\w* unter (?:dem |der )?{P}(?:,? und (?:der|die) {S} unter (?:dem |der )?{P})?)",
     Claim::Each},
    {R"(\b{P}(?:, [^,.;:]{1,40},)? (?:und|trifft auf|gegen) {P}(?:,? (?:die|ihre|als) (?:Planeten|Herrscher)\w*)?)",
     Claim::Split},
    {R"(\b(?:Planeten|Herrscher)\b,? {P} und {P})", Claim::Split},
    // Angles: the aspect named, or the number of places between the signs.
    {R"(\b{A}\w*(?:{_}\bAspekt\w*)?)", Claim::Angle},
    {R"(\bAspekt\w*{_}\b{A}\w*)", Claim::Angle},
    {R"(\bNachbar\w*|\bbenachbart\w*)", Claim::Angle, 1},
    {R"(gegenüber\w*)", Claim::Angle, 6},
    {R"(\bTierkreis(?:es)? (?:\S+ ){0,5}?gegenüber\w*)", Claim::Angle, 6},
    {R"(\bNachbar\w* im Tierkreis)", Claim::Angle, 1},
    {R"(\bAbstand von {N} Zeichen|\b{N} (?:Zeichen|Plätze) (?:auseinander|voneinander))",
     Claim::Angle},
    // Which sign follows which.
    {R"({S}{_}\bfolg\w*{_}\bauf (?:den|die|das des|das der) {S})", Claim::Follows},
    {R"({S} (?:im Tierkreis )?auf (?:den|die) {S} folg\w*)", Claim::Follows},
    {R"(\bfolg\w* (?:\S+ ){0,3}?(?:der|die) {S}{_}\bauf (?:den|die) {S})", Claim::Follows},
    {R"(\bauf (?:den|die) {S}{_}\bfolg\w* (?:\S+ ){0,3}?(?:der|die) {S})", Claim::Follows, 1},
    {R"({S}{_}\b(?:gleich|direkt|unmittelbar) (?:nach|hinter) (?:dem|der|den) {S})",
     Claim::Follows},
    {R"(\b(?:nach|hinter) (?:dem|der|den) {S}{_}\bkomm\w* (?:\S+ ){0,2}?(?:der|die) {S})",
     Claim::Follows, 1},
    {R"({S}{_}\bkomm\w*{_}\bnach (?:dem|der|den) {S})", Claim::Follows},
    {R"({S}{_}\b(?:Nachfolger\w* (?:des|der)|Zeichen nach (?:dem|der|den)) {S})", Claim::Follows},
    {R"(\blös\w* (?:der|die) {S} (?:den|die) {S}\b{_}\bab\b)", Claim::Follows},
    {R"({S}{_}überg\w*{_}\ban (?:den|die) {S})", Claim::Follows, 1},
    {R"(übernimm\w* (?:der|die) {S}{_}\bvon (?:dem|der|den) {S})", Claim::Follows},
    {R"({S}{_}\bgeh\w* (?:den|dem|der) {S}(?: \S+){0,3}? voraus)", Claim::Follows, 1},
    // Places.
    {R"({S} (?:eröffnet|beginnt) den Tierkreis)", Claim::Place, 1},
    {R"({S}, (?:das|dem|des) (?:letzte|zwölfte)\w* Zeichen(?:s)? des Tierkreises)", Claim::Place,
     12},
};

// The number of places between two signs, by the number word or the aspect's name.
constexpr std::string_view kNumbers[] = {"zwei", "drei", "vier", "fünf", "sechs"};
constexpr std::string_view kAspects[] = {"Halbsextil", "Sextil",   "Quadrat",
                                         "Trigon",     "Quinkunx", "Opposition"};

struct Capture {
    char type; // 'S', 'E', 'M', 'P', 'A' or 'N'
    std::string text;
};

struct CompiledPhrase {
    std::regex regex;
    std::string types; // of the capture groups, in order
    const Phrase* phrase;
};

constexpr auto kFlags = std::regex::ECMAScript | std::regex::icase;

std::string signForms()
{
    std::string forms;
    for (const Sign& s : kSigns)
        forms.append(forms.empty() ? "" : "|").append(s.forms);
    return "((?:" + forms + ")\\b)";
}

CompiledPhrase compile(const Phrase& phrase)
{
    const std::pair<char, std::string> slots[] = {
        {'S', signForms()},
        {'E', "(Feuer|Erde?|Luft|Wasser)"},
        {'M', "(kardinal|fix|beweglich)"},
        {'P', "(Mars|Venus|Merkur|Mond|Sonne|Jupiter|Saturn|Pluto|Uranus|Neptun)"},
        {'A', "(Halbsextil|Sextil|Quadrat|Trigon|Quinkunx|Opposition)"},
        {'N', "(zwei|drei|vier|fünf|sechs)"},
        {'R', "(?:regiert|beherrscht|lenkt|prägt|herrscht über)"},
        {'_', "[^.;:!?]{0,80}?"},
    };
    std::string pattern;
    std::string types;
    for (std::size_t i = 0; i < phrase.pattern.size(); ++i) {
        const auto slot = std::find_if(std::begin(slots), std::end(slots), [&](const auto& s) {
            return phrase.pattern.substr(i, 3) == std::string{'{', s.first, '}'};
        });
        if (slot == std::end(slots)) {
            pattern += phrase.pattern[i];
            continue;
        }
        pattern += slot->second;
        if (slot->first != '_' && slot->first != 'R')
            types += slot->first;
        i += 2;
    }
    return {std::regex(pattern, kFlags), types, &phrase};
}

const std::vector<CompiledPhrase>& phrases()
{
    static const std::vector<CompiledPhrase> compiled = [] {
        std::vector<CompiledPhrase> list;
        for (const Phrase& p : kPhrases)
            list.push_back(compile(p));
        return list;
    }();
    return compiled;
}

const std::vector<std::regex>& vocabulary()
{
    static const std::vector<std::regex> compiled = [] {
        std::vector<std::regex> list;
        for (std::string_view v : kVocabulary)
            list.emplace_back(std::string(v), kFlags);
        return list;
    }();
    return compiled;
}

template <std::size_t N> int indexOf(const std::string_view (&words)[N], const std::string& word)
{
    return static_cast<int>(std::find(std::begin(words), std::end(words), word)
                            - std::begin(words));
}

int signIndex(const std::string& text)
{
    static const std::vector<std::regex> forms = [] {
        std::vector<std::regex> list;
        for (const Sign& s : kSigns)
            list.emplace_back(std::string(s.forms), kFlags);
        return list;
    }();
    for (std::size_t i = 0; i < forms.size(); ++i)
        if (std::regex_match(text, forms[i]))
            return static_cast<int>(i);
    return -1;
}

// Qualities compare by their first three letters: "Erd" and "Erde", "Kardinal" and "kardinal".
std::string stem(std::string_view word)
{
    std::string s(word.substr(0, 3));
    std::transform(s.begin(), s.end(), s.begin(), [](char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return s;
}

bool has(int sign, const Capture& quality)
{
    const Sign& s = kSigns[sign];
    switch (quality.type) {
    case 'E':
        return stem(s.element) == stem(quality.text);
    case 'M':
        return stem(s.mode) == stem(quality.text);
    case 'P':
        return std::find(s.rulers.begin(), s.rulers.end(), quality.text) != s.rulers.end();
    default:
        return false;
    }
}

bool shares(int a, int b, char kind)
{
    const Sign& x = kSigns[a];
    const Sign& y = kSigns[b];
    if (kind == 'E')
        return x.element == y.element;
    if (kind == 'M')
        return x.mode == y.mode;
    return std::any_of(x.rulers.begin(), x.rulers.end(), [&](std::string_view r) {
        return !r.empty() && std::find(y.rulers.begin(), y.rulers.end(), r) != y.rulers.end();
    });
}

int distance(int a, int b)
{
    const int d = std::abs(a - b);
    return std::min(d, kSignCount - d);
}

// What the check found in one text, or in all texts of one entry.
struct Findings {
    std::vector<std::string> wrong; // phrases whose claim is false for the pair
    std::vector<std::string> unjudged; // vocabulary no phrase takes, with its context
    std::vector<std::string> relations; // true claims about both signs together
    bool follows = false; // a true claim of which sign follows which
};

class Judge {
public:
    Judge(int a, int b)
        : m_a(a)
        , m_b(b)
    {
    }

    void text(const std::string& text)
    {
        std::vector<std::pair<std::size_t, std::size_t>> covered;
        for (const CompiledPhrase& p : phrases()) {
            for (std::sregex_iterator m(text.begin(), text.end(), p.regex), end; m != end; ++m) {
                covered.emplace_back(m->position(), m->position() + m->length());
                std::vector<Capture> captures;
                // A slot in an alternative that did not match takes no part.
                for (std::size_t g = 0; g < p.types.size(); ++g)
                    if ((*m)[g + 1].matched)
                        captures.push_back({p.types[g], (*m)[g + 1].str()});
                judge(*p.phrase, captures, m->str());
            }
        }
        for (const std::regex& v : vocabulary()) {
            for (std::sregex_iterator m(text.begin(), text.end(), v), end; m != end; ++m) {
                const auto from = static_cast<std::size_t>(m->position());
                const std::size_t to = from + static_cast<std::size_t>(m->length());
                if (std::none_of(covered.begin(), covered.end(),
                                 [&](const auto& c) { return c.first <= from && to <= c.second; }))
                    m_found.unjudged.push_back(context(text, from, to));
            }
        }
    }

    const Findings& findings() const { return m_found; }

    // Grounded: a true relation, or true qualities of one kind named for each of the signs.
    bool grounded() const
    {
        if (!m_found.relations.empty())
            return true;
        return std::any_of(m_single.begin(), m_single.end(), [&](const auto& s) {
            return s.second == m_a
                   && std::find(m_single.begin(), m_single.end(), std::make_pair(s.first, m_b))
                          != m_single.end();
        });
    }

private:
    void judge(const Phrase& phrase, const std::vector<Capture>& captures, const std::string& said)
    {
        std::vector<int> signs;
        std::vector<Capture> qualities;
        int number = phrase.arg;
        for (const Capture& c : captures) {
            if (c.type == 'S')
                signs.push_back(signIndex(c.text));
            else if (c.type == 'N')
                number = 2 + indexOf(kNumbers, c.text);
            else if (c.type == 'A')
                number = 1 + indexOf(kAspects, c.text);
            else
                qualities.push_back(c);
        }
        const bool inPair = std::all_of(signs.begin(), signs.end(),
                                        [&](int s) { return s == m_a || s == m_b; });
        bool holds = inPair;
        bool relation = true;
        switch (phrase.claim) {
        case Claim::Both:
            for (const Capture& q : qualities)
                holds = holds && has(m_a, q) && has(m_b, q);
            break;
        case Claim::Each:
            relation = false;
            holds = holds && !signs.empty() && !qualities.empty()
                    && (qualities.size() == 1 || signs.size() == 1
                        || qualities.size() == signs.size());
            for (std::size_t i = 0; holds && i < std::max(signs.size(), qualities.size()); ++i) {
                const int sign = signs[signs.size() == 1 ? 0 : i];
                const Capture& q = qualities[qualities.size() == 1 ? 0 : i];
                holds = has(sign, q);
                if (holds)
                    m_single.emplace_back(q.type, sign);
            }
            break;
        case Claim::Split:
            holds = qualities.size() == 2
                    && ((has(m_a, qualities[0]) && has(m_b, qualities[1]))
                        || (has(m_a, qualities[1]) && has(m_b, qualities[0])));
            break;
        case Claim::Same:
        case Claim::Differ:
            holds = shares(m_a, m_b, static_cast<char>(phrase.arg))
                    == (phrase.claim == Claim::Same);
            break;
        case Claim::Angle:
            holds = distance(m_a, m_b) == number;
            break;
        case Claim::Follows: {
            const bool named = signs.size() == 2 && signs[0] != signs[1] && inPair;
            const int later = named ? signs[phrase.arg == 1 ? 1 : 0] : -1;
            const int earlier = named ? signs[phrase.arg == 1 ? 0 : 1] : -1;
            holds = named && later == (earlier + 1) % kSignCount;
            m_found.follows = m_found.follows || holds;
            break;
        }
        case Claim::Place:
            relation = false;
            holds = holds && signs.size() == 1 && signs[0] + 1 == phrase.arg;
            break;
        }
        if (!holds)
            m_found.wrong.push_back(said);
        else if (relation)
            m_found.relations.push_back(said);
    }

    static std::string context(const std::string& text, std::size_t from, std::size_t to)
    {
        // Widened to whole UTF-8 characters: continuation bytes are 10xxxxxx.
        const auto lead = [&](std::size_t i) {
            return i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        };
        std::size_t begin = from > 30 ? from - 30 : 0;
        std::size_t end = std::min(text.size(), to + 30);
        while (!lead(begin))
            --begin;
        while (!lead(end))
            ++end;
        return "…" + text.substr(begin, end - begin) + "…";
    }

    int m_a;
    int m_b;
    Findings m_found;
    std::vector<std::pair<char, int>> m_single;
};

int signOf(std::string_view name)
{
    const auto it = std::find_if(std::begin(kSigns), std::end(kSigns),
                                 [&](const Sign& s) { return s.name == name; });
    REQUIRE(it != std::end(kSigns));
    return static_cast<int>(it - std::begin(kSigns));
}

std::string list(const std::vector<std::string>& items)
{
    std::string joined;
    for (const std::string& i : items)
        joined.append("\n    ").append(i);
    return joined;
}

} // namespace

TEST_CASE("theCheckerFindsWrongAndUnjudgedStatements")
{
    struct Row {
        std::string_view text;
        std::string_view a;
        std::string_view b;
        bool wrong;
        bool unjudged;
        bool grounded;
    };
    const Row rows[] = {
        {"Hier treffen sich zwei Feuerzeichen.", "Widder", "Löwe", false, false, true},
        {"Hier treffen sich zwei Feuerzeichen.", "Widder", "Stier", true, false, false},
        {"Sie stehen im Quadrat zueinander.", "Widder", "Krebs", false, false, true},
        {"Sie stehen im Quadrat zueinander.", "Widder", "Löwe", true, false, false},
        {"Mars regiert den Stier.", "Widder", "Stier", true, false, false},
        {"Venus regiert den Stier, Mars den Widder.", "Widder", "Stier", false, true, false},
        {"Auf den Löwen folgt die Jungfrau.", "Löwe", "Jungfrau", false, false, true},
        {"Auf die Jungfrau folgt der Löwe.", "Löwe", "Jungfrau", true, false, false},
        {"Ein Wasserzeichen liebt anders.", "Krebs", "Fische", false, true, false},
        {"Mit ihrem Element sind sie zufrieden.", "Krebs", "Fische", false, true, false},
        {"Der Stier ist ein Erdzeichen, der Krebs ein Wasserzeichen.", "Stier", "Krebs", false,
         false, true},
        {"Der Stier ist ein Erdzeichen, der Krebs ein Feuerzeichen.", "Stier", "Krebs", true, false,
         false},
    };
    for (const Row& row : rows) {
        INFO(row.text, " (", row.a, "–", row.b, ")");
        Judge judge(signOf(row.a), signOf(row.b));
        judge.text(std::string(row.text));
        CHECK_EQ(!judge.findings().wrong.empty(), row.wrong);
        CHECK_EQ(!judge.findings().unjudged.empty(), row.unjudged);
        CHECK_EQ(judge.grounded(), row.grounded);
    }
}

TEST_CASE("everyReadingStatesItsPairsAstrologyCorrectly")
{
    constexpr std::string_view kParts[] = {"first paragraph", "second paragraph", "verdict"};
    for (std::size_t n = 0; n < kPairReadings.size(); ++n) {
        const PairReading& e = kPairReadings[n];
        const std::size_t number = n + 1;
        const int a = signOf(e.signA);
        const int b = signOf(e.signB);
        Judge judge(a, b);
        const std::string_view texts[] = {e.firstParagraph, e.secondParagraph, e.verdict};
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            Judge part(a, b);
            part.text(std::string(texts[i]));
            judge.text(std::string(texts[i]));
            INFO(number, " ", e.signA, "–", e.signB, ", ", kParts[i]);
            CHECK_MESSAGE(part.findings().wrong.empty(),
                          "wrong for the pair:", list(part.findings().wrong));
            CHECK_MESSAGE(part.findings().unjudged.empty(),
                          "no phrase of the table takes:", list(part.findings().unjudged));
        }
        INFO(number, " ", e.signA, "–", e.signB);
        CHECK_MESSAGE(judge.grounded(), "no relation of the two signs is named");
        if (distance(a, b) == 1)
            CHECK_MESSAGE(judge.findings().follows, "it does not say which sign follows which");
    }
}

TEST_CASE("everyProfileStatesItsSignsAstrologyCorrectly")
{
    for (const SignProfile& p : kSignProfiles) {
        const int s = signOf(p.sign);
        Judge judge(s, s);
        judge.text(std::string(p.text));
        INFO(p.sign);
        CHECK_MESSAGE(judge.findings().wrong.empty(), "wrong:", list(judge.findings().wrong));
        CHECK_MESSAGE(judge.findings().unjudged.empty(),
                      "no phrase of the table takes:", list(judge.findings().unjudged));
    }
}
