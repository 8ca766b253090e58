#pragma once
// Accepting an hourly data file for a coupling: the OK action of the coupling dialog,
// without the dialog. The format is parsed, the whole file checked, and only a file that
// passes replaces the coupling's settings; an accepted climate file also sets the sine
// model's parameters from its monthly means.

#include <filesystem>
#include <optional>
#include <string>

#include "core/installation.h"
#include "core/project.h"
#include "files/hourly_file.h"

namespace talp {

enum class CouplingKind { Climate, Building };  // letters "A" / "VSP"

struct CouplingChoice {
    std::string fileName = "keine";
    std::string format;
    int headerLines = 4;
};

struct CouplingAcceptance {
    enum class Result {
        Accepted,      // the dialog closes with OK
        SyntaxError,   // the format does not parse: the dialog closes as cancelled and the
                       // coupling is no longer valid
        FileRejected,  // the file check failed: the dialog stays open with the message
    } result = Result::Accepted;
    HourlyFileCheck check;  // the file check's message when rejected

    bool accepted() const { return result == Result::Accepted; }
};

// The settings the dialog opens with: the building record, or for a climate file the
// last accepted one.
CouplingChoice couplingChoiceOf(const Project& project, CouplingKind kind);

// `projectFolder` is the folder of the project's file (empty for an unnamed project): a path
// too long for the project file is accepted when it fits relative to that folder.
CouplingAcceptance acceptCoupling(Project& project, CouplingKind kind, const CouplingChoice& choice,
                                  const Installation* installation, const std::filesystem::path& projectFolder = {});

}  // namespace talp

namespace talp {

// A coupled file of a loaded project that was not accepted again.
struct CouplingRefusal {
    CouplingKind kind;
    CouplingAcceptance acceptance;
    // The dialog's message: the format's syntax error or the file check's warning.
    std::string text(Language language) const;
};

// Accepts the coupled files of a freshly loaded project again, as the coupling dialog's
// re-import timer confirms them when the project is opened: the climate file with the
// last accepted settings (its sine parameters are derived anew), the building file with
// its own. The first refusal is returned; the windows would leave its dialog open.
std::optional<CouplingRefusal> reacceptLoadedCouplings(Project& project, bool climateFile, bool buildingFile,
                                                       const Installation* installation,
                                                       const std::filesystem::path& projectFolder = {});

}  // namespace talp
