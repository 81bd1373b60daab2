#pragma once

#include <string>

class QScreen;

// The screen for the full-screen tank: screen `index` of the list --help shows, or, for a
// negative index, the one under the pointer, else the primary. Null when there is no such screen.
QScreen* ChooseScreen(int index);

// The screens as --help lists them, numbered as --screen takes them: one line each with name,
// size and place in desktop units, the primary marked.
std::string ScreenListText();
