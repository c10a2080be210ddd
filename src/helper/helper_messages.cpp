// SPDX-License-Identifier: GPL-3.0-or-later
#include "helper/helper_messages.h"

#include <cstring>
#include <map>
#include <mutex>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QColorSpace>
#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 JobMagic = 0x534c4a42;    // "SLJB"
constexpr quint32 ReplyMagic = 0x534c5250;  // "SLRP"
// No side of a picture the helper hands over is longer; the picture limits
// are checked where the pixels are made.
constexpr int LargestSide = 1 << 16;

// Shared pixels cannot shrink under the program's reading, which would end
// it with a bus error.
constexpr int PixelSeals = F_SEAL_SEAL | F_SEAL_SHRINK | F_SEAL_GROW;

// A mapping of shared memory that a QImage's pixels live in, released with
// the last copy of the image; the helper keeps the memory's descriptor
// while the mapping lives, to hand it over.
struct SharedPixels {
    void* address;
    size_t size;
    int fd = -1;
};

std::mutex sharedMutex;
std::map<const void*, SharedPixels*> sharedPictures;  // guarded by sharedMutex

void releaseSharedPixels(void* info) {
    auto* pixels = static_cast<SharedPixels*>(info);
    if (pixels->fd >= 0) {
        const std::lock_guard<std::mutex> lock(sharedMutex);
        sharedPictures.erase(pixels->address);
        ::close(pixels->fd);
    }
    ::munmap(pixels->address, pixels->size);
    delete pixels;
}

UniqueFd newSharedMemory(size_t size) {
    UniqueFd memory(::memfd_create("sleevix-pixels", MFD_CLOEXEC | MFD_ALLOW_SEALING));
    if (!memory.valid() || ::ftruncate(memory.get(), off_t(size)) != 0) return UniqueFd();
    return memory;
}

// The shared memory an image's pixels lie in, when they lie in one whole.
UniqueFd sharedMemoryOf(const QImage& image) {
    const std::lock_guard<std::mutex> lock(sharedMutex);
    const auto found = sharedPictures.find(image.constBits());
    if (found == sharedPictures.end() || size_t(image.sizeInBytes()) > found->second->size)
        return UniqueFd();
    return UniqueFd(::fcntl(found->second->fd, F_DUPFD_CLOEXEC, 0));
}

UniqueFd pixelsIntoSharedMemory(const QImage& image) {
    UniqueFd memory = sharedMemoryOf(image);
    if (!memory.valid()) {
        const size_t size = size_t(image.sizeInBytes());
        memory = newSharedMemory(size);
        if (!memory.valid()) throw std::bad_alloc();
        // Populated at once: one call instead of a fault for every page.
        void* address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE,
                               memory.get(), 0);
        if (address == MAP_FAILED) throw std::bad_alloc();
        std::memcpy(address, image.constBits(), size);
        ::munmap(address, size);
    }
    const int seals = ::fcntl(memory.get(), F_GET_SEALS);
    if (seals != PixelSeals && ::fcntl(memory.get(), F_ADD_SEALS, PixelSeals) != 0)
        throw std::bad_alloc();
    return memory;
}

// The image whose pixels are the shared memory, without a copy (read only:
// a change copies them); null when the memory is smaller than the header
// says, or not sealed against changes of its size.
QImage pixelsFromSharedMemory(const UniqueFd& memory, int width, int height,
                              qsizetype bytesPerLine, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide || depth <= 0 ||
        bytesPerLine < (qsizetype(width) * depth + 7) / 8 || bytesPerLine > (1 << 20) * 8)
        return QImage();
    const size_t size = size_t(bytesPerLine) * size_t(height);
    struct stat status {};
    if (::fcntl(memory.get(), F_GET_SEALS) != PixelSeals || ::fstat(memory.get(), &status) != 0 ||
        size_t(status.st_size) < size)
        return QImage();
    void* address =
        ::mmap(nullptr, size, PROT_READ, MAP_SHARED | MAP_POPULATE, memory.get(), 0);
    if (address == MAP_FAILED) return QImage();
    auto* shared = new SharedPixels{address, size};
    return QImage(static_cast<const uchar*>(address), width, height, bytesPerLine, format,
                  releaseSharedPixels, shared);
}

// A palette has no more than 256 colours; the stream's own reading of a
// list would take whatever count it is told, a helper gone wrong could make
// the program allocate gigabytes.
constexpr quint32 LargestColourTable = 256;

