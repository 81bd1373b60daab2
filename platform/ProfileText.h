#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// The line structure of an INI text as the private-profile calls see it. Pure text work on
// bytes, no files: both the reader and the writer of the settings file use it.

enum class ProfileLineKind { Blank, Comment, Section, Key, Other };

struct ProfileLine {
    std::string_view content;    // the line without its line break
    std::string_view lineBreak;  // "\r\n", "\n", "\r", or "" on a last line without one
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

// A leading UTF-8 byte-order mark, or "": it belongs to no line, so it is skipped when reading
// and kept in front when writing.
std::string_view Utf8ByteOrderMark(std::string_view text);

// True when the text starts with a UTF-16 byte-order mark (FF FE or FE FF).
bool IsUtf16Text(std::string_view text);

// One line's kind, name and value. Views point into `content`.
ProfileLine ClassifyProfileLine(std::string_view content, std::string_view lineBreak);

// Splits the text after any UTF-8 byte-order mark at CRLF, LF and bare CR, and classifies every
// line. Views point into `text`.
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

// True when the value is wrapped in one pair of matching ' or ".
bool IsQuotedProfileValue(std::string_view value);

// One outer pair of matching ' or " removed; anything else as it is.
std::string_view UnquoteProfileValue(std::string_view value);

// Names compare without regard to ASCII case; other bytes must match exactly.
bool ProfileNamesEqual(std::string_view a, std::string_view b);
