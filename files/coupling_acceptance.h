#pragma once
// Accepting an hourly data file for a coupling: the OK action of the coupling dialog,
// without the dialog. The format is parsed, the whole file checked, and only a file that
// passes replaces the coupling's settings; an accepted climate file also sets the sine
// model's parameters from its monthly means.

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

CouplingAcceptance acceptCoupling(Project& project, CouplingKind kind, const CouplingChoice& choice,
                                  const Installation* installation);

}  // namespace talp
