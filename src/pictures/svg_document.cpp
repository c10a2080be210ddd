// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg_document.h"

#include <zlib.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "app/error_box.h"
#include "pictures/picture_limits.h"
#include "pictures/svg_work.h"

namespace {

constexpr int GzipWindowBits = 16 + MAX_WBITS;  // a gzip header, not zlib's
constexpr qsizetype InflateChunk = 256 * 1024;

bool isGzip(const QByteArray& bytes) {
    return bytes.size() >= 2 && uchar(bytes[0]) == 0x1f && uchar(bytes[1]) == 0x8b;
}

[[noreturn]] void failTooComplex() {
    throw SleevixError(
        QCoreApplication::translate("Pictures",
                                    "SVG image is too complex to draw (more than %1 shapes, "
                                    "segments and characters)")
            .arg(SvgWorkBudget));
}

[[noreturn]] void failTooLarge() {
    throw SleevixError(QCoreApplication::translate(
                           "Pictures", "SVG image is too large (more than %1 bytes of text)")
                           .arg(MaxSvgTextBytes));
}

class GzipInflater {
  public:
    GzipInflater() { ok_ = inflateInit2(&stream_, GzipWindowBits) == Z_OK; }
    ~GzipInflater() {
        if (ok_) inflateEnd(&stream_);
    }
    GzipInflater(const GzipInflater&) = delete;
    GzipInflater& operator=(const GzipInflater&) = delete;
    bool ok() const { return ok_; }
    z_stream& operator*() { return stream_; }

  private:
    z_stream stream_{};
    bool ok_ = false;
};

bool isImage(const QXmlStreamReader& xml) {
    return xml.isStartElement() && xml.name() == QLatin1String("image");
}

// The image's address, whatever prefix its "href" carries.
QString hrefOf(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    for (const QXmlStreamAttribute& attribute : attributes)
        if (attribute.name() == QLatin1String("href")) return attribute.value().toString();
    return QString();
}

bool carriesItsData(QStringView href) {
    return href.trimmed().startsWith(QLatin1String("data:"), Qt::CaseInsensitive);
}

// The pixels of the picture a data address carries, read from its header
// alone; 0 when it holds none the renderer could read.
long long pixelsCarried(QStringView href) {
    const qsizetype comma = href.indexOf(QLatin1Char(','));
    if (comma < 0) return 0;
    const QByteArray payload = href.mid(comma + 1).toLatin1();
    const bool base64 = href.left(comma).contains(QLatin1String(";base64"), Qt::CaseInsensitive);
    QByteArray data =
        base64 ? QByteArray::fromBase64(payload) : QByteArray::fromPercentEncoding(payload);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QSize size = QImageReader(&buffer).size();
    if (!size.isValid()) return 0;
    CheckPictureSize(size.width(), size.height());
    return (long long)size.width() * size.height();
}

// Copies the document, leaving out the images that name an address.
QByteArray withoutAddressedImages(const QByteArray& text) {
    QByteArray copy;
    QXmlStreamReader xml(text);
    QXmlStreamWriter writer(&copy);
    while (!xml.atEnd()) {
        xml.readNext();
        if (isImage(xml) && !carriesItsData(hrefOf(xml))) {
            xml.skipCurrentElement();
            continue;
        }
        if (xml.tokenType() != QXmlStreamReader::Invalid) writer.writeCurrentToken(xml);
    }
    return copy;
}

}  // namespace

QByteArray SvgText(const QByteArray& file) {
    if (isGzip(file))
        throw SleevixError(QCoreApplication::translate("Pictures", "SVG image is not valid"));
    if (file.size() > MaxSvgTextBytes) failTooLarge();
    return file;
}

QByteArray InflateSvgz(const QByteArray& file) {
    const SleevixError invalid(
        QCoreApplication::translate("Pictures", "Compressed SVG image is not valid"));
    if (!isGzip(file)) throw invalid;
    GzipInflater inflater;
    if (!inflater.ok()) throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    z_stream& stream = *inflater;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(file.constData()));
    stream.avail_in = uInt(file.size());

    QByteArray text;
    int status = Z_OK;
    while (status == Z_OK) {
        if (text.size() >= MaxSvgTextBytes) failTooLarge();
        const qsizetype filled = text.size();
        text.resize(filled + InflateChunk);
        stream.next_out = reinterpret_cast<Bytef*>(text.data() + filled);
        stream.avail_out = uInt(InflateChunk);
        status = inflate(&stream, Z_NO_FLUSH);
        text.resize(filled + InflateChunk - qsizetype(stream.avail_out));
        // Input ended before the stream did.
        if (status == Z_BUF_ERROR && stream.avail_in == 0) break;
    }
    if (status != Z_STREAM_END) throw invalid;
    if (text.size() > MaxSvgTextBytes) failTooLarge();
    // Compressed twice is no drawing the renderer should inflate unbounded.
    return SvgText(text);
}

QByteArray SelfContainedSvg(const QByteArray& text) {
    QXmlStreamReader xml(text);
    bool addressed = false;
    long long carried = 0;
    SvgWorkTally work;
    while (!xml.atEnd()) {
        xml.readNext();
        work.add(xml);
        if (work.direct() > SvgWorkBudget) failTooComplex();
        if (!isImage(xml)) continue;
        const QString href = hrefOf(xml);
        if (!carriesItsData(href)) {
            addressed = true;
            continue;
        }
        carried += pixelsCarried(href);
        if (carried > MaxPicturePixels)
            throw SleevixError(QCoreApplication::translate(
                                   "Pictures", "SVG image carries too many pixels (more than %1)")
                                   .arg(MaxPicturePixels));
    }
    if (xml.hasError())
        throw SleevixError(QCoreApplication::translate("Pictures", "SVG image is not valid"));
    if (work.total() > SvgWorkBudget) failTooComplex();
    return addressed ? withoutAddressedImages(text) : text;
}
