#include "settings/SettingsFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/MessageBox.h"
#include "platform/PrivateProfile.h"
#include "settings/StorageDirectory.h"

SettingsFile::SettingsFile() : m_path(GetSettingsPath()) {}

std::string SettingsFile::ReadText(const char* section, const char* key) const {
    char buffer[128];  // the settings' own values never need more
    GetPrivateProfileString(section, key, nullptr, buffer, sizeof buffer, m_path);
    return buffer;
}

void SettingsFile::Write(const char* section, const char* key, const std::string& value) {
    if (!WritePrivateProfileString(section, key, value.c_str(), m_path))
        m_writeFailed = true;
}

void SettingsFile::WriteInt(const char* section, const char* key, long value) {
    Write(section, key, std::to_string(value));
}

void SettingsFile::ReportWriteFailures() const {
    if (!m_writeFailed)
        return;
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
