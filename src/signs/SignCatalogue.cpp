#include "signs/SignCatalogue.h"

#include "signs/sign_profiles_data.h"

#include <algorithm>

namespace orbelle {

const std::array<SignEntry, kSignCount>& signCatalogue()
{
    // Built on first use: the profile texts live in another translation unit, and a
    // function-local static cannot be read before that unit is initialised.
    static const std::array<SignEntry, kSignCount> entries = {{
        {1, "Widder", "widder", "Widder: 21. März bis 20. April", kSignProfileTexts[0]},
        {2, "Stier", "stier", "Stier: 21. April bis 21. Mai", kSignProfileTexts[1]},
        {3, "Zwillinge", "zwilling", "Zwillinge: 22. Mai bis 21. Juni", kSignProfileTexts[2]},
        {4, "Krebs", "krebs", "Krebs: 22. Juni bis 22. Juli", kSignProfileTexts[3]},
        {5, "Löwe", "loewe", "Löwe: 23. Juli bis 23. August", kSignProfileTexts[4]},
        {6, "Jungfrau", "jungfrau", "Jungfrau: 24. August bis 22. September", kSignProfileTexts[5]},
        {7, "Waage", "waage", "Waage: 23. September bis 23. Oktober", kSignProfileTexts[6]},
        {8, "Skorpion", "skorpion", "Skorpion: 24. Oktober bis 22. November", kSignProfileTexts[7]},
        {9, "Schütze", "schuetze", "Schütze: 23. November bis 21. Dezember", kSignProfileTexts[8]},
        {10, "Steinbock", "steinbock", "Steinbock: 22. Dezember bis 20. Januar", kSignProfileTexts[9]},
        {11, "Wassermann", "wassermann", "Wassermann: 21. Januar bis 19. Februar", kSignProfileTexts[10]},
        // Two blanks before "bis": the line has always been shown this way.
        {12, "Fische", "fische", "Fische: 20. Februar  bis 20. März", kSignProfileTexts[11]},
    }};
    return entries;
}

namespace {

template <typename Field>
const SignEntry* findBy(Field field, std::string_view key)
{
    const auto& entries = signCatalogue();
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [&](const SignEntry& e) { return e.*field == key; });
    return it == entries.end() ? nullptr : &*it;
}

} // namespace

const SignEntry* findSignByName(std::string_view displayName)
{
    return findBy(&SignEntry::displayName, displayName);
}

const SignEntry* findSignByPictureControl(std::string_view pictureControl)
{
    return findBy(&SignEntry::pictureControl, pictureControl);
}

std::string profileWindowText(const SignEntry& entry)
{
    std::string text;
    text.reserve(entry.dateLine.size() + 2 * kLineBreak.size() + entry.profileText.size());
    text.append(entry.dateLine).append(kLineBreak).append(kLineBreak).append(entry.profileText);
    return text;
}

} // namespace orbelle
