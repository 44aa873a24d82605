#include "guidance_advice.h"

#include "guidance_sources.h"
#include "languages.h"

#include <iterator>

namespace {

constexpr int kItemWidth = 60;
// A group's score divides by its member count: with fewer, one tick weighs too much.
constexpr size_t kFewestMembers = 7;

// The screen selects the lower marks with a higher one: the first six
// qualities must be the graded marks in this order.
constexpr const char* kGradedMarks[] = {
    "letters-above-5.5", "letters-above-6.5", "letters-above-7.5",
    "sciences-above-5.5", "sciences-above-6.5", "sciences-above-7.5",
};

GroupMembers compileList(const QString& folder, const char* name, const char* output, bool gradedMarks,
                         OutputFolder& out, Diagnostics& diagnostics)
{
    GroupMembers members;
    const auto list = readStructure(folder, name, 1, 1, "key, groups", diagnostics);
    if (!list)
        return members;
    for (int i = 0; i < list->size(); ++i) {
        const StructureEntry& entry = list->entries[static_cast<size_t>(i)];
        if (gradedMarks && i < static_cast<int>(std::size(kGradedMarks)) &&
            entry.key != QLatin1String(kGradedMarks[i]))
            diagnostics.error(list->shown, entry.line,
                              QStringLiteral("item %1 must be %2").arg(i + 1).arg(QLatin1String(kGradedMarks[i])));
        for (int g : parseGroups(entry.fields[0], kAdviceGroups, list->shown, entry.line, diagnostics))
            members[static_cast<size_t>(g - 1)].push_back(i + 1);
    }
    if (list->size() > kLargestMember)
        diagnostics.error(list->shown, 0, QStringLiteral("%1 items, more than %2").arg(list->size()).arg(kLargestMember));
    for (int g = 1; g <= kAdviceGroups; ++g) {
        const size_t count = members[static_cast<size_t>(g - 1)].size();
        const QLatin1String group(kGuidanceGroups[size_t(g - 1)]);
        if (count == 0)
            diagnostics.error(list->shown, 0, QStringLiteral("group %1 has no item").arg(group));
        else if (count < kFewestMembers)
            diagnostics.warning(list->shown, 0, QStringLiteral("group %1 has only %2 items, fewer than %3")
                                                    .arg(group)
                                                    .arg(count)
                                                    .arg(kFewestMembers));
    }
    const LanguageTexts texts = readLanguageTexts(folder, name, uniformKeys(list->keys(), kItemWidth), diagnostics);
    for (size_t l = 0; l < kLanguages.size(); ++l)
        out.writeLines(QLatin1String(kLanguages[l].folder) + QLatin1String(output), texts[l]);
    return members;
}

} // namespace

GroupMembers compileQualities(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    return compileList(folder, "qualities.txt", "cualidad", true, out, diagnostics);
}

GroupMembers compileInterests(const QString& folder, OutputFolder& out, Diagnostics& diagnostics)
{
    return compileList(folder, "interests.txt", "interes", false, out, diagnostics);
}
