// The settings file "kelvaro.ini" beside the executable, read and written only
// through the private-profile service. Each operation opens its own access
// to the file and flushes the service's cache when it is done, so that a
// hand edit made meanwhile counts at the next read.
#pragma once

#include <string>

#include "core/geometry.h"
#include "core/settings.h"

namespace launcher {

// The executable's folder, with its trailing backslash. Raises when its name
// holds a character the code page lacks: the program cannot work there.
std::string ExeFolder();
// The settings file's path: ExeFolder() + "kelvaro.ini".
std::string SettingsFilePath();

// The load folder and the switches; where the file, a section or a key is
// missing, the defaults (the load folder's is ExeFolder()).
core::Settings ReadSettings();
// Writes them one key at a time, in the order they are read. A refused write
// raises "<path> に書き込めません" and stops there: the keys before it stay written.
void WriteSettings(const core::Settings& settings);
// The main window's bounds as stored; 0 for each one missing or unreadable.
core::Bounds ReadFormBounds();
// A refused write raises as WriteSettings does.
void WriteFormBounds(const core::Bounds& bounds);

}  // namespace launcher
