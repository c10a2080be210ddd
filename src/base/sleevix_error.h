// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

#include <QString>

// A step that fails throws this with the text the user is to read.
class SleevixError : public std::runtime_error {
  public:
    explicit SleevixError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};
