#pragma once
// Why a project file could not be read or written: what the planner is told in the program's
// language (the headline, the file, the cause), and one technical line for logs and
// talp-cli.

#include <filesystem>
#include <ostream>
#include <string>

#include "core/texts.h"

namespace talp {

struct FileFault {
    enum class Kind {
        CannotRead,           // missing, unreadable, or not a regular file
        NoProjectRecord,      // shorter than a record, or a record that is no sound project
        OldVersionReadOnly,   // an older version that could not be upgraded on its medium
        ReadOnly,             // the file carries no write permission
        FolderNotWritable,    // a new file in a folder that cannot be written
        CannotWrite,          // writing failed (disk full, medium gone, ...)
        CouplingPathTooLong,  // a coupled file's path does not fit the record
        NoVariantSet,         // not a variant set of TALP, or one that is damaged
    };

    Kind kind = Kind::CannotRead;
    std::filesystem::path path;
    int systemError = 0;  // errno of the call that failed, 0 when none did
    std::string detail;   // the old version's tag, the coupled file's path, the record's or variant set's fault

    // "Die Datei kann nicht geschrieben werden:\n/projekte/haus.tlp\nDer Datenträger ist voll."
    std::string message(Language language) const;
    // "cannot write /projekte/haus.tlp: No space left on device"
    std::string technical() const;
};

inline std::ostream& operator<<(std::ostream& out, const FileFault& fault) { return out << fault.technical(); }

}  // namespace talp
