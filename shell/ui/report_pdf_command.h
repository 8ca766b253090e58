#pragma once
// `talp --report-pdf OUT.pdf [PROJECT.tlp]`: writes the project report of a project file,
// or of the presets, to a PDF file without showing a window, for scripts and for machines
// without a printer or a display.

namespace talp {

bool isReportPdfCommand(int argc, char** argv);
// Runs the command; the program's exit code (0 written, 1 failed, 2 wrong arguments).
int runReportPdfCommand(int argc, char** argv);

}  // namespace talp
