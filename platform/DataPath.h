#pragma once

#include <QString>

// The running program's file, resolved. Read from the link the kernel keeps for the process,
// as Qt does on Linux, so that it is known before the application object exists; without that
// link, Qt's answer once the application object exists, and an empty text before.
QString RunningExecutablePath();

// The folder of the executable at exePath, without a trailing separator, except that a root
// folder keeps its separator (so paths under it hold two separators in a row, which the file
// system reads as one).
QString AppDirOf(const QString& exePath);

// The full path of a data file: appDir + "/data/" + fileName, joined as text.
QString DataPath(const QString& appDir, const QString& fileName);
