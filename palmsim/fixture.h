// Making a Palm Desktop of the stand-in: a folder with its libraries,
// conduits, HOTSYNC.EXE and state file, named in the registry.
#pragma once

#include <string>

namespace palmsim {

enum class DesktopKind {
    Demo,   // three users (one a profile), the usual conduits, a few chosen actions
    Empty,  // the libraries and conduits, no users and no conduits installed
};

// The folder of the built stand-in: "palmsim\" beside the running program.
std::string StandInFolder();

// Creates `directory` (when needed), copies the stand-in's binaries into it
// and writes a new state file. Returns false when a step fails.
bool CreatePalmDesktop(const std::string& directory, DesktopKind kind);

// Copies one binary of the stand-in (for example "variants\no-profile\UserData.dll")
// into `directory` under `fileName`.
bool InstallStandInFile(const std::string& directory, const std::string& source, const std::string& fileName);

// Sets or removes HKCU\Software\U.S. Robotics\Pilot Desktop\Core, value DesktopPath.
bool RegisterDesktopPath(const std::string& directory);
void UnregisterDesktopPath();

}  // namespace palmsim
