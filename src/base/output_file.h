// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes (documents, exports, a print to a file) is
// written here: into an unnamed file in the target's folder, which takes the
// target's name only when it is complete. A program killed meanwhile, or a
// disk that fills, leaves nothing behind and the old file whole. A target
// that is no regular file (a device, a pipe) is written directly.
// "Cannot write %1: %2", in the program's language.
QString CannotWriteMessage();
// "the disk is full", as every write that ran out of room says it.
QString DiskIsFullReason();

class OutputFile {
  public:
    // Every failure raises `failing` with %1 the target and %2 why, for
    // example "Cannot save /home/me/cover.sleevix: the disk is full".
    explicit OutputFile(const QString& target, const QString& failing = CannotWriteMessage());
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // A name under which writers that open files themselves reach the
    // unnamed file.
    QString writablePath() const;
    // Appends the bytes, or raises the error naming the target.
    void write(const QByteArray& bytes);
    // Gives the file the target's name and the permissions of the file it
    // replaces (or of any new file); raises the error naming the target.
    void commit();

  private:
    [[noreturn]] void fail(int error) const;

    QString target_;
    QString failing_;
    int fd_ = -1;
    bool direct_ = false;
    QString named_;  // where the folder's file system has no unnamed files
};
