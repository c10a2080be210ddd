// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/decoders/gif_decoder.h"

#include <algorithm>
#include <cstring>

#include <gif_lib.h>

#include <QCoreApplication>

#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"

namespace {

constexpr int SignatureLength = 3;
constexpr int SignaturePrefixLength = 4;
constexpr int PaletteSize = 256;

[[noreturn]] void fail(const char* message) {
    throw SleevixError(QCoreApplication::translate("Pictures", message));
}

// giflib's failures, mapped onto the messages the program shows.
[[noreturn]] void failWith(int giflibError) {
    switch (giflibError) {
        case D_GIF_ERR_NOT_GIF_FILE:
            fail(QT_TRANSLATE_NOOP("Pictures", "Invalid GIF signature"));
        case D_GIF_ERR_WRONG_RECORD:
            fail(QT_TRANSLATE_NOOP("Pictures", "Unknown GIF block type"));
        default:
            fail(QT_TRANSLATE_NOOP("Pictures", "Invalid GIF data"));
    }
}

// The bytes giflib reads, from memory.
struct MemoryInput {
    const char* data;
    qsizetype size;
    qsizetype position;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int wanted) {
    auto* input = static_cast<MemoryInput*>(gif->UserData);
    const qsizetype available = input->size - input->position;
    const int count = int(std::min<qsizetype>(wanted, std::max<qsizetype>(available, 0)));
    std::memcpy(buffer, input->data + input->position, size_t(count));
    input->position += count;
    return count;
}

// The open file, closed on every path.
class GifReader {
  public:
    explicit GifReader(MemoryInput& input) {
        int error = 0;
        gif_ = DGifOpen(&input, readFromMemory, &error);
        if (!gif_) failWith(error);
    }
    ~GifReader() {
        int error = 0;
        DGifCloseFile(gif_, &error);
    }
    GifReader(const GifReader&) = delete;
    GifReader& operator=(const GifReader&) = delete;
    GifFileType* operator->() const { return gif_; }
    GifFileType* get() const { return gif_; }
    [[noreturn]] void failHere() const { failWith(gif_->Error); }

  private:
    GifFileType* gif_ = nullptr;
};

// giflib compares the signature with case; we do not, and we also accept it
// after a four-byte prefix. Returns where the GIF starts.
qsizetype signatureOffset(QByteArray& bytes) {
    for (qsizetype offset : {qsizetype(0), qsizetype(SignaturePrefixLength)}) {
        if (bytes.size() < offset + SignatureLength) break;
        QByteArray signature = bytes.mid(offset, SignatureLength);
        if (signature.toUpper() == "GIF") {
            std::memcpy(bytes.data() + offset, "GIF", SignatureLength);
            return offset;
        }
    }
    fail(QT_TRANSLATE_NOOP("Pictures", "Invalid GIF signature"));
}

// Skips the extension blocks (comments, animation control, ...) before the
// first frame.
void skipExtension(const GifReader& gif) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif.get(), &code, &block) == GIF_ERROR)
        fail(QT_TRANSLATE_NOOP("Pictures", "Invalid extension introducer"));
    while (block) {
        if (DGifGetExtensionNext(gif.get(), &block) == GIF_ERROR)
            fail(QT_TRANSLATE_NOOP("Pictures", "Invalid extension introducer"));
    }
}

QList<QRgb> paletteOf(const ColorMapObject* colours) {
    QList<QRgb> palette;
    if (colours && colours->Colors) {
        const int count = std::clamp(colours->ColorCount, 0, PaletteSize);
        for (int i = 0; i < count; ++i) {
            const GifColorType& c = colours->Colors[i];
            palette << qRgb(c.Red, c.Green, c.Blue);
        }
    }
    return palette;
}

// Reads the frame's rows into `frame`, putting interlaced rows in place.
void readFrameRows(const GifReader& gif, QImage& frame, bool interlaced) {
    const int height = frame.height();
    auto readRow = [&](int row) {
        if (DGifGetLine(gif.get(), frame.scanLine(row), frame.width()) == GIF_ERROR) gif.failHere();
    };
    if (!interlaced) {
        for (int row = 0; row < height; ++row) readRow(row);
        return;
    }
    constexpr int passStart[] = {0, 4, 2, 1};
    constexpr int passStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int row = passStart[pass]; row < height; row += passStep[pass]) readRow(row);
}