void writeColourTable(QDataStream& out, const QList<QRgb>& colours) {
    out << quint32(colours.size());
    for (const QRgb colour : colours) out << quint32(colour);
}

QList<QRgb> readColourTable(QDataStream& in) {
    quint32 count = 0;
    in >> count;
    QList<QRgb> colours;
    if (count > LargestColourTable) {
        in.setStatus(QDataStream::ReadCorruptData);
        return colours;
    }
    for (quint32 i = 0; i < count; ++i) {
        quint32 colour = 0;
        in >> colour;
        colours << QRgb(colour);
    }
    return colours;
}

}  // namespace

QImage AllocateSharedPicture(int width, int height, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (width <= 0 || height <= 0 || depth <= 0) return QImage();
    // Rows of whole 32-bit words, as QImage lays out its own.
    const qsizetype bytesPerLine = ((qsizetype(width) * depth + 31) / 32) * 4;
    const size_t size = size_t(bytesPerLine) * size_t(height);
    UniqueFd memory = newSharedMemory(size);
    if (!memory.valid()) return QImage();
    void* address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, memory.get(), 0);
    if (address == MAP_FAILED) return QImage();
    auto* shared = new SharedPixels{address, size, memory.release()};
    {
        const std::lock_guard<std::mutex> lock(sharedMutex);
        sharedPictures[address] = shared;
    }
    return QImage(static_cast<uchar*>(address), width, height, bytesPerLine, format,
                  releaseSharedPixels, shared);
}

QByteArray EncodeJob(const HelperJob& job) {
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out << JobMagic << quint8(job.kind) << job.fileName << job.bytes << job.cover << job.room
        << job.forPrint << qint32(job.divisor) << job.withLength;
    return body;
}

std::optional<HelperJob> DecodeJob(const QByteArray& body) {
    QDataStream in(body);
    quint32 magic = 0;
    quint8 kind = 0;
    qint32 divisor = 1;
    HelperJob job;
    in >> magic >> kind >> job.fileName >> job.bytes >> job.cover >> job.room >> job.forPrint >>
        divisor >> job.withLength;
    if (in.status() != QDataStream::Ok || magic != JobMagic || kind < 1 ||
        kind > quint8(HelperJobKind::LabelTemplates) || divisor < 1 || divisor > 64)
        return std::nullopt;
    job.kind = HelperJobKind(kind);
    job.divisor = divisor;
    return job;
}

QByteArray EncodeReply(const HelperReply& reply, std::vector<UniqueFd>& fds) {
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    const bool hasPixels = !reply.pixels.isNull();
    out << ReplyMagic << quint8(reply.status) << reply.message << reply.natural << reply.data
        << hasPixels;
    if (hasPixels) {
        out << qint32(reply.pixels.width()) << qint32(reply.pixels.height())
            << qint64(reply.pixels.bytesPerLine()) << qint32(reply.pixels.format())
            << reply.pixels.colorSpace().isValid();
        writeColourTable(out, reply.pixels.colorTable());
        fds.push_back(pixelsIntoSharedMemory(reply.pixels));
    }
    return body;
}

std::optional<HelperReply> DecodeReply(ChannelMessage& message) {
    QDataStream in(message.body);
    quint32 magic = 0;
    quint8 status = 0;
    bool hasPixels = false;
    HelperReply reply;
    in >> magic >> status >> reply.message >> reply.natural >> reply.data >> hasPixels;
    if (in.status() != QDataStream::Ok || magic != ReplyMagic || status < 1 ||
        status > quint8(HelperStatus::OutOfMemory))
        return std::nullopt;
    reply.status = HelperStatus(status);
    if (!hasPixels) return reply;
    qint32 width = 0, height = 0, format = 0;
    qint64 bytesPerLine = 0;
    bool inSrgb = false;
    in >> width >> height >> bytesPerLine >> format >> inSrgb;
    const QList<QRgb> colours = readColourTable(in);
    if (in.status() != QDataStream::Ok || message.fds.size() != 1 || format <= 0 ||
        format >= QImage::NImageFormats)
        return std::nullopt;
    reply.pixels = pixelsFromSharedMemory(message.fds.front(), width, height,
                                          qsizetype(bytesPerLine), QImage::Format(format));
    if (reply.pixels.isNull()) return std::nullopt;
    if (inSrgb) reply.pixels.setColorSpace(QColorSpace(QColorSpace::SRgb));
    if (!colours.isEmpty()) reply.pixels.setColorTable(colours);
    return reply;
}
