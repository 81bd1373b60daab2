#include "platform/ProfileText.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string_view Utf8ByteOrderMark(std::string_view text) {
    return text.substr(0, 3) == kUtf8Bom ? kUtf8Bom : std::string_view();
}

bool IsUtf16Text(std::string_view text) {
    return text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF";
}

ProfileLine ClassifyProfileLine(std::string_view content, std::string_view lineBreak) {
    ProfileLine line;
    line.content = content;
    line.lineBreak = lineBreak;
    const std::string_view text = TrimProfileBlanks(content);
    if (text.empty()) {
        line.kind = ProfileLineKind::Blank;
        return line;
    }
    if (text.front() == ';') {
        line.kind = ProfileLineKind::Comment;
        return line;
    }
    if (text.front() == '[') {
        // The header ends at its first ']'; whatever follows on the line is ignored.
        const size_t close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = ProfileLineKind::Section;
            line.name = TrimProfileBlanks(text.substr(1, close - 1));
            return line;
        }
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        line.kind = ProfileLineKind::Other;
        return line;
    }
    line.kind = ProfileLineKind::Key;
    line.name = TrimProfileBlanks(text.substr(0, equals));
    line.value = TrimProfileBlanks(text.substr(equals + 1));
    return line;
}

std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsQuotedProfileValue(std::string_view value) {
    return value.size() >= 2 && value.front() == value.back() &&
           (value.front() == '"' || value.front() == '\'');
}

std::string_view UnquoteProfileValue(std::string_view value) {
    return IsQuotedProfileValue(value) ? value.substr(1, value.size() - 2) : value;
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
    size_t pos = Utf8ByteOrderMark(text).size();
    while (pos < text.size()) {
        size_t contentEnd = text.find_first_of("\r\n", pos);
        if (contentEnd == std::string_view::npos)
            contentEnd = text.size();
        size_t end = contentEnd;
        if (end < text.size())
            end += text.compare(end, 2, "\r\n") == 0 ? 2 : 1;
        lines.push_back(ClassifyProfileLine(text.substr(pos, contentEnd - pos),
                                            text.substr(contentEnd, end - contentEnd)));
        pos = end;
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
