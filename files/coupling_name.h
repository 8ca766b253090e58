#pragma once
// How a project file names its coupled hourly files. The record holds a name in 100
// characters; a longer path is kept relative to the project file's folder when that makes it
// fit ("./Wetter/try2015.dat", "../Daten/lueftung.txt"), and such a name is turned back
// into the full path when the project is loaded. In memory a coupling holds the full path.

#include <filesystem>
#include <optional>
#include <string>

#include "core/texts.h"

namespace talp {

inline constexpr std::size_t kCouplingNameCapacity = 100;

inline constexpr Text kCouplingNameTooLong{
    "Der Pfad der Datei ist länger als die 100 Zeichen, die eine Projektdatei aufnehmen kann. Bitte legen Sie "
    "die Datei in einen Ordner mit kürzerem Pfad oder speichern Sie das Projekt in der Nähe der Datei.",
    "The file's path is longer than the 100 characters a project file can hold. Please move the file to a "
    "folder with a shorter path, or save the project near the file."};

// The name as a project file in `projectFolder` stores it: as it is when it fits, else
// relative to the project's folder; nothing when neither fits (or the project has no folder
// yet and the name is too long).
std::optional<std::string> storedCouplingName(const std::string& name, const std::filesystem::path& projectFolder);

// A stored name as a path on this machine: a name relative to the project file's folder
// becomes the full path; every other name stays as it is.
std::string loadedCouplingName(const std::string& stored, const std::filesystem::path& projectFolder);

}  // namespace talp
