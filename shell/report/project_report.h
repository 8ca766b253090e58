#pragma once
// The two-page project report as lines of text: page 1 lists every input of the project,
// page 2 the main annual and economic results of the last full-year run. The labels are
// the report rows of the main window's language table, so the report prints in the run's
// language. The printer and the PDF writer only place these lines on their pages.

#include <string>
#include <vector>

#include "core/project.h"
#include "core/simulation.h"
#include "core/texts.h"
#include "evaluation/economics.h"

namespace talp {

// Font sizes (points): the page header, the "input data" / "output data" titles, the rest.
inline constexpr int kReportHeaderSize = 14;
inline constexpr int kReportTitleSize = 12;
inline constexpr int kReportBodySize = 10;

// Placement on the page, in device units of the printer: the left margin and the top of
// the first line. The raised run stands higher by this fraction of the body line height.
inline constexpr int kReportLeftMargin = 460;
inline constexpr int kReportTopY = 60;
inline constexpr double kReportRaise = 0.2;

// A piece of a line. The approximately-equal sign between the pressure drop per metre
// and the pressure drop of the whole pipe is raised to sit between the two numbers.
struct ReportRun {
    std::string text;
    bool raised = false;
};

struct ReportLine {
    int fontSize = kReportBodySize;
    bool centred = false;        // the page header
    std::vector<ReportRun> runs; // none: an empty line

    std::string text() const;  // the runs joined, as a reader sees the line
};

using ReportPage = std::vector<ReportLine>;

struct ProjectReport {
    std::vector<ReportPage> pages;
};

// What a report is made of. `results` and `economics` give page 2; without them (the last
// calculation failed) the report ends after page 1.
struct ReportSource {
    const Project& project;
    std::string projectPath;  // empty for an unnamed project
    Language language = Language::German;
    const SimulationResults* results = nullptr;
    const EconomicsResults* economics = nullptr;
};

ProjectReport projectReport(const ReportSource& source);

}  // namespace talp
