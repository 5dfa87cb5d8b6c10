#include "signs/SignCatalogue.h"

#include "signs/sign_profiles_data.h"

#include <algorithm>

namespace orbelle {

namespace {

// The profile is found by the name it stands under, not by its place in the table; a sign
// without one shows its date line only, which the catalogue's tests do not let pass.
std::string_view profileOf(std::string_view displayName)
{
    const auto it = std::find_if(kSignProfiles.begin(), kSignProfiles.end(),
                                 [&](const SignProfile& p) { return p.sign == displayName; });
    return it == kSignProfiles.end() ? std::string_view{} : it->text;
}

} // namespace

const std::array<SignEntry, kSignCount>& signCatalogue()
{
    // Built on first use: the profile texts live in another translation unit, and a
    // function-local static cannot be read before that unit is initialised.
    static const std::array<SignEntry, kSignCount> entries = {{
        {1, "Widder", "widder", "Widder: 21. März bis 20. April", profileOf("Widder")},
        {2, "Stier", "stier", "Stier: 21. April bis 21. Mai", profileOf("Stier")},
        {3, "Zwillinge", "zwilling", "Zwillinge: 22. Mai bis 21. Juni", profileOf("Zwillinge")},
        {4, "Krebs", "krebs", "Krebs: 22. Juni bis 22. Juli", profileOf("Krebs")},
        {5, "Löwe", "loewe", "Löwe: 23. Juli bis 23. August", profileOf("Löwe")},
        {6, "Jungfrau", "jungfrau", "Jungfrau: 24. August bis 22. September",
         profileOf("Jungfrau")},
        {7, "Waage", "waage", "Waage: 23. September bis 23. Oktober", profileOf("Waage")},
        {8, "Skorpion", "skorpion", "Skorpion: 24. Oktober bis 22. November",
         profileOf("Skorpion")},
        {9, "Schütze", "schuetze", "Schütze: 23. November bis 21. Dezember", profileOf("Schütze")},
        {10, "Steinbock", "steinbock", "Steinbock: 22. Dezember bis 20. Januar",
         profileOf("Steinbock")},
        {11, "Wassermann", "wassermann", "Wassermann: 21. Januar bis 19. Februar",
         profileOf("Wassermann")},
        // Two blanks before "bis": the line has always been shown this way.
        {12, "Fische", "fische", "Fische: 20. Februar  bis 20. März", profileOf("Fische")},
    }};
    return entries;
}

namespace {

template <typename Field> const SignEntry* findBy(Field field, std::string_view key)
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
