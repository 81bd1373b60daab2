#pragma once

#include <string>

// The built-in asset round trip: a scrambled embedded resource is written out as
// dir + name + ".ad", unscrambled into dir + name + ".bmp" (".wav" for "Music"), loaded by the
// caller, and both files are deleted again. `dir` ends with a path separator. Both files are
// created fresh, private to the user, never through a link found at their names.

// Writes the resource's bytes to dir + name + ".ad" and unscrambles them. False, writing nothing,
// when no resource has that id.
bool ExtractAsset(int resourceId, const std::string& dir, const std::string& name);

// Turns dir + name + ".ad" into the usable file. Ends the process with status 0 and a message on
// standard output when either file cannot be opened.
void DescrambleAsset(const std::string& dir, const std::string& name);

// Path of the usable file for `name`: ".wav" for exactly "Music", ".bmp" otherwise.
std::string AssetUsablePath(const std::string& dir, const std::string& name);

// Deletes the ".ad" file, then the usable file, ignoring failures.
void DeleteAssetFiles(const std::string& dir, const std::string& name);

// The raw scrambled bytes of an embedded resource; empty when there is none.
std::string AssetResourceBytes(int resourceId);

// Registers the embedded resources (:/rcad/<id>, :/plain/<name>.png) once; the functions that read
// them call it themselves.
void InitAssetResources();
