// The birth-date lookup without its window: every combination the two lists allow,
// checked against the calendar and the sign catalogue, and the order of its messages.

#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "birthdate/BirthDateAnswer.h"
#include "signs/SignCatalogue.h"

#include <algorithm>
#include <iterator>

using namespace orbelle;

namespace {

// A leap year's months: no year is asked for, so 29 February exists.
constexpr std::string_view kMonths[] = {"Januar",    "Februar", "März",     "April",
                                        "Mai",       "Juni",    "Juli",     "August",
                                        "September", "Oktober", "November", "Dezember"};
constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int dayOfYear(int day, std::string_view month)
{
    for (std::size_t m = 0; m < std::size(kMonths) && kMonths[m] != month; ++m)
        day += kMonthDays[m];
    return day;
}

// The first day of a sign, read from its catalogue line "Widder: 21. März bis ...".
int firstDay(const SignEntry& sign)
{
    const std::string_view line = sign.dateLine;
    const std::size_t day = line.find(": ") + 2;
    const std::size_t month = line.find(". ", day) + 2;
    return dayOfYear(std::stoi(std::string(line.substr(day, month - day - 2))),
                     line.substr(month, line.find(' ', month) - month));
}

// The sign whose catalogue range holds the date: the one that began last before it, or,
// early in January, the one that began last in the year.
std::string catalogueSign(int date)
{
    const auto& signs = signCatalogue();
    const auto byStart = [](const SignEntry& a, const SignEntry& b) {
        return firstDay(a) < firstDay(b);
    };
    const SignEntry* best = &*std::max_element(signs.begin(), signs.end(), byStart);
    for (const SignEntry& sign : signs)
        if (firstDay(sign) <= date && (firstDay(*best) > date || firstDay(sign) > firstDay(*best)))
            best = &sign;
    return std::string(best->displayName);
}

std::string twoDigits(int day)
{
    // Appended rather than "0" + std::to_string(day): for that, GCC 12 at -O3 reports an
    // overlapping copy inside std::string that cannot happen (-Wrestrict).
    std::string text(day < 10 ? 1u : 0u, '0');
    return text.append(std::to_string(day));
}

// day 0 and month 12 stand for an empty choice.
std::string expectedAnswer(int day, std::size_t month)
{
    if (day == 32)
        return "Kleiner Scherz!";
    if (day == 0 || month == 12)
        return "Kein Datum angegeben";
    if (day > kMonthDays[month])
        return "Ungültiges Datum";
    std::string sign = catalogueSign(dayOfYear(day, kMonths[month]));
    // The window's own departures from the catalogue.
    if (day == 23 && kMonths[month] == "September")
        sign = "Jungfrau";
    if (sign == "Zwillinge")
        sign = "Zwilling";
    return "Wer am " + twoDigits(day) + ". " + std::string(kMonths[month]) + " geboren wurde, ist "
           + sign + ".";
}

} // namespace

TEST_CASE("listsOfferTheDaysAndMonths")
{
    for (std::size_t i = 0; i < 32; ++i)
        CHECK_EQ(birthDateDays().at(i), twoDigits(static_cast<int>(i) + 1));
    CHECK(std::equal(std::begin(kMonths), std::end(kMonths), birthDateMonths().begin(),
                     birthDateMonths().end()));
}

TEST_CASE("everyCombinationOfTheListsMatchesTheCalendar")
{
    for (int day = 0; day <= 32; ++day) {
        for (std::size_t month = 0; month <= 12; ++month) {
            const std::string dayText = day == 0 ? "" : twoDigits(day);
            const std::string_view monthText = month == 12 ? "" : kMonths[month];
            INFO("day '", dayText, "' month '", monthText, "'");
            CHECK_EQ(BirthDateAnswer(dayText, monthText), expectedAnswer(day, month));
        }
    }
}

TEST_CASE("precedenceAndExamples")
{
    struct Row {
        const char* name;
        std::string_view day;
        std::string_view month;
        std::string_view answer;
    };
    const Row rows[] = {
        {"nothing chosen", "", "", "Kein Datum angegeben"},
        {"only a month", "", "Januar", "Kein Datum angegeben"},
        {"only a day", "05", "", "Kein Datum angegeben"},
        {"joke day without a month", "32", "", "Kleiner Scherz!"},
        {"joke day before an impossible date", "32", "Februar", "Kleiner Scherz!"},
        {"missing day before an impossible date", "", "Februar", "Kein Datum angegeben"},
        {"30 February", "30", "Februar", "Ungültiges Datum"},
        {"31 November", "31", "November", "Ungültiges Datum"},
        {"example of the help", "05", "März", "Wer am 05. März geboren wurde, ist Fische."},
        {"leap day", "29", "Februar", "Wer am 29. Februar geboren wurde, ist Fische."},
        {"23 September stays Jungfrau", "23", "September",
         "Wer am 23. September geboren wurde, ist Jungfrau."},
        {"Zwilling in the singular", "22", "Mai", "Wer am 22. Mai geboren wurde, ist Zwilling."},
    };
    for (const Row& row : rows) {
        INFO(row.name);
        CHECK_EQ(BirthDateAnswer(row.day, row.month), row.answer);
    }
}
