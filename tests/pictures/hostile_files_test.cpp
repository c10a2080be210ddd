// SPDX-License-Identifier: GPL-3.0-or-later
// Files named like pictures that are not what they claim: none may hang,
// exhaust or lock the program.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QBuffer>
#include <QColorSpace>
#include <QElapsedTimer>
#include <QFile>

#include "base/sleevix_error.h"
#include "decode_process/helper_sandbox.h"
#include "helper/decode_helper.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "support/gif_writer.h"
#include "support/icon_builder.h"
#include "support/image_encoding.h"
#include "support/jpeg_writer.h"
#include "support/metafile_builder.h"
#include "support/pipe_watchdog.h"
#include "support/qt_printers.h"

namespace {

// A listening local socket at `path`, closed with the object.
class SocketFile {
  public:
    explicit SocketFile(const QString& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (fd_ < 0 || size_t(name.size()) >= sizeof(address.sun_path)) return;
        std::copy(name.begin(), name.end(), address.sun_path);
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    }
    ~SocketFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool bound() const { return bound_; }

  private:
    int fd_;
    bool bound_ = false;
};

}  // namespace

class HostilePictureFiles : public ::testing::Test {
  protected:
    PictureFiles files;
};

TEST_F(HostilePictureFiles, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    for (const char* name : {"pipe.jpg", "pipe.gif", "pipe.bmp", "pipe.ico", "pipe.wmf", "pipe.png",
                             "pipe.webp", "pipe.tif", "pipe.svg", "pipe.svgz"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(MakeNamedPipe(files.path(name)));
        PipeWatchdog watchdog(files.path(name));
        EXPECT_EQ(LoadErrorOf(files.path(name)),
                  QStringLiteral("Cannot open file \"%1\". It is not a regular file").arg(name));
        EXPECT_FALSE(watchdog.released()) << "the loader blocked on the pipe";
    }
}

TEST_F(HostilePictureFiles, DevicesSocketsAndLinksToThemAreRefusedUnread) {
    SocketFile socket(files.path("socket.gif"));
    ASSERT_TRUE(socket.bound());
    ASSERT_TRUE(MakeNamedPipe(files.path("pipe")));
    ASSERT_TRUE(QFile::link("/dev/zero", files.path("zero.jpg")));
    ASSERT_TRUE(QFile::link(files.path("pipe"), files.path("pipe-link.bmp")));
    PipeWatchdog watchdog(files.path("pipe"));
    for (const char* name : {"socket.gif", "zero.jpg", "pipe-link.bmp"}) {
        EXPECT_EQ(LoadErrorOf(files.path(name)),
                  QStringLiteral("Cannot open file \"%1\". It is not a regular file").arg(name));
    }
    EXPECT_FALSE(watchdog.released());
}

TEST_F(HostilePictureFiles, AFileLargerThanAnyPictureNeedsIsRefusedBeforeItIsRead) {
    // Sparse: a gigabyte that takes no disk, and must take no memory.
    QFile huge(files.path("huge.jpg"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(qint64(1) << 30));
    huge.close();
    EXPECT_EQ(LoadErrorOf(files.path("huge.jpg")),
              "Cannot open file \"huge.jpg\". It is too large to be a picture (1073741824 bytes)");

    // The bound lies beyond the largest bitmap within the pixel limits.
    QFile justOver(files.path("over.bmp"));
    ASSERT_TRUE(justOver.open(QIODevice::WriteOnly));
    ASSERT_TRUE(justOver.resize(MaxPictureFileBytes + 1));
    justOver.close();
    EXPECT_TRUE(LoadErrorOf(files.path("over.bmp")).contains("too large to be a picture"));
}

namespace {

// An MP4 file whose atoms nest without end, which TagLib follows until its
// stack runs out.
QByteArray NestedAtoms(int depth) {
    QByteArray file = QByteArray::fromHex("00000014667479704d344120000000004d344120");
    for (int level = 0; level < depth; ++level) {
        const quint32 size = quint32(8 * (depth - level));
        file += char(size >> 24) + QByteArray(1, char(size >> 16)) + char(size >> 8) + char(size);
        file += "moov";
    }
    return file;
}

}  // namespace

TEST_F(HostilePictureFiles, AReaderThatCrashesHangsOrNeedsTooMuchEndsOnlyTheHelper) {
    const int startsBefore = ProgramDecodeHelper().startsSoFar();
    const QString nested = files.write("nested.m4a", NestedAtoms(100'000));
    EXPECT_EQ(LoadErrorOf(nested), "\"nested.m4a\" could not be read: the reader stopped (crashed)");
    const QString endless = files.write("endless.jpg", RepeatedLastScan(20'000));
    EXPECT_EQ(LoadErrorOf(endless),
              "\"endless.jpg\" could not be read: the reader stopped (took too long)");
    if (HelperAddressSpaceLimited) {
        // A helper of a smaller limit, which a picture of 64 megapixels passes.
        qputenv("SLEEVIX_DECODE_HELPER_MEMORY_MB", "400");
        DecodeHelper smaller;
        QString message = "(no error)";
        try {
            DecodePictureBytes("large.png", PngClaiming(8000, 8000), QSize(), PictureUse::Screen,
                               smaller);
        } catch (const SleevixError& error) {
            message = error.message();
        }
        qunsetenv("SLEEVIX_DECODE_HELPER_MEMORY_MB");
        EXPECT_EQ(message,
                  "\"large.png\" could not be read: the reader stopped (needed too much memory)");
    }
    // The program goes on, with a new helper.
    const QString fine = files.write("fine.png", EncodeImage(QImage(4, 3, QImage::Format_RGB32), "png"));
    EXPECT_EQ(LoadErrorOf(fine), "(no error)");
    EXPECT_GE(ProgramDecodeHelper().startsSoFar(), startsBefore + 2);
}

TEST_F(HostilePictureFiles, EachDecoderRefusesTheContentOfEveryOtherFormat) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    const struct {
        const char* format;
        QByteArray content;
    } contents[] = {
        {"jpg", EncodeJpeg(image)},
        {"gif", EncodeGif({8, 8}, {qRgb(255, 0, 0), qRgb(0, 0, 0)}, {SolidFrame({8, 8}, 0)})},
        {"bmp", bitmap},
        {"ico", BuildIcon({{image, false}})},
        {"wmf", EmfBuilder().build()},
        {"png", EncodeImage(image, "png")},
        {"webp", EncodeImage(image, "webp")},
        {"tif", EncodeImage(image, "tiff")},
        {"svg", "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'/>"},
        {"svgz", Gzipped("<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'/>")},
    };
    const struct {
        const char* extension;
        QString message;
    } decoders[] = {
        {"jpg", "JPEG error #"},
        {"gif", "Invalid GIF signature"},
        {"bmp", "Bitmap image is not valid"},
        {"ico", "Icon image is not valid"},
        {"wmf", "Invalid metafile"},
        {"png", "PNG image is not valid"},
        {"webp", "WebP image is not valid"},
        {"tif", "TIFF image is not valid"},
        {"svg", "SVG image is not valid"},
        {"svgz", "Compressed SVG image is not valid"},
    };
    for (const auto& content : contents) {
        for (const auto& decoder : decoders) {
            const QString name =
                QStringLiteral("%1-content.%2").arg(content.format, decoder.extension);
            const QString path = files.write(name, content.content);
            if (QLatin1String(content.format) == QLatin1String(decoder.extension)) {
                EXPECT_EQ(LoadErrorOf(path), "(no error)") << qPrintable(name);
            } else {
                EXPECT_TRUE(LoadErrorOf(path).startsWith(decoder.message))
                    << qPrintable(name) << ": " << qPrintable(LoadErrorOf(path));
            }
        }
    }
}

namespace {
QImage filled(int side, QColor colour, int height = 0) {
    QImage image(side, height ? height : side, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}
}  // namespace

TEST_F(HostilePictureFiles, AnIconWithManyEntriesDecodesOnlyTheOneItShows) {
    constexpr qint64 HangBoundMs = 30'000;  // only decoding every entry comes near it
    const struct {
        const char* name;
        QByteArray icon;
        QString outcome;
    } cases[] = {
        {"many.ico", BuildIconRepeating({filled(256, Qt::green), true}, 65535), "256 x 256"},
        {"big.ico", BuildIconRepeating({filled(4096, Qt::green, 16), true}, 100),
         "Icon image is too large (4096 x 16)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = files.write(c.name, c.icon);
        QElapsedTimer clock;
        clock.start();
        QString outcome;
        try {
            const auto picture = LoadPictureBitmap(path);
            outcome = QStringLiteral("%1 x %2").arg(picture->width()).arg(picture->height());
        } catch (const SleevixError& error) {
            outcome = error.message();
        }
        EXPECT_LT(clock.elapsed(), HangBoundMs);
        EXPECT_EQ(outcome, c.outcome);
    }
}

TEST_F(HostilePictureFiles, TheIconEntryShownIsTheLargestByItsHeadersTheFirstOfEqualOnes) {
    const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255);
    const struct {
        const char* name;
        QList<IconImage> entries;
        QSize size;
        QRgb colour;
    } cases[] = {
        {"sizes.ico",
         {{filled(16, red), false},
          {filled(48, green), true},
          {filled(32, red), false},
          {filled(48, blue), false}},
         {48, 48},
         green},
        {"bitmap-first.ico",
         {{filled(48, blue), false}, {filled(48, green), true}},
         {48, 48},
         blue},
        // 256 is written as 0 in the directory: the header tells.
        {"full.ico", {{filled(64, red), false}, {filled(256, blue), false}}, {256, 256}, blue},
        {"png-256.ico", {{filled(256, green), true}, {filled(128, red), true}}, {256, 256}, green},
        // An entry far beyond any icon is passed over for one that is an icon.
        {"oversized.ico",
         {{filled(4096, red, 64), true}, {filled(64, blue), false}},
         {64, 64},
         blue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto picture = LoadPictureBitmap(files.write(c.name, BuildIcon(c.entries)));
        ASSERT_TRUE(picture);
        EXPECT_EQ(QSize(picture->width(), picture->height()), c.size);
        EXPECT_EQ(picture->pixels().pixel(c.size.width() / 2, c.size.height() / 2), c.colour);
    }
}

TEST_F(HostilePictureFiles, ADamagedColourProfileLeavesThePictureUnconvertedAndNeverFailsIt) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(200, 120, 60));
    const QByteArray profile = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    QList<QByteArray> damaged = {QByteArray(200, 'x'), profile.left(20),
                                 profile.left(profile.size() / 2)};
    // Every third byte of the header, the tag table and the tags inverted in turn.
    for (int at = 0; at < profile.size(); at += 3) {
        damaged << profile;
        damaged.back()[at] = char(~damaged.back()[at]);
    }
    const QByteArray jpeg = EncodeJpeg(image), png = EncodeImage(image, "png");
    for (const QByteArray& bad : damaged) {
        const QByteArray iccChunk = QByteArray("bad\0\0", 5) + qCompress(bad).mid(4);
        EXPECT_EQ(LoadErrorOf(files.write("bad.jpg", WithIccProfile(jpeg, bad))), "(no error)");
        EXPECT_EQ(LoadErrorOf(files.write("bad.png", WithPngChunk(png, "iCCP", iccChunk))),
                  "(no error)");
    }
    // One Qt cannot read at all: the pixels as stored.
    const auto plain = LoadPictureBitmap(files.write("plain.jpg", jpeg));
    const auto garbage =
        LoadPictureBitmap(files.write("bad.jpg", WithIccProfile(jpeg, damaged[0])));
    ASSERT_TRUE(plain && garbage);
    EXPECT_EQ(garbage->pixels(), plain->pixels());
}
