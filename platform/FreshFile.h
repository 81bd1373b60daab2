#pragma once

#include <cstdio>
#include <string>

// Creates `path` anew for binary writing, readable and writable by the owner only. Whatever is
// there first is removed (a file or a link, never a folder), and the new file is created
// exclusively without following links, so a link planted at `path` cannot redirect the bytes to
// another file. Null when the file cannot be created.
std::FILE* CreateFreshFile(const std::string& path);
