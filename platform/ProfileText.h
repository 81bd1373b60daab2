#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The line structure of an INI text as the classic private-profile calls see it. Pure text work
// on bytes, no files: both the reader and the writer of the settings file use it.

enum class ProfileLineKind { Blank, Comment, Section, Key, Other };

struct ProfileLine {
    size_t begin = 0;       // first byte of the line
    size_t contentEnd = 0;  // first byte of its line break, or the end of the text
    size_t end = 0;         // first byte after its line break
    ProfileLineKind kind = ProfileLineKind::Other;
    std::string_view name;   // section or key name, blanks trimmed
    std::string_view value;  // key value, blanks trimmed, quotes kept
};

// Where a section's lines lie: its header's index and one past its last line.
struct ProfileSectionRange {
    size_t header;
    size_t end;
};

constexpr size_t kNoProfileLine = static_cast<size_t>(-1);

// Splits at CRLF, LF and bare CR, and classifies every line. Views point into `text`.
std::vector<ProfileLine> SplitProfileLines(std::string_view text);

// The first section of that name (header == kNoProfileLine when there is none). Lines before the
// first header belong to no section and are never found.
ProfileSectionRange FindProfileSection(const std::vector<ProfileLine>& lines,
                                       std::string_view name);

// The first key of that name within the section, or kNoProfileLine.
size_t FindProfileKey(const std::vector<ProfileLine>& lines, ProfileSectionRange section,
                      std::string_view name);

// Spaces and tabs off both ends.
std::string_view TrimProfileBlanks(std::string_view text);

// One outer pair of matching ' or " removed; anything else as it is.
std::string_view UnquoteProfileValue(std::string_view value);

// Names compare without regard to ASCII case; other bytes must match exactly.
bool ProfileNamesEqual(std::string_view a, std::string_view b);
