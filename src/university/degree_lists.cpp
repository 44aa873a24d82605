#include "university/degree_lists.h"

#include "data/data_store.h"
#include "university/degree_lines.h"

#include <algorithm>
#include <array>

namespace degree_lists {

namespace {

enum Field { kBranch = 1, kTitleGroup = 2, kAdviceGroup = 3, kAdviceGroup2 = 4, kFirstProfession = 5 };
constexpr int kProfessions = 4;
constexpr int kAdviceGroups = 12;
constexpr int kLastAdviceNode = 11;
constexpr std::array kUnlistedActivities = {23, 24};
constexpr int kAltNameTitleLine = 538;
constexpr int kSortedPrefix = 10;

int field(const DataStore& store, int degree, Field f)
{
    return store.datgrados.field(degree, f);
}

std::string trimmed(std::string_view text)
{
    return std::string(text::trim(text));
}

bool hasAltNames(const DataStore& store, int degree)
{
    return degree >= 1 && degree < static_cast<int>(store.altNames.size()) &&
           store.altNames[static_cast<size_t>(degree)].count > 0;
}

GridRow degreeRow(const DataStore& store, int degree)
{
    return {store.carreran[degree], degree, false, hasAltNames(store, degree) ? "+" : ""};
}

TreeNode degreeNode(const DataStore& store, int degree)
{
    return {store.carreran[degree], degree, {}};
}

} // namespace

std::vector<GridRow> branchRows(const DataStore& store, int branch)
{
    const int degrees = degree_lines::degreeCount(store);
    std::vector<GridRow> rows;
    const bool inBranch = branch >= 1 && branch < kAllDegrees;
    auto belongs = [&](int d) { return !inBranch || field(store, d, kBranch) == branch; };
    if (branch == 2 || branch == 5) {
        for (int d = 1; d <= degrees; ++d)
            if (belongs(d))
                rows.push_back(degreeRow(store, d));
        return rows;
    }
    for (int g = 1; g <= store.carreranb.count; ++g) {
        GridRow header{trimmed(store.carreranb[g]), 0, true, ""};
        bool headerAdded = false;
        for (int d = 1; d <= degrees; ++d) {
            if (field(store, d, kTitleGroup) != g || !belongs(d))
                continue;
            if (!headerAdded) {
                rows.push_back(header);
                headerAdded = true;
            }
            rows.push_back(degreeRow(store, d));
        }
    }
    return rows;
}

std::vector<TreeNode> similarTitlesTree(const DataStore& store)
{
    const int degrees = degree_lines::degreeCount(store);
    std::vector<TreeNode> nodes;
    std::vector<bool> groupShown(static_cast<size_t>(store.carreranb.count) + 1, false);
    for (int d = 1; d <= degrees; ++d) {
        const int g = field(store, d, kTitleGroup);
        if (g < 1 || g > store.carreranb.count) {
            nodes.push_back({trimmed(store.carreran[d]), d, {}});
            continue;
        }
        if (groupShown[static_cast<size_t>(g)])
            continue;
        groupShown[static_cast<size_t>(g)] = true;
        TreeNode group{trimmed(store.carreranb[g]), 0, {}};
        for (int member = d; member <= degrees; ++member)
            if (field(store, member, kTitleGroup) == g)
                group.children.push_back({trimmed(store.carreran[member]), member, {}});
        group.text += " (" + std::to_string(group.children.size()) + ")";
        nodes.push_back(std::move(group));
    }
    return nodes;
}

std::vector<TreeNode> studyAdviceTree(const DataStore& store)
{
    const int degrees = degree_lines::degreeCount(store);
    std::vector<TreeNode> nodes;
    for (int j = 1; j <= kAdviceGroups; ++j) {
        if (j <= kLastAdviceNode)
            nodes.push_back({store.itinerar[j], 0, {}});
        TreeNode& node = nodes.back();
        // A degree is listed once under a node, however many of its groups lead there.
        auto listed = [&](int d) {
            return std::any_of(node.children.begin(), node.children.end(),
                               [d](const TreeNode& child) { return child.degree == d; });
        };
        for (Field f : {kAdviceGroup, kAdviceGroup2})
            for (int d = 1; d <= degrees; ++d)
                if (field(store, d, f) == j && !listed(d))
                    node.children.push_back(degreeNode(store, d));
    }
    return nodes;
}

std::string activityCode(const std::string& line)
{
    return std::string(text::columns(text::fill(line, 5), 1, 4));
}

std::string activityText(const std::string& line)
{
    return std::string(text::from(line, 6));
}

std::vector<TreeNode> activitiesTree(const DataStore& store)
{
    const int degrees = degree_lines::degreeCount(store);
    std::vector<TreeNode> nodes;
    for (int j = 1; j <= store.activida.count; ++j) {
        if (std::find(kUnlistedActivities.begin(), kUnlistedActivities.end(), j) != kUnlistedActivities.end())
            continue;
        const std::string code = activityCode(store.activida[j]);
        std::vector<bool> matching(static_cast<size_t>(store.profesio.count) + 1, false);
        if (!text::isBlank(code))
            for (int p = 1; p <= store.profesio.count; ++p) {
                const Professions::Entry& profession = store.profesio.entries[static_cast<size_t>(p)];
                matching[static_cast<size_t>(p)] = profession.code1 == code || profession.code2 == code;
            }
        TreeNode activity{activityText(store.activida[j]), 0, {}};
        for (int d = 1; d <= degrees; ++d)
            for (int k = 0; k < kProfessions; ++k) {
                const int p = store.datgrados.field(d, kFirstProfession + k);
                if (p >= 1 && p <= store.profesio.count && matching[static_cast<size_t>(p)]) {
                    activity.children.push_back(degreeNode(store, d));
                    break;
                }
            }
        if (!activity.children.empty())
            nodes.push_back(std::move(activity));
    }
    return nodes;
}

std::vector<TreeNode> ungroupedTree(const DataStore& store, bool sorted)
{
    const int degrees = degree_lines::degreeCount(store);
    std::vector<TreeNode> nodes;
    nodes.reserve(static_cast<size_t>(degrees));
    for (int d = 1; d <= degrees; ++d)
        nodes.push_back(degreeNode(store, d));
    if (sorted)
        sortByFirstTenCharacters(nodes);
    return nodes;
}

void sortByFirstTenCharacters(std::vector<TreeNode>& nodes)
{
    auto prefix = [](const TreeNode& node) { return text::cut(node.text, kSortedPrefix); };
    const size_t n = nodes.size();
    for (size_t i = 1; i < n; ++i)
        for (size_t j = n - 1; j >= i; --j) {
            // std::string_view compares bytes as unsigned characters.
            if (prefix(nodes[j - 1]) > prefix(nodes[j]))
                std::swap(nodes[j - 1], nodes[j]);
        }
}

std::string altNameHint(const DataStore& store, int degree)
{
    if (!hasAltNames(store, degree))
        return {};
    const AltNameRow& row = store.altNames[static_cast<size_t>(degree)];
    std::string hint = "    " + std::string(store.uiText.bytes(kAltNameTitleLine)) + "\n";
    for (int i = 0; i < std::min(row.count, AltNameRow::kMaxNames); ++i)
        hint += "-" + std::string(text::trimRight(degree_lines::altNameLine(store, row.names[static_cast<size_t>(i)]))) + "\n";
    return hint;
}

} // namespace degree_lists
