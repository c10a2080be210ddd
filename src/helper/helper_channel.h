// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include <QByteArray>

// One end of the socket between the program and its decode helper: whole
// messages, each with the descriptors that travel beside it (a file to read
// tags from, the shared memory of a picture's pixels).
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_ = -1;
};

struct ChannelMessage {
    QByteArray body;
    std::vector<UniqueFd> fds;
};

// The most a message body may be: a picture file's bytes travel in it.
inline constexpr long long MaxChannelMessageBytes = 1LL << 30;

// Sends the message whole; false when the other end has gone. Never raises
// SIGPIPE.
bool SendMessage(int socket, const QByteArray& body, const std::vector<int>& fds = {});

// Receives one whole message; false at the end of the stream, or when the
// other end sent something that is no message.
bool ReceiveMessage(int socket, ChannelMessage& message);
