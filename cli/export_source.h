#pragma once
// What the export commands share: the project with the file it came from, the output file
// and the language of the texts.

#include <filesystem>
#include <string>

#include "cli/project_source.h"
#include "core/texts.h"

namespace talp::cli {

struct ExportArguments {
    ProjectArguments project;  // a project file names the project in the file's header
    std::string output;
    std::string language = "de";
};

// Declares [PROJECT.tlp] [name=value ...] OUTPUT [--lang de|en]; `output` is the output
// file's placeholder in the usage ("OUT.tpj").
void addExportArguments(CLI::App& command, ExportArguments& arguments, const char* output);

Language exportLanguage(const ExportArguments& arguments);

}  // namespace talp::cli
