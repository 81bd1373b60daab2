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

// Writes `bytes` to a new temporary file beside `path`, syncs it and renames it over `path`, so a
// crash leaves either the old file or the new one, never a torn one. A link is followed to its
// target. An existing file keeps its exact permission bits, its owner and, where the system
// allows, its group. False, with nothing changed and no temporary left behind, when any step
// fails: among others when the file or its folder has no write permission bit (even for root),
// or when the owner could not be kept.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// Removes the temporaries beside `path` (or beside the target it links to) that a writer killed
// mid-replace left behind. They are named ".<file name>.<writer's pid>.<n>.tmp"; one is removed
// only when no process with that pid runs, or when the pid is this process's own (this process
// has no replace in progress while it cleans up).
void RemoveOrphanedTemporaries(const std::string& path);
