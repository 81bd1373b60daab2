#pragma once

#include <string>
#include <vector>

// `xdotool search` on a display other tests share. xdotool looks at every window on the screen and
// dies of an X error when one of them goes away part way, as another test's windows keep doing;
// these ask again until they get a whole answer.

// The windows `xdotool search <criteria>` matches now (criteria as xdotool takes them, quoted
// for the shell).
std::vector<unsigned long> SearchWindows(const std::string& criteria);

// The windows it matches once there is at least one; none after timeoutMs.
std::vector<unsigned long> WaitForWindows(const std::string& criteria, int timeoutMs = 30000);

// The first window WaitForWindows finds, as xdotool takes it; empty when there is none.
std::string WaitForWindow(const std::string& criteria, int timeoutMs = 30000);
