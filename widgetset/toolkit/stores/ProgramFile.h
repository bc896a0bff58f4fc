// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QString>

namespace TarvoWidgets {

/// Where a file that a program names without a folder (a history box's bare SaveFileName) is
/// kept. Its place is the program's folder, beside the executable. A program installed where
/// its user may not write (under /usr or /opt, run by a user) would fail every save there and
/// lose what the user typed, so the same name in the user's folder for the program takes its
/// place (ProgramConfigFolder, a folder named after the program in $XDG_CONFIG_HOME):
/// - reading finds the user's copy, or the program folder's file while there is no copy yet;
/// - writing goes to the user's copy, which starts as a copy of the program folder's file, so
///   that every section kept there (another box's history) is still found after the first save.
/// The program folder's file itself is never written then.
class TARVOWIDGETS_EXPORT TProgramFile {
public:
    /// What the rule goes by.
    struct TARVOWIDGETS_EXPORT TPlaces {
        QString ProgramFolder;
        bool ProgramFolderWritable = true;
        /// Used only when the program folder is not writable.
        QString UserFolder;
    };

    /// The running program's places: its executable's folder, whether this user may write in
    /// it, and, where not, ProgramConfigFolder() (which raises its error for a relative one).
    static TPlaces Current();

    /// The file to read the bare file name from.
    static QString ForReading(const QString& name, const TPlaces& places);
    /// The file to write the bare file name to. Where that is the user's copy and it does not
    /// exist yet, it is made from the program folder's file first; a copy that fails raises the
    /// write error for the copy, since writing beside it would hide the program folder's file.
    static QString ForWriting(const QString& name, const TPlaces& places);
};

} // namespace TarvoWidgets
