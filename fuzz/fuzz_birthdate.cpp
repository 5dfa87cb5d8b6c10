// Any two texts as day and month: BirthDateAnswer gives one of its three messages or a
// well-formed answer sentence, and never anything else.

#include "FuzzCheck.h"
#include "birthdate/BirthDateAnswer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string day = input.ConsumeRandomLengthString(8);
    const std::string month = input.ConsumeRandomLengthString(16);
    const std::string answer = orbelle::BirthDateAnswer(day, month);

    if (day == "32") {
        FUZZ_CHECK(answer == "Kleiner Scherz!");
    } else if (day.empty() || month.empty()) {
        FUZZ_CHECK(answer == "Kein Datum angegeben");
    } else if (answer != "Ungültiges Datum") {
        const std::string start = "Wer am " + day + ". " + month + " geboren wurde, ist ";
        FUZZ_CHECK(answer.compare(0, start.size(), start) == 0);
        FUZZ_CHECK(answer.size() > start.size() + 1 && answer.back() == '.');
    }
    return 0;
}
