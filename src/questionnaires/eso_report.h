#pragma once

#include "questionnaires/eso_scoring.h"

#include <string>
#include <string_view>
#include <vector>

class DataStore;

// The lines the ESO questionnaire shows, prints and saves: Windows-1252 bytes.
namespace eso {

// Report lines are cut to this length.
constexpr int kReportLineLength = 60;
// Lines of the full report (1-based) that the screen decorates.
constexpr int kFirstRecommendationLine = 10;
constexpr int kFirstRankedLine = 17;
constexpr int kRankedLines = 6;
constexpr int kLikedIconLine = 25;

// The 13 lines of the short questionnaire's verdict.
std::vector<std::string> verdictLines(const DataStore& store, const ShortVerdict& verdict);

struct EsoReport {
    std::vector<std::string> lines; // report lines 1..n in lines[0..n-1]
    std::vector<RankedGroup> ranking;
    std::vector<RankedGroup> liking;
    Recommendation advice;
};
// The full questionnaire's report (37 to 48 lines).
EsoReport composeReport(const DataStore& store, const EsoScores& scores);

// The icon of a career group in the main menu's ImageListIconos (0-based).
int careerIcon(int careerGroup);
// The report line whose icon shows the most-liked group (or the best group
// when no second modality is advised).
int likedIconGroup(const EsoReport& report);

// The careers panel of a group: its name, higher-grade titles, degrees.
std::vector<std::string> careerLines(const DataStore& store, int careerGroup);

// The pupil's name with the course: "Name  -  4º de ESO", cut to 45.
std::string pupilNameWithCourse(std::string_view name);

// ReportBuffer for the report: the pupil's name as title, an empty line, the
// report; the title, first recommendation and two headings bold. Returns the
// line count to print.
int fillPrintedReport(DataStore& store, const std::string& pupilName, const std::vector<std::string>& report);
// ReportBuffer for the careers list: its first line as title, "Títulos", the
// rest; no bold lines. Returns the line count to print.
int fillCareersPrintout(DataStore& store, const std::vector<std::string>& careers);

// The saved file: the pupil's name, an empty line, the report lines, each
// ending with CR LF.
std::string savedReport(const std::string& pupilName, const std::vector<std::string>& report);

} // namespace eso
