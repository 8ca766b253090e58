#pragma once
// What the export commands share: the project with the file it came from, and the
// language of the texts.

#include <filesystem>

#include "cli/arguments.h"
#include "core/project.h"
#include "core/texts.h"

namespace talp::cli {

struct ExportSource {
    Project project;
    std::filesystem::path projectFile;  // empty when the project came from the defaults
    std::filesystem::path output;       // the one positional argument left
};

// The project of the arguments (a project file argument, when given, is consumed by the
// project source and names the project in the file's header) and the output file.
ExportSource exportSource(Arguments& args, const char* outputName);

// --lang de|en, German when absent.
Language exportLanguage(const Arguments& args);

}  // namespace talp::cli
