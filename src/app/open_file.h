// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QString>

// A file read and checked, ready to go onto the cover. Nothing of the cover
// has changed yet: the user can still be asked about unsaved changes, and a
// file that is refused leaves the cover as it was.
struct FileToOpen {
    // Puts the file's content on the cover and draws it; returns a note for
    // the user (what was left out), empty when there is none.
    std::function<QString()> open;
    // The document Save writes to once it is open; empty when the file is
    // only read into the cover (it becomes no document of its own).
    QString documentPath;
};

// What opening the file at `path` means, decided by its extension alone:
// a cover document (.sleevix) replaces the cover. Raises an error naming
// the file and what is wrong when it cannot be opened.
FileToOpen ReadFileToOpen(const QString& path);

// The open dialog's name filters for the kinds ReadFileToOpen knows.
QString OpenableFileFilters();

// Opens the file at `path` into the main window: a file that is refused
// leaves the cover as it was; unsaved changes are saved or dropped as the
// user says first (or the opening stops); a note on what was left out is
// shown once the file is open. Defined with the document's commands.
void OpenInWindow(const QString& path);
