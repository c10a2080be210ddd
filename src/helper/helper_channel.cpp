// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper/helper_channel.h"

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// No message carries more descriptors than a picture and a file.
constexpr int MaxFdsPerMessage = 4;

bool sendAll(int socket, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(socket, data, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return false;
        data += sent;
        size -= size_t(sent);
    }
    return true;
}

bool receiveAll(int socket, char* data, size_t size) {
    while (size > 0) {
        const ssize_t got = ::recv(socket, data, size, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        data += got;
        size -= size_t(got);
    }
    return true;
}

// Takes the descriptors a received piece carried; any beyond the limit are
// closed at once.
void takeDescriptors(msghdr& header, std::vector<UniqueFd>& fds) {
    for (cmsghdr* control = CMSG_FIRSTHDR(&header); control;
         control = CMSG_NXTHDR(&header, control)) {
        if (control->cmsg_level != SOL_SOCKET || control->cmsg_type != SCM_RIGHTS) continue;
        const size_t count = (control->cmsg_len - CMSG_LEN(0)) / sizeof(int);
        for (size_t i = 0; i < count; ++i) {
            int fd = -1;
            std::memcpy(&fd, CMSG_DATA(control) + i * sizeof(int), sizeof fd);
            fds.emplace_back(fd);
        }
    }
}

}  // namespace

UniqueFd::~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.release();
    }
    return *this;
}

bool SendMessage(int socket, const QByteArray& body, const std::vector<int>& fds) {
    if (fds.size() > size_t(MaxFdsPerMessage)) return false;
    quint64 length = quint64(body.size());
    iovec piece{&length, sizeof length};
    msghdr header{};
    header.msg_iov = &piece;
    header.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * MaxFdsPerMessage)] = {};
    if (!fds.empty()) {
        header.msg_control = control;
        header.msg_controllen = CMSG_SPACE(sizeof(int) * fds.size());
        cmsghdr* descriptors = CMSG_FIRSTHDR(&header);
        descriptors->cmsg_level = SOL_SOCKET;
        descriptors->cmsg_type = SCM_RIGHTS;
        descriptors->cmsg_len = CMSG_LEN(sizeof(int) * fds.size());
        std::memcpy(CMSG_DATA(descriptors), fds.data(), sizeof(int) * fds.size());
    }
    ssize_t sent;
    do {
        sent = ::sendmsg(socket, &header, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    if (sent <= 0) return false;
    const char* rest = reinterpret_cast<const char*>(&length) + sent;
    return sendAll(socket, rest, sizeof length - size_t(sent)) &&
           sendAll(socket, body.constData(), size_t(body.size()));
}

bool ReceiveMessage(int socket, ChannelMessage& message) {
    message = ChannelMessage();
    quint64 length = 0;
    iovec piece{&length, sizeof length};
    msghdr header{};
    header.msg_iov = &piece;
    header.msg_iovlen = 1;
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * MaxFdsPerMessage)] = {};
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    ssize_t got;
    do {
        got = ::recvmsg(socket, &header, MSG_CMSG_CLOEXEC);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) return false;
    takeDescriptors(header, message.fds);
    if ((header.msg_flags & MSG_CTRUNC) != 0) return false;
    char* rest = reinterpret_cast<char*>(&length) + got;
    if (!receiveAll(socket, rest, sizeof length - size_t(got))) return false;
    if (length > quint64(MaxChannelMessageBytes)) return false;
    message.body.resize(qsizetype(length));
    return receiveAll(socket, message.body.data(), size_t(length));
}
