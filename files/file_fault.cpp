#include "files/file_fault.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace talp {

namespace {

using Kind = FileFault::Kind;

struct KindTexts {
    Kind kind;
    Text headline;
    const char* technical;  // followed by the path
};

constexpr std::array kKinds{
    KindTexts{Kind::CannotRead, {"Die Datei kann nicht gelesen werden:", "The file cannot be read:"}, "cannot read"},
    KindTexts{Kind::NoProjectRecord,
              {"Die Datei ist keine TALP-Projektdatei oder sie ist beschädigt:",
               "The file is no TALP project file, or it is damaged:"},
              "no sound project record in"},
    KindTexts{Kind::OldVersionReadOnly,
              {"Die Datei einer älteren TALP-Version kann auf ihrem Datenträger nicht umgestellt werden:",
               "The file of an older TALP version cannot be upgraded where it lies:"},
              "could not upgrade"},
    KindTexts{Kind::ReadOnly, {"Die Datei ist schreibgeschützt:", "The file is read-only:"}, "the file is read-only:"},
    KindTexts{Kind::FolderNotWritable,
              {"In diesen Ordner kann nicht geschrieben werden:", "This folder cannot be written to:"},
              "the folder cannot be written:"},
    KindTexts{Kind::CannotWrite, {"Die Datei kann nicht geschrieben werden:", "The file cannot be written:"}, "cannot write"},
    KindTexts{Kind::CouplingPathTooLong,
              {"Der Pfad einer gekoppelten Datei ist auch vom Ordner der Projektdatei aus länger als die 100 "
               "Zeichen, die eine Projektdatei aufnehmen kann:",
               "The path of a coupled file is longer than the 100 characters a project file can hold, also "
               "from the project file's folder:"},
              "a coupled file's path is longer than the 100 characters a project file can hold, also relative to"},
    KindTexts{Kind::NoVariantSet,
              {"Die Datei ist keine TALP-Variantendatei oder sie ist beschädigt:",
               "The file is no TALP variant file, or it is damaged:"},
              "no sound variant set in"},
};

const KindTexts& textsOf(Kind kind)
{
    for (const KindTexts& k : kKinds)
        if (k.kind == kind) return k;
    return kKinds.front();
}

// The causes a planner can do something about, in words; any other in the system's own.
struct Cause {
    int error;
    Text text;
};
constexpr std::array kCauses{
    Cause{ENOSPC, {"Der Datenträger ist voll.", "The disk is full."}},
    Cause{EDQUOT, {"Der zugeteilte Speicherplatz ist erschöpft.", "The disk quota is used up."}},
    Cause{EACCES, {"Dafür fehlt die Berechtigung.", "Permission denied."}},
    Cause{EPERM, {"Dafür fehlt die Berechtigung.", "Permission denied."}},
    Cause{EROFS, {"Der Datenträger ist schreibgeschützt.", "The medium is read-only."}},
    Cause{ENOENT, {"Der Ordner oder die Datei existiert nicht.", "The folder or the file does not exist."}},
    Cause{EIO, {"Der Datenträger meldet einen Fehler.", "The medium reports an error."}},
};

}  // namespace

std::string FileFault::message(Language language) const
{
    std::string text = std::string(textsOf(kind).headline.in(language)) + "\n" + path.string();
    if (kind == Kind::CouplingPathTooLong) text += "\n" + detail;
    if (kind == Kind::OldVersionReadOnly && !detail.empty()) text += " (" + detail + ")";
    if (systemError != 0) {
        const auto cause = std::find_if(kCauses.begin(), kCauses.end(), [&](const Cause& c) { return c.error == systemError; });
        text += "\n" + (cause != kCauses.end() ? std::string(cause->text.in(language)) : std::string(std::strerror(systemError)));
    }
    return text;
}

std::string FileFault::technical() const
{
    std::string line = std::string(textsOf(kind).technical) + " " + path.string();
    if (!detail.empty()) line += ": " + detail;
    if (systemError != 0) line += ": " + std::string(std::strerror(systemError));
    return line;
}

}  // namespace talp
