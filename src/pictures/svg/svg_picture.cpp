// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg/svg_picture.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QCoreApplication>

// GLib's D-Bus headers name a member `signals`, which Qt keeps as a word of
// its own; nothing below declares Qt signals.
#undef signals
#include <librsvg/rsvg.h>

#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/svg/cairo_handles.h"
#include "pictures/svg/drawing_work.h"
#include "pictures/svg/svg_document.h"

namespace {

// CSS pixels per inch, as every SVG renderer sizes `in`, `cm` and `pt`.
constexpr double SvgPixelsPerInch = 96;

[[noreturn]] void failInvalid() {
    throw SleevixError(QCoreApplication::translate("Pictures", "SVG image is not valid"));
}

// The drawing parsed from its bytes, never from a file: with no base file
// the renderer loads no external resource (other files, images or style
// sheets named by address) at all. Without RSVG_HANDLE_FLAG_UNLIMITED, the
// XML parser keeps its own limits.
std::unique_ptr<RsvgHandle, RsvgHandleRelease> parsed(const QByteArray& text) {
    const GObjectHandle<GInputStream> stream(
        g_memory_input_stream_new_from_data(text.constData(), text.size(), nullptr));
    GError* failure = nullptr;
    std::unique_ptr<RsvgHandle, RsvgHandleRelease> drawing(rsvg_handle_new_from_stream_sync(
        stream.get(), nullptr, RSVG_HANDLE_FLAGS_NONE, nullptr, &failure));
    const GErrorHandle error(failure);
    if (!drawing || error) failInvalid();
    rsvg_handle_set_dpi(drawing.get(), SvgPixelsPerInch);
    return drawing;
}

// A length in CSS pixels; none for one relative to a size unknown here
// (a percentage, the font's).
std::optional<double> pixelsOf(const RsvgLength& length) {
    switch (length.unit) {
        case RSVG_UNIT_PX: return length.length;
        case RSVG_UNIT_IN: return length.length * SvgPixelsPerInch;
        case RSVG_UNIT_CM: return length.length * SvgPixelsPerInch / 2.54;
        case RSVG_UNIT_MM: return length.length * SvgPixelsPerInch / 25.4;
        case RSVG_UNIT_PT: return length.length * SvgPixelsPerInch / 72;
        case RSVG_UNIT_PC: return length.length * SvgPixelsPerInch / 6;
        default: return std::nullopt;
    }
}

// The size the drawing declares: its width and height; one of them and the
// view box's shape (a width of 100 % beside a height in millimetres);
// else its view box; else the one Qt's renderer gives it.
QSizeF declaredSize(RsvgHandle* drawing, const QSvgRenderer& geometry) {
    double width = 0, height = 0;
    if (rsvg_handle_get_intrinsic_size_in_pixels(drawing, &width, &height))
        return QSizeF(width, height);
    gboolean hasWidth = false, hasHeight = false, hasViewBox = false;
    RsvgLength declaredWidth{}, declaredHeight{};
    RsvgRectangle viewBox{};
    rsvg_handle_get_intrinsic_dimensions(drawing, &hasWidth, &declaredWidth, &hasHeight,
                                         &declaredHeight, &hasViewBox, &viewBox);
    if (!hasViewBox || viewBox.width <= 0 || viewBox.height <= 0) return geometry.defaultSize();
    const double aspect = viewBox.width / viewBox.height;
    if (const auto pixels = pixelsOf(declaredWidth); hasWidth && pixels)
        return QSizeF(*pixels, *pixels / aspect);
    if (const auto pixels = pixelsOf(declaredHeight); hasHeight && pixels)
        return QSizeF(*pixels * aspect, *pixels);
    return QSizeF(viewBox.width, viewBox.height);
}

// The device pixels `target` covers on the painter's device.
QRect deviceArea(const QPainter& painter, const QRect& target) {
    const QRectF mapped = painter.deviceTransform().mapRect(QRectF(target));
    const QRect device(0, 0, painter.device()->width(), painter.device()->height());
    return mapped.toAlignedRect().intersected(device);
}

}  // namespace

void RsvgHandleRelease::operator()(RsvgHandle* drawing) const {
    g_object_unref(drawing);
}

