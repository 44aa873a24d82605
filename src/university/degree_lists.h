#pragma once

#include <string>
#include <vector>

class DataStore;

// The lists of the degree browser, composed from the tables. Text is
// Windows-1252 bytes.
namespace degree_lists {

// A row of the branch grid: a group header (degree 0) or a degree with its
// mark ("+" when it has alternative names).
struct GridRow {
    std::string text;
    int degree = 0;
    bool header = false;
    std::string mark;
};

constexpr int kAllDegrees = 6;

// The rows of branch 1..5, or of every degree (kAllDegrees). Branches 1, 3, 4
// and all degrees are grouped under the headers of similar titles, headers
// without degrees left out; branches 2 and 5 have no headers.
std::vector<GridRow> branchRows(const DataStore& store, int branch);

// A node of the grouping tree: a group (degree 0) or a degree.
struct TreeNode {
    std::string text;
    int degree = 0;
    std::vector<TreeNode> children;
};

// Groups of similar titles, each named with its number of degrees; a degree
// without a group is a top node of its own.
std::vector<TreeNode> similarTitlesTree(const DataStore& store);
// The eleven study-advice groups; the degrees of group 12 are listed under 11.
std::vector<TreeNode> studyAdviceTree(const DataStore& store);
// The activities whose professions lead to degrees (never activities 23, 24).
std::vector<TreeNode> activitiesTree(const DataStore& store);
// Every degree as a top node; sorted by its first ten characters when sorted.
std::vector<TreeNode> ungroupedTree(const DataStore& store, bool sorted);

// Bubble sort by the first ten bytes; nodes equal there keep their order.
void sortByFirstTenCharacters(std::vector<TreeNode>& nodes);

// The hint of a degree with alternative names: a title line, then "-" and
// each name on a line of its own. Empty for a degree without.
std::string altNameHint(const DataStore& store, int degree);

// An activity line's code (columns 1..4) and text (from column 6).
std::string activityCode(const std::string& line);
std::string activityText(const std::string& line);

} // namespace degree_lists
