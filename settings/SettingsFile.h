#pragma once

#include <string>

#include "platform/PrivateProfile.h"

// One load or save of the settings file. The file is read once when this is made; reads see it
// as this operation's writes so far leave it; Commit puts every write into the file in one
// replace. What could not be saved is remembered, so the caller can say so once.
class SettingsFile {
public:
    // Opens the file at the storage directory's settings path.
    SettingsFile();
    explicit SettingsFile(const std::string& path) : m_path(path), m_batch(path) {}

    // The key's text as a 128-byte read gives it, "" when missing or empty (the two count the
    // same).
    std::string ReadText(const char* section, const char* key) const;
    void Write(const char* section, const char* key, const std::string& value);
    void WriteInt(const char* section, const char* key, long value);
    // Writes everything so far to the file in one replace.
    void Commit();

    const std::string& path() const { return m_path; }
    bool anyWriteFailed() const { return m_writeFailed; }
    // Shows one message naming the file, and why, when a write failed since construction.
    void ReportWriteFailures() const;

private:
    std::string m_path;
    ProfileBatch m_batch;
    bool m_writeFailed = false;
};

// atoi of a settings text: leading blanks, a sign, digits; the rest ignored; 0 when none.
// Values beyond the int range are clamped instead of overflowing.
int SettingsAtoi(const std::string& text);
