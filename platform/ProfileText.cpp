#include "platform/ProfileText.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

void Classify(std::string_view content, ProfileLine& line) {
    const std::string_view text = TrimProfileBlanks(content);
    if (text.empty()) {
        line.kind = ProfileLineKind::Blank;
        return;
    }
    if (text.front() == ';') {
        line.kind = ProfileLineKind::Comment;
        return;
    }
    if (text.front() == '[') {
        // The header ends at its first ']'; whatever follows on the line is ignored.
        const size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLineKind::Section;
            line.name = TrimProfileBlanks(text.substr(1, close - 1));
            return;
        }
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        line.kind = ProfileLineKind::Other;
        return;
    }
    line.kind = ProfileLineKind::Key;
    line.name = TrimProfileBlanks(text.substr(0, equals));
    line.value = TrimProfileBlanks(text.substr(equals + 1));
}

}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view UnquoteProfileValue(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool ProfileNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

std::vector<ProfileLine> SplitProfileLines(std::string_view text) {
    std::vector<ProfileLine> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        ProfileLine line;
        line.begin = pos;
        const size_t brk = text.find_first_of("\r\n", pos);
        line.contentEnd = brk == std::string_view::npos ? text.size() : brk;
        line.end = line.contentEnd;
        if (line.end < text.size()) {
            const bool crlf =
                text[line.end] == '\r' && line.end + 1 < text.size() && text[line.end + 1] == '\n';
            line.end += crlf ? 2 : 1;
        }
        Classify(text.substr(line.begin, line.contentEnd - line.begin), line);
        lines.push_back(line);
        pos = line.end;
    }
    return lines;
}

ProfileSectionRange FindProfileSection(const std::vector<ProfileLine>& lines,
                                       std::string_view name) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != ProfileLineKind::Section || !ProfileNamesEqual(lines[i].name, name)) {
            continue;
        }
        size_t end = i + 1;
        while (end < lines.size() && lines[end].kind != ProfileLineKind::Section)
            ++end;
        return {i, end};
    }
    return {kNoProfileLine, kNoProfileLine};
}

size_t FindProfileKey(const std::vector<ProfileLine>& lines, ProfileSectionRange section,
                      std::string_view name) {
    if (section.header == kNoProfileLine)
        return kNoProfileLine;
    for (size_t i = section.header + 1; i < section.end; ++i) {
        if (lines[i].kind == ProfileLineKind::Key && ProfileNamesEqual(lines[i].name, name)) {
            return i;
        }
    }
    return kNoProfileLine;
}
