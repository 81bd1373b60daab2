#pragma once

#include <string>

// The per-user directory that holds the settings file and the briefly extracted built-in assets,
// with a trailing separator. Created when missing. Overridden by --storage-dir or the
// MEROW_STORAGE_DIR environment variable. When it cannot be made, says so once and returns this
// process's private temporary folder instead ("" when even that cannot be made).
std::string GetStorageDirectory();

// Where the built-in assets are briefly written out: the storage directory, or, when it cannot
// take files, this process's private temporary folder, so a read-only settings folder never stops
// the tank.
std::string GetAssetDirectory(const std::string& storageDir);

// Path of the settings file inside the storage directory.
std::string GetSettingsPath();

// Set by the command line's --storage-dir; wins over the environment.
void SetStorageDirectoryOverride(const std::string& dir);

// Screensaver mode: the settings are read, never written. The storage directory is not created,
// writes of the settings file are dropped (what was read stays in memory), and the built-in assets
// are unpacked in this process's private temporary folder, apart from other running aquariums.
void SetSettingsReadOnly(bool readOnly);
bool SettingsReadOnly();
