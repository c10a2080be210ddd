// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg/svg_document.h"

#include <zlib.h>

#include <cmath>

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/svg/svg_work.h"

namespace {

constexpr int GzipWindowBits = 16 + MAX_WBITS;  // a gzip header, not zlib's
constexpr qsizetype InflateChunk = 256 * 1024;
// The most taps a convolution step may have: the renderer stops the whole
// program on a larger kernel.
constexpr double MaxConvolutionTaps = 400;

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

// An image, or a filter step that draws one.
bool isImage(const QXmlStreamReader& xml) {
    return xml.isStartElement() &&
           (xml.name() == QLatin1String("image") || xml.name() == QLatin1String("feImage"));
}

// A filter's image may be an element of the drawing itself.
bool namesOwnElement(QStringView href) {
    return href.trimmed().startsWith(u'#');
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

// The size of the raster picture a data address carries, read from its
// header alone; invalid when it carries none Qt reads, or a drawing: the
// renderer would draw another drawing whose work was never weighed.
QSize rasterCarried(QStringView href) {
    const qsizetype comma = href.indexOf(QLatin1Char(','));
    if (comma < 0) return QSize();
    const QByteArray payload = href.mid(comma + 1).toLatin1();
    const bool base64 = href.left(comma).contains(QLatin1String(";base64"), Qt::CaseInsensitive);
    QByteArray data =
        base64 ? QByteArray::fromBase64(payload) : QByteArray::fromPercentEncoding(payload);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (reader.format().startsWith("svg")) return QSize();
    return reader.size();
}

bool isOversizedConvolution(const QXmlStreamReader& xml) {
    if (!xml.isStartElement() || xml.name() != QLatin1String("feConvolveMatrix")) return false;
    const auto [x, y] = SvgNumberPair(xml.attributes().value("order"), 3);
    return std::ceil(x) * std::ceil(y) > MaxConvolutionTaps;
}

// An element the drawing is shown without: an image that names an address
// or carries no raster picture, a step the renderer cannot take.
bool isLeftOut(const QXmlStreamReader& xml) {
    if (isImage(xml)) {
        const QString href = hrefOf(xml);
        if (namesOwnElement(href)) return false;
        return !carriesItsData(href) || !rasterCarried(href).isValid();
    }
    return isOversizedConvolution(xml);
}

// Copies the document, leaving out what isLeftOut names.
QByteArray withoutLeftOut(const QByteArray& text) {
    QByteArray copy;
    QXmlStreamReader xml(text);
    QXmlStreamWriter writer(&copy);
    while (!xml.atEnd()) {
        xml.readNext();
        if (isLeftOut(xml)) {
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

SelfContained SelfContainedSvg(const QByteArray& text, bool refuseBeyondBudget) {
    QXmlStreamReader xml(text);
    bool leftOut = false;
    long long carried = 0;
    SvgWorkTally work;
    SvgWorkTally pixelWork(SvgWorkTally::Measure::PixelWork);
    SvgWorkTally scaledPixelWork(SvgWorkTally::Measure::ScaledPixelWork);
    while (!xml.atEnd()) {
        xml.readNext();
        work.add(xml);
        pixelWork.add(xml);
        scaledPixelWork.add(xml);
        if (refuseBeyondBudget && work.direct() > SvgWorkBudget) failTooComplex();
        if (isImage(xml)) {
            const QString href = hrefOf(xml);
            if (namesOwnElement(href)) continue;
            const QSize size = carriesItsData(href) ? rasterCarried(href) : QSize();
            if (!size.isValid()) {
                leftOut = true;
                continue;
            }
            CheckPictureSize(size.width(), size.height());
            carried += (long long)size.width() * size.height();
        }
        leftOut = leftOut || isOversizedConvolution(xml);
        if (carried > MaxPicturePixels)
            throw SleevixError(QCoreApplication::translate(
                                   "Pictures", "SVG image carries too many pixels (more than %1)")
                                   .arg(MaxPicturePixels));
    }
    if (xml.hasError())
        throw SleevixError(QCoreApplication::translate("Pictures", "SVG image is not valid"));
    if (refuseBeyondBudget && work.total() > SvgWorkBudget) failTooComplex();
    SelfContained drawing{leftOut ? withoutLeftOut(text) : text, pixelWork.total(),
                          scaledPixelWork.total(), {}};
    drawing.regionalFilters = pixelWork.regionalFilters();
    for (const SvgWorkTally::RegionalFilter& filter : drawing.regionalFilters)
        drawing.pixelWork -= filter.work;
    return drawing;
}
