// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens the file at `path` into the main window: a file that is refused
// leaves the cover as it was; unsaved changes are saved or dropped as the
// user says first (or the opening stops); a note on what was left out is
// shown once the file is open.
void OpenInWindow(const QString& path);
