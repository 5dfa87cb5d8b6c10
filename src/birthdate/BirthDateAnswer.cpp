#include "birthdate/BirthDateAnswer.h"

#include <algorithm>

namespace orbelle {

namespace {

struct MonthBoundary {
    std::string_view month;
    std::string_view thresholdDay; // last day of the earlier sign, as a two-digit text
    std::string_view earlierSign;
    std::string_view laterSign;
};

// The window keeps its own boundaries: they say "Zwilling" where the catalogue says
// "Zwillinge", and they let 23 September still be Jungfrau.
constexpr std::array<MonthBoundary, 12> kMonthBoundaryTable = {{
    {"Januar", "20", "Steinbock", "Wassermann"},
    {"Februar", "19", "Wassermann", "Fische"},
    {"März", "20", "Fische", "Widder"},
    {"April", "20", "Widder", "Stier"},
    {"Mai", "21", "Stier", "Zwilling"},
    {"Juni", "21", "Zwilling", "Krebs"},
    {"Juli", "22", "Krebs", "Löwe"},
    {"August", "23", "Löwe", "Jungfrau"},
    {"September", "23", "Jungfrau", "Waage"},
    {"Oktober", "23", "Waage", "Skorpion"},
    {"November", "22", "Skorpion", "Schütze"},
    {"Dezember", "21", "Schütze", "Steinbock"},
}};

struct InvalidDate {
    std::string_view day;
    std::string_view month;
};

// No year is asked for, so the 29th of February stays possible.
constexpr std::array<InvalidDate, 6> kInvalidDates = {{
    {"30", "Februar"},
    {"31", "Februar"},
    {"31", "April"},
    {"31", "Juni"},
    {"31", "September"},
    {"31", "November"},
}};

constexpr std::array<std::string_view, 32> kDays = {
    "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32",
};

constexpr std::array<std::string_view, 12> kMonths = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember",
};

} // namespace

const std::array<std::string_view, 32>& birthDateDays()
{
    return kDays;
}

const std::array<std::string_view, 12>& birthDateMonths()
{
    return kMonths;
}

std::string BirthDateAnswer(std::string_view day, std::string_view month)
{
    if (day == "32")
        return "Kleiner Scherz!";
    if (day.empty() || month.empty())
        return "Kein Datum angegeben";
    const bool impossible = std::any_of(
        kInvalidDates.begin(), kInvalidDates.end(),
        [&](const InvalidDate& d) { return d.day == day && d.month == month; });
    if (impossible)
        return "Ungültiges Datum";

    const auto row = std::find_if(kMonthBoundaryTable.begin(), kMonthBoundaryTable.end(),
                                  [&](const MonthBoundary& b) { return b.month == month; });
    if (row == kMonthBoundaryTable.end()) {
        // The month list offers nothing else; a stray text gets no made-up sign.
        return "Ungültiges Datum";
    }
    // Two-digit texts compare like their numbers.
    const std::string_view sign = day <= row->thresholdDay ? row->earlierSign : row->laterSign;

    std::string answer = "Wer am ";
    answer.append(day).append(". ").append(month).append(" geboren wurde, ist ");
    answer.append(sign).append(".");
    return answer;
}

} // namespace orbelle
