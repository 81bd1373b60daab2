#include "settings/SettingsFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "settings/StorageDirectory.h"

namespace {
constexpr size_t kReadBufferSize = 128;  // the settings' own values never need more
}

SettingsFile::SettingsFile() : SettingsFile(GetSettingsPath()) {}

std::string SettingsFile::ReadText(const char* section, const char* key) const {
    // Cut as a NUL-terminated buffer of kReadBufferSize bytes would.
    const std::string text = m_batch.Read(section, key).value_or("");
    return text.substr(0, std::min(text.find('\0'), kReadBufferSize - 1));
}

void SettingsFile::Write(const char* section, const char* key, const std::string& value) {
    if (!m_batch.Write(section, key, value.c_str()))
        m_writeFailed = true;
}

void SettingsFile::WriteInt(const char* section, const char* key, long value) {
    Write(section, key, std::to_string(value));
}

void SettingsFile::Commit() {
    if (SettingsReadOnly())
        return;
    if (!m_batch.Commit())
        m_writeFailed = true;
}

void SettingsFile::ReportWriteFailures() const {
    if (!m_writeFailed)
        return;
    if (m_batch.isUtf16()) {
        ShowMessageBox("The settings file \"" + m_path +
                           "\" is saved as UTF-16 text, which the aquarium cannot read.\nThe "
                           "aquarium runs with its default settings and leaves the file as it is; "
                           "save it as UTF-8 to use it.",
                       "");
        return;
    }
    ShowMessageBox("Could not save settings to \"" + m_path +
                       "\".\nThe aquarium runs with these settings, but changes will not be kept.",
                   "");
}

int SettingsAtoi(const std::string& text) {
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
