#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ProfileText.h"

// The settings file's reader and writer, with the private-profile calls' observed behaviour, so
// a file edited by hand reads and updates the way its author expects. Each call opens the file
// by its UTF-8 path, reads or updates it, and closes it; nothing is cached. Section and key names
// are matched without regard to ASCII case, blanks trimmed. A UTF-8 byte-order mark is skipped
// and kept; a UTF-16 file reads as empty and is never written, so its text is never mixed with
// 8-bit lines.

// Reads [section] key from the file at `path`. Copies at most size-1 bytes of the value into
// buffer (always NUL-terminated when size > 0) and returns the number of bytes copied. A missing
// file, section or key (or a null or blank name) copies `defaultValue` (nullptr = "") the same
// way, its trailing blanks trimmed. A present key with an empty value reads as "".
unsigned GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* buffer, unsigned size, const std::string& path);

// The whole value as std::string (no truncation), or std::nullopt when missing.
std::optional<std::string> ReadProfileValue(const std::string& section, const std::string& key,
                                            const std::string& path);

// Writes key=value into [section]: a new file or section is created, a new key goes after the
// section's last non-comment line, an existing key is rewritten in place; every other byte stays.
// The file is replaced atomically. False, with the file left as it was, when it could not be
// written, or when the names or value would not read back as given: null, blank, a line break,
// '=' in a key, ']' in a section, a key starting with ';' or '[', a value with blanks at either
// end or wrapped in one pair of matching quotes.
bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::string& path);

// The reads and writes of one operation on the file (a start-up load, a dialog's save). The file
// is read once, when the batch is made; reads see the writes made so far; Commit puts them all
// into the file in one atomic replace, giving exactly the bytes the same writes made one by one
// with WritePrivateProfileString would give.
class ProfileBatch {
public:
    explicit ProfileBatch(std::string path);
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // False when WritePrivateProfileString would refuse this write; it is then left out.
    bool Write(const char* section, const char* key, const char* value);
    // Replaces the file when a write changed it. False when that failed (the file is untouched).
    bool Commit();
    // True when the file is UTF-16 text, which is neither read nor written.
    bool isUtf16() const { return m_state == State::Utf16; }

private:
    enum class State { Ok, Missing, Unreadable, Utf16 };
    void Insert(size_t at, std::string content);

    std::string m_path;
    State m_state = State::Missing;
    std::string m_text;
    std::string_view m_byteOrderMark;
    std::vector<ProfileLine> m_lines;  // views into m_text or m_added
    std::deque<std::string> m_added;   // lines written by this batch
    bool m_changed = false;
};
