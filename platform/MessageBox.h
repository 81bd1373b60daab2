#pragma once

#include <string>
#include <vector>

// A modal message with an OK button. The caption defaults to the application's name.
// Without a widget application, or while captured, nothing blocks: the message is recorded
// (and written to standard error), so tests and headless runs never hang on a box.
void ShowMessageBox(const std::string& text, const std::string& caption = "");

// True when a box would really be shown (a widget application, MEROW_NO_MESSAGEBOX unset, and
// boxes not turned off).
bool CanShowMessageBoxes();

// Screensaver mode: no box ever opens over the screensaver; messages go to standard error.
void TurnOffMessageBoxes();

struct ShownMessage {
    std::string text;
    std::string caption;
};

// Tests: collect every message instead of showing it; nullptr restores showing.
void CaptureMessageBoxes(std::vector<ShownMessage>* sink);

extern const char* const kAppName;  // "MerowFishScr"
