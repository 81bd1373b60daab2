#include "support/WindowSearch.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// One run of the search; false when an X error cut it short.
bool SearchOnce(const std::string& criteria, std::vector<unsigned long>& found) {
    found.clear();
    std::FILE* out = popen(("xdotool search " + criteria + " 2>&1").c_str(), "r");
    if (!out)
        return false;
    bool whole = true;
    char line[512];
    while (std::fgets(line, sizeof line, out)) {
        char* end = nullptr;
        const unsigned long id = std::strtoul(line, &end, 10);
        if (end != line && (*end == '\n' || *end == '\0'))
            found.push_back(id);
        else if (std::strstr(line, "X Error"))
            whole = false;
    }
    pclose(out);  // 1 both when nothing matched and after an X error
    return whole;
}

}  // namespace

std::vector<unsigned long> SearchWindows(const std::string& criteria) {
    std::vector<unsigned long> found;
    for (int tries = 0; tries < 50 && !SearchOnce(criteria, found); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return found;
}

std::vector<unsigned long> WaitForWindows(const std::string& criteria, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<unsigned long> found = SearchWindows(criteria);
    while (found.empty() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        found = SearchWindows(criteria);
    }
    return found;
}

std::string WaitForWindow(const std::string& criteria, int timeoutMs) {
    const std::vector<unsigned long> found = WaitForWindows(criteria, timeoutMs);
    return found.empty() ? std::string() : std::to_string(found.front());
}
