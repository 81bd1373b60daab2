#pragma once

#include <QString>

// The file: address of the program's own help page: next to the executable in a build tree, or
// in the installed data folder beside it. When neither exists, the build tree's place, so that
// opening it reports the missing file.
QString HelpPageUrl();
