#include "platform/PrivateProfile.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/ProfileText.h"

namespace {

const char kLineBreak[] = "\r\n";

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// Names that would read back as something else, or split the file, are refused.
bool IsStorableSection(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && name.find(']') == name.npos;
}

bool IsStorableKey(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && name.find('=') == name.npos &&
           name.front() != ';' && name.front() != '[';
}

bool EndsWithLineBreak(const std::string& text) {
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

std::string KeyLine(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    line += value;
    return line;
}

// The text with [section] key=value put in its place, or nullopt when it is already there.
std::optional<std::string> UpdatedProfileText(const std::string& text, std::string_view section,
                                              std::string_view key, std::string_view value) {
    const std::vector<ProfileLine> lines = SplitProfileLines(text);
    const ProfileSectionRange range = FindProfileSection(lines, section);
    if (range.header == kNoProfileLine) {
        std::string updated = text;
        if (!updated.empty() && !EndsWithLineBreak(updated))
            updated += kLineBreak;
        updated += '[';
        updated += section;
        updated += ']';
        updated += kLineBreak;
        return updated + KeyLine(key, value) + kLineBreak;
    }

    const size_t found = FindProfileKey(lines, range, key);
    if (found != kNoProfileLine) {
        // Rewritten in place with the file's own spelling of the key and its own line break.
        const ProfileLine& line = lines[found];
        const std::string replacement = KeyLine(line.name, value);
        if (text.compare(line.begin, line.contentEnd - line.begin, replacement) == 0) {
            return std::nullopt;
        }
        const bool hasBreak = line.end > line.contentEnd;
        return text.substr(0, line.begin) + replacement +
               (hasBreak ? text.substr(line.contentEnd, line.end - line.contentEnd)
                         : std::string(kLineBreak)) +
               text.substr(line.end);
    }

    // A new key follows the section's last line that is neither blank nor a comment.
    size_t after = range.header;
    for (size_t i = range.header + 1; i < range.end; ++i) {
        if (lines[i].kind != ProfileLineKind::Blank && lines[i].kind != ProfileLineKind::Comment) {
            after = i;
        }
    }
    const ProfileLine& anchor = lines[after];
    std::string updated = text.substr(0, anchor.end);
    if (anchor.end == anchor.contentEnd)
        updated += kLineBreak;
    return updated + KeyLine(key, value) + kLineBreak + text.substr(anchor.end);
}

}  // namespace

std::optional<std::string> ReadProfileValue(const std::string& section, const std::string& key,
                                            const std::string& path) {
    const std::string_view sectionName = TrimProfileBlanks(section);
    const std::string_view keyName = TrimProfileBlanks(key);
    if (sectionName.empty() || keyName.empty())
        return std::nullopt;
    const FileRead file = ReadWholeFile(path);
    if (file.status != FileReadStatus::Ok)
        return std::nullopt;
    const std::vector<ProfileLine> lines = SplitProfileLines(file.bytes);
    const size_t found = FindProfileKey(lines, FindProfileSection(lines, sectionName), keyName);
    if (found == kNoProfileLine)
        return std::nullopt;
    return std::string(UnquoteProfileValue(lines[found].value));
}

unsigned GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* buffer, unsigned size, const std::string& path) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::optional<std::string> value;
    if (section != nullptr && key != nullptr)
        value = ReadProfileValue(section, key, path);
    const std::string text = value ? *value : std::string(defaultValue ? defaultValue : "");
    const size_t copied = std::min<size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<unsigned>(copied);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::string& path) {
    if (section == nullptr || key == nullptr || value == nullptr)
        return false;
    const std::string_view sectionName = TrimProfileBlanks(section);
    const std::string_view keyName = TrimProfileBlanks(key);
    if (!IsStorableSection(sectionName) || !IsStorableKey(keyName) || HasLineBreak(value)) {
        return false;
    }
    const FileRead file = ReadWholeFile(path);
    if (file.status == FileReadStatus::Unreadable)
        return false;
    const std::optional<std::string> updated =
        UpdatedProfileText(file.bytes, sectionName, keyName, value);
    if (!updated)
        return true;
    return ReplaceFileAtomically(path, *updated);
}
