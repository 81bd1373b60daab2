#pragma once

#include <string>

// The per-user folder for this program's settings (for example ~/.config/merowfish), without a
// trailing separator. Not created here.
std::string PerUserSettingsDirectory();

// A folder only this process uses, under the system's temporary directory: made on the first
// call (mode 0700, a name no one can guess or plant beforehand) and removed at exit. Used when the
// settings folder cannot be made or cannot take files. "" when it cannot be made; *why then
// tells the reason.
std::string PrivateTemporaryDirectory(std::string* why = nullptr);

// Removes the private folder now (for ways out that skip the normal exit).
void RemovePrivateTemporaryDirectory();

// The system's temporary directory, or "" when there is none.
std::string TemporaryDirectory();

// True when a file can be created in `dir` (checked by creating and removing one).
bool IsDirectoryWritable(const std::string& dir);
