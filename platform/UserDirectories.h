#pragma once

#include <string>

// The per-user folder for this program's settings (for example ~/.config/merowfish), without a
// trailing separator. Not created here.
std::string PerUserSettingsDirectory();

// A per-user folder under the system's temporary directory, used when the settings folder cannot
// be made. Not created here.
std::string FallbackTemporaryDirectory();

// The system's temporary directory, or "" when there is none.
std::string TemporaryDirectory();

// True when a file can be created in `dir` (checked by creating and removing one).
bool IsDirectoryWritable(const std::string& dir);
