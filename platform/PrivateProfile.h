#pragma once

#include <optional>
#include <string>

// The settings file's reader and writer, keeping the classic private-profile calls' observed
// behaviour so a file edited by hand or written by the old program reads and updates the same.
// Each call opens the file by its UTF-8 path, reads or updates it, and closes it; nothing is
// cached. Section and key names are matched without regard to ASCII case, blanks trimmed.

// Reads [section] key from the file at `path`. Copies at most size-1 bytes of the value into
// buffer (always NUL-terminated when size > 0) and returns the number of bytes copied. A missing
// file, section or key (or a null or blank name) copies `defaultValue` (nullptr = "") the same
// way. A present key with an empty value reads as "", not as the default.
unsigned GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* buffer, unsigned size, const std::string& path);

// The whole value as std::string (no truncation), or std::nullopt when missing.
std::optional<std::string> ReadProfileValue(const std::string& section, const std::string& key,
                                            const std::string& path);

// Writes key=value into [section]: a new file or section is created, a new key goes after the
// section's last non-comment line, an existing key is rewritten in place; every other byte stays.
// The file is replaced atomically. False when the file could not be written, or when the names
// or value could not be stored as given (null, blank, a line break, '=' in a key, ']' in a
// section, a key starting with ';' or '['); the file is then left as it was.
bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::string& path);
