#pragma once

#include <string>

// Key-by-key access to the settings file, read fresh every time (nothing is cached).
// Failed writes are remembered so the caller can say once what could not be saved.
class SettingsFile {
public:
    // Opens the file at the storage directory's settings path.
    SettingsFile();
    explicit SettingsFile(std::string path) : m_path(std::move(path)) {}

    // The key's text, "" when missing or empty (the two count the same).
    std::string ReadText(const char* section, const char* key) const;
    void Write(const char* section, const char* key, const std::string& value);
    void WriteInt(const char* section, const char* key, long value);

    const std::string& path() const { return m_path; }
    bool anyWriteFailed() const { return m_writeFailed; }
    // Shows one message naming the file when a write failed since construction.
    void ReportWriteFailures() const;

private:
    std::string m_path;
    bool m_writeFailed = false;
};

// atoi of a settings text: leading blanks, a sign, digits; the rest ignored; 0 when none.
// Values beyond the int range are clamped instead of overflowing.
int SettingsAtoi(const std::string& text);
