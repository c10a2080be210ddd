// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "base/sleevix_error.h"

// Every file the program reads is opened here, and only here: cover
// documents, track lists, audio files, pictures, dropped files and files
// named on the command line. A pipe, socket, device or folder under any name
// is refused without blocking (the kind is checked on the opened descriptor,
// so a swap between a check and the opening cannot fool it), and no more is
// read than the kind of file can hold, whatever size the file reports.

// What a file is read as: the name a refusal gives it ("a track list") and
// the most bytes such a file can hold.
struct InputKind {
    const char* noun;  // marked with QT_TRANSLATE_NOOP("InputFile", ...)
    long long largest;
};

// The gate's refusal: its message names the file and says what it is.
class InputFileRefused : public SleevixError {
  public:
    using SleevixError::SleevixError;
};

class InputFile {
  public:
    // Opens the file or raises the error that names it and says why not.
    InputFile(const QString& path, InputKind kind);
    // Takes over a descriptor the gate opened in another process (the decode
    // helper's files come so), checking it as an opened file is checked.
    InputFile(int openedFd, const QString& path, InputKind kind);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const QString& path() const { return path_; }
    // The open file, to hand to the decode helper.
    int descriptor() const { return fd_; }
    // The size the file reported when it was opened.
    long long size() const { return size_; }
    // Up to `count` bytes from `offset`; fewer at the end.
    QByteArray readAt(long long offset, long long count);
    // The same into `buffer`; returns how many were read.
    long long readInto(long long offset, char* buffer, long long count);
    // The whole file; one byte past the kind's limit is refused, so a file
    // that reports no size or grows meanwhile is caught too.
    QByteArray readWhole();

  private:
    // The opened file is checked as the path was; closed when it fails.
    void checkOpened();

    QString path_;
    InputKind kind_;
    int fd_ = -1;
    long long size_ = 0;
};

// The bytes of the file at `path`, opened and read as above.
QByteArray ReadInputFile(const QString& path, InputKind kind);

// The file's name in quotes, as messages show it.
QString QuotedFileName(const QString& path);
