#include "platform/PrivateProfile.h"

#include <algorithm>
#include <cstring>

#include "platform/AtomicFile.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// Names and values that would read back as something else, or split the file, are refused.
bool IsStorableSection(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && name.find(']') == name.npos;
}

bool IsStorableKey(std::string_view name) {
    return !name.empty() && !HasLineBreak(name) && name.find('=') == name.npos &&
           name.front() != ';' && name.front() != '[';
}

bool IsStorableValue(std::string_view value) {
    return !HasLineBreak(value) && TrimProfileBlanks(value).size() == value.size() &&
           !IsQuotedProfileValue(value);
}

}  // namespace

ProfileBatch::ProfileBatch(std::string path) : m_path(std::move(path)) {
    FileRead file = ReadWholeFile(m_path);
    if (file.status == FileReadStatus::Missing)
        return;
    if (file.status == FileReadStatus::Unreadable) {
        m_state = State::Unreadable;
        return;
    }
    m_text = std::move(file.bytes);
    m_state = IsUtf16Text(m_text) ? State::Utf16 : State::Ok;
    if (m_state == State::Ok) {
        m_byteOrderMark = Utf8ByteOrderMark(m_text);
        m_lines = SplitProfileLines(m_text);
    }
}

std::optional<std::string> ProfileBatch::Read(std::string_view section,
                                              std::string_view key) const {
    section = TrimProfileBlanks(section);
    key = TrimProfileBlanks(key);
    if (section.empty() || key.empty())
        return std::nullopt;
    const size_t found = FindProfileKey(m_lines, FindProfileSection(m_lines, section), key);
    if (found == kNoProfileLine)
        return std::nullopt;
    return std::string(UnquoteProfileValue(m_lines[found].value));
}

void ProfileBatch::Insert(size_t at, std::string content) {
    m_added.push_back(std::move(content));
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   ClassifyProfileLine(m_added.back(), kLineBreak));
    m_changed = true;
}

bool ProfileBatch::Write(const char* section, const char* key, const char* value) {
    if (section == nullptr || key == nullptr || value == nullptr)
        return false;
    const std::string_view sectionName = TrimProfileBlanks(section);
    const std::string_view keyName = TrimProfileBlanks(key);
    if (!IsStorableSection(sectionName) || !IsStorableKey(keyName) || !IsStorableValue(value) ||
        m_state == State::Unreadable || m_state == State::Utf16) {
        return false;
    }
    const ProfileSectionRange range = FindProfileSection(m_lines, sectionName);
    if (range.header == kNoProfileLine) {
        // A new section goes at the end, after a line break of its own.
        if (!m_lines.empty() && m_lines.back().lineBreak.empty())
            m_lines.back().lineBreak = kLineBreak;
        Insert(m_lines.size(), "[" + std::string(sectionName) + "]");
        Insert(m_lines.size(), std::string(keyName) + "=" + value);
        return true;
    }

    const size_t found = FindProfileKey(m_lines, range, keyName);
    if (found != kNoProfileLine) {
        // Rewritten in place with the file's own spelling of the key and its own line break.
        ProfileLine& line = m_lines[found];
        const std::string replacement = std::string(line.name) + "=" + value;
        if (line.content == replacement)
            return true;
        const std::string_view lineBreak = line.lineBreak.empty() ? kLineBreak : line.lineBreak;
        m_added.push_back(replacement);
        line = ClassifyProfileLine(m_added.back(), lineBreak);
        m_changed = true;
        return true;
    }

    // A new key follows the section's last line that is neither blank nor a comment.
    size_t after = range.header;
    for (size_t i = range.header + 1; i < range.end; ++i) {
        if (m_lines[i].kind != ProfileLineKind::Blank &&
            m_lines[i].kind != ProfileLineKind::Comment) {
            after = i;
        }
    }
    if (m_lines[after].lineBreak.empty())
        m_lines[after].lineBreak = kLineBreak;
    Insert(after + 1, std::string(keyName) + "=" + value);
    return true;
}

bool ProfileBatch::Commit() {
    if (!m_changed)
        return true;
    std::string text(m_byteOrderMark);
    text.reserve(m_text.size() + 64 * m_added.size());
    for (const ProfileLine& line : m_lines) {
        text += line.content;
        text += line.lineBreak;
    }
    if (!ReplaceFileAtomically(m_path, text))
        return false;
    m_changed = false;
    return true;
}

std::optional<std::string> ReadProfileValue(const std::string& section, const std::string& key,
                                            const std::string& path) {
    return ProfileBatch(path).Read(section, key);
}

unsigned GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                 char* buffer, unsigned size, const std::string& path) {
    if (buffer == nullptr || size == 0)
        return 0;
    std::optional<std::string> value;
    if (section != nullptr && key != nullptr)
        value = ReadProfileValue(section, key, path);
    if (!value) {
        const std::string_view fallback = defaultValue ? defaultValue : "";
        value = std::string(fallback.substr(0, fallback.find_last_not_of(" \t") + 1));
    }
    const size_t copied = std::min<size_t>(value->size(), size - 1);
    std::memcpy(buffer, value->data(), copied);
    buffer[copied] = '\0';
    return static_cast<unsigned>(copied);
}

bool WritePrivateProfileString(const char* section, const char* key, const char* value,
                               const std::string& path) {
    ProfileBatch batch(path);
    return batch.Write(section, key, value) && batch.Commit();
}