SvgPicture::SvgPicture(const QByteArray& text, bool weighed)
    : geometry_(std::make_unique<QSvgRenderer>()) {
    const SelfContained drawing = SelfContainedSvg(text, weighed);
    pixelWork_ = drawing.pixelWork;
    scaledPixelWork_ = drawing.scaledPixelWork;
    regionalFilters_ = drawing.regionalFilters;
    // Through the XML reader: the renderer would inflate compressed bytes
    // itself, without a bound.
    QXmlStreamReader xml(drawing.text);
    if (!geometry_->load(&xml) || !geometry_->isValid()) failInvalid();
    drawing_ = parsed(drawing.text);
    declared_ = declaredSize(drawing_.get(), *geometry_);
    // Whole pixels, the last partly covered, as other programs size it.
    natural_ = QSize(int(std::ceil(declared_.width())), int(std::ceil(declared_.height())));
    if (natural_.isEmpty()) throw SleevixError(QCoreApplication::translate("Pictures", "SVG image has no size"));
    // Stretched like every other picture: the inserts do not keep aspects.
    geometry_->setAspectRatioMode(Qt::IgnoreAspectRatio);
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::drawAt(QPainter& painter, QPoint at) const {
    drawStretched(painter, QRect(at, natural_));
}

void SvgPicture::render(unsigned char* pixels, int format, QSize size, int stride,
                        const QRectF& stretched) const {
    const CairoSurfaceHandle surface(cairo_image_surface_create_for_data(
        pixels, cairo_format_t(format), size.width(), size.height(), stride));
    const CairoContextHandle cairo(cairo_create(surface.get()));
    if (cairo_status(cairo.get()) != CAIRO_STATUS_SUCCESS)
        throw SleevixError(QCoreApplication::translate("Errors", "Out of memory"));
    cairo_translate(cairo.get(), stretched.x(), stretched.y());
    cairo_scale(cairo.get(), stretched.width() / natural_.width(),
                stretched.height() / natural_.height());
    const RsvgRectangle viewport{0, 0, declared_.width(), declared_.height()};
    GError* failure = nullptr;
    rsvg_handle_render_document(drawing_.get(), cairo.get(), &viewport, &failure);
    // A drawing the renderer stops part way is shown as far as it got.
    const GErrorHandle error(failure);
    cairo_surface_flush(surface.get());
}

// Drawn by the renderer at the device pixels the target covers: in place
// on a bitmap of opaque pixels painted plainly, else onto a bitmap of its
// own laid on the device pixel for pixel.
void SvgPicture::drawStretched(QPainter& painter, const QRect& target) const {
    const QRect area = deviceArea(painter, target);
    if (area.isEmpty()) return;
    const QRectF stretched =
        painter.deviceTransform().mapRect(QRectF(target)).translated(-area.topLeft());
    QPaintDevice* device = painter.device();
    if (device->devType() == QInternal::Image &&
        static_cast<QImage*>(device)->format() == QImage::Format_RGB32 &&
        painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
        painter.opacity() >= 1 && !painter.hasClipping()) {
        // Cairo's RGB24 is Qt's RGB32: one native word a pixel.
        QImage& image = *static_cast<QImage*>(device);
        render(image.bits() + area.y() * image.bytesPerLine() + area.x() * 4, CAIRO_FORMAT_RGB24,
               area.size(), int(image.bytesPerLine()), stretched);
        return;
    }
    CheckPictureSize(area.width(), area.height());
    // Cairo's ARGB32 is Qt's premultiplied ARGB32.
    QImage drawn = AllocatePicture(area.width(), area.height(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    render(drawn.bits(), CAIRO_FORMAT_ARGB32, area.size(), int(drawn.bytesPerLine()), stretched);
    painter.save();
    painter.setViewTransformEnabled(false);
    painter.resetTransform();
    painter.drawImage(area.topLeft(), drawn);
    painter.restore();
}

void SvgPicture::weighStretched(QPainter& painter, const QRect& target) const {
    painter.save();
    // Drawn by librsvg, whose rasteriser pays for every crossing.
    WeighCrossingEdges(painter, true);
    geometry_->render(&painter, QRectF(target));
    WeighCrossingEdges(painter, false);
    painter.restore();
    const QRectF stretched = painter.deviceTransform().mapRect(QRectF(target));
    const double scale = std::max(stretched.width() / natural_.width(),
                                  stretched.height() / natural_.height());
    WeighPixelWork(painter, target,
                   (double(pixelWork_) + double(scaledPixelWork_) * scale) / SvgPixelWorkPerUnit);
    // A filter on an element Qt's reading knows covers its region around the
    // element's bounds; any other, the whole area.
    const QRectF viewBox = geometry_->viewBoxF();
    for (const SvgWorkTally::RegionalFilter& filter : regionalFilters_) {
        QRectF region = target;
        const QRectF bounds = geometry_->elementExists(filter.element)
                                  ? geometry_->transformForElement(filter.element)
                                        .mapRect(geometry_->boundsOnElement(filter.element))
                                  : QRectF();
        if (!filter.region.isEmpty() && !bounds.isEmpty() && !viewBox.isEmpty()) {
            const QRectF around(bounds.x() + filter.region.x() * bounds.width(),
                                bounds.y() + filter.region.y() * bounds.height(),
                                filter.region.width() * bounds.width(),
                                filter.region.height() * bounds.height());
            const double x = target.width() / viewBox.width(), y = target.height() / viewBox.height();
            region = QRectF(target.x() + (around.x() - viewBox.x()) * x,
                            target.y() + (around.y() - viewBox.y()) * y, around.width() * x,
                            around.height() * y)
                         .intersected(target);
        }
        WeighPixelWork(painter, region, double(filter.work) / SvgPixelWorkPerUnit);
    }
}
