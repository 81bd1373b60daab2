#pragma once

#include <string>

// Whole-file reads and crash-safe whole-file replacement, by UTF-8 path.

enum class FileReadStatus { Ok, Missing, Unreadable };

struct FileRead {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
};

// Reads the whole regular file at `path`. Missing: nothing is there. Unreadable: something is
// there (a directory, a file we may not read, an I/O error) that must not be overwritten blindly.
FileRead ReadWholeFile(const std::string& path);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a crash leaves
// either the old file or the new one, never a torn one. A link is followed to its target; an
// existing file keeps its permissions. False, with nothing changed and no temporary file left
// behind, when any step fails (including an existing file that may not be written).
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);
