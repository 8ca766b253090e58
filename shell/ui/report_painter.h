#pragma once
// Puts the project report and the picture of a window on paper: a printer chosen in the
// printer dialog or a PDF file.

#include <QFont>
#include <QString>
#include <string_view>

#include "shell/report/project_report.h"

class QImage;
class QPaintDevice;
class QPagedPaintDevice;

namespace talp {

// The report's font at a size in points: a plain sans serif that carries "≈", "³" and "€".
QFont reportFont(int pointSize);

// Draws the report page by page; false when the device could not be opened.
bool drawProjectReport(const ProjectReport& report, QPagedPaintDevice& device);

// The report as an A4 PDF file at 600 dots per inch, the resolution of an office printer,
// so that the report's layout in device units is the one on paper.
bool writeReportPdf(const ProjectReport& report, const QString& file);

// The printer job titles.
inline constexpr std::string_view kReportJobTitle = "Talp Projektdaten";
inline constexpr std::string_view kFormJobTitle = "Talp Formular";

// A window's picture at the top left of the page, scaled to the page.
bool drawFormPicture(const QImage& picture, QPaintDevice& page);

}  // namespace talp