// Pads the palette to 256 entries, so that no index of the frame falls
// outside it; returns the index of white, adding white where there is room,
// or -1 when the palette is full without it.
int completePalette(QList<QRgb>& palette) {
    const QRgb white = qRgb(255, 255, 255);
    int whiteIndex = int(palette.indexOf(white));
    if (whiteIndex < 0 && palette.size() < PaletteSize) {
        whiteIndex = int(palette.size());
        palette << white;
    }
    while (palette.size() < PaletteSize) palette << qRgb(0, 0, 0);
    return whiteIndex;
}

// The frame drawn opaque at its offset onto a white screen; what lies
// outside the screen is cut off.
QImage composeOnScreen(QImage frame, QPoint offset, QSize screen, QList<QRgb> palette) {
    const int whiteIndex = completePalette(palette);
    frame.setColorTable(palette);
    const int rows = std::min(frame.height(), screen.height() - offset.y());
    const int columns = std::min(frame.width(), screen.width() - offset.x());
    if (whiteIndex < 0) {
        // No room for white in the palette: compose in full colour.
        QImage screenImage = AllocatePicture(screen.width(), screen.height(), QImage::Format_RGB32);
        screenImage.fill(Qt::white);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x)
                screenImage.setPixel(x + offset.x(), y + offset.y(), frame.pixel(x, y));
        return screenImage;
    }
    QImage screenImage = AllocatePicture(screen.width(), screen.height(), QImage::Format_Indexed8);
    screenImage.setColorTable(palette);
    screenImage.fill(uint(whiteIndex));
    for (int y = 0; y < rows && columns > 0; ++y)
        std::memcpy(screenImage.scanLine(y + offset.y()) + offset.x(), frame.constScanLine(y),
                    size_t(columns));
    return screenImage;
}

}  // namespace

QImage DecodeGif(const QByteArray& data) {
    QByteArray bytes = data;
    const qsizetype start = signatureOffset(bytes);
    MemoryInput input{bytes.constData() + start, bytes.size() - start, 0};
    GifReader gif(input);

    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) gif.failHere();
        if (record == EXTENSION_RECORD_TYPE) {
            skipExtension(gif);
            continue;
        }
        if (record == TERMINATE_RECORD_TYPE)
            fail(QT_TRANSLATE_NOOP("Pictures", "Invalid Image trailer"));  // no frame at all
        if (record != IMAGE_DESC_RECORD_TYPE)
            fail(QT_TRANSLATE_NOOP("Pictures", "Unknown GIF block type"));
        break;
    }
    if (DGifGetImageDesc(gif.get()) == GIF_ERROR) gif.failHere();

    const GifImageDesc& desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0)
        fail(QT_TRANSLATE_NOOP("Pictures", "Invalid GIF data"));
    const QPoint offset(std::max(desc.Left, 0), std::max(desc.Top, 0));
    // A logical screen of no size takes the frame's extent.
    QSize screen(gif->SWidth, gif->SHeight);
    if (screen.isEmpty()) screen = QSize(offset.x() + desc.Width, offset.y() + desc.Height);
    CheckPictureSize(screen.width(), screen.height());
    CheckPictureSize(desc.Width, desc.Height);

    // The frame's own colours, which are the GIF's palette unless the frame
    // brings a local one.
    QList<QRgb> palette = paletteOf(desc.ColorMap ? desc.ColorMap : gif->SColorMap);

    QImage frame = AllocatePicture(desc.Width, desc.Height, QImage::Format_Indexed8);
    readFrameRows(gif, frame, desc.Interlace);

    if (frame.size() == screen) {
        completePalette(palette);
        frame.setColorTable(palette);
        return frame;
    }
    return composeOnScreen(std::move(frame), offset, screen, std::move(palette));
}
