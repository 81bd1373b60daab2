#pragma once

#include <QString>

// Writes every generated file under outDir (which must exist, with a "plain" folder).
// Returns "" on success, else the first file that could not be written.
QString WriteAssetSet(const QString& outDir);
