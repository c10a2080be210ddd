// SPDX-License-Identifier: GPL-3.0-or-later
// The EMF+ drawing state and the drawing itself, onto the painter the older
// records draw on, so that the drawing meter weighs both alike.

#include "pictures/metafile/emfplus_player.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>

#include "base/sleevix_error.h"
#include "pictures/decoders/picture_limits.h"
#include "pictures/metafile/metafile_picture.h"
#include "pictures/metafile/record_reading.h"

namespace emfplus {

namespace {

constexpr std::size_t MaxSavedStates = 4096;
// Qt's path operations and rasteriser need finite coordinates of a sane size.
constexpr double MaxTargetCoordinate = 1e8;
// Everything, for clip operations that start from "no clip", in target pixels.
const QRectF Everywhere(-1e7, -1e7, 2e7, 2e7);
// Boolean operations on outlines cost with their elements: a bound on all of
// them in one drawing, a few seconds' work at most.
constexpr long long MaxBooleanElements = 400'000;
constexpr double MaxFontPixels = 4000;
// A metafile drawn as an image inside another plays no images of its own
// metafile kind: a file cannot nest itself without end.
thread_local int nestedMetafiles = 0;
constexpr int MaxNestedMetafiles = 1;

bool reasonable(const QRectF& area) {
    for (double v : {area.left(), area.top(), area.right(), area.bottom()})
        if (!std::isfinite(v) || std::abs(v) > MaxTargetCoordinate) return false;
    return true;
}

QPainterPath rectanglePath(const QRectF& area) {
    QPainterPath path;
    path.addRect(area);
    return path;
}

Qt::BrushStyle hatchStyle(int hatch) {
    // The six line hatches as Qt draws them, the percentages as its dense
    // patterns, and the many other line hatches by their direction.
    switch (hatch) {
        case 0: case 21: case 23: case 25: case 28: return Qt::HorPattern;
        case 1: case 20: case 22: case 24: case 29: return Qt::VerPattern;
        case 2: case 14: case 16: case 18: case 26: return Qt::FDiagPattern;
        case 3: case 15: case 17: case 19: case 27: return Qt::BDiagPattern;
        case 4: return Qt::CrossPattern;
        case 5: return Qt::DiagCrossPattern;
        case 6: return Qt::Dense7Pattern;
        case 7: return Qt::Dense6Pattern;
        case 8: case 9: return Qt::Dense5Pattern;
        case 10: return Qt::Dense4Pattern;
        case 11: case 12: return Qt::Dense3Pattern;
        case 13: return Qt::Dense2Pattern;
        default: return Qt::Dense4Pattern;
    }
}

}  // namespace

Player::Player(QPainter& painter, const QRectF& target, const QTransform& deviceToTarget,
               QSizeF devicePixelsPerMm)
    : painter_(painter),
      target_(target),
      deviceToTarget_(deviceToTarget),
      devicePixelsPerMm_(devicePixelsPerMm),
      pixelsLeft_(MaxPicturePixels),
      booleanElementsLeft_(MaxBooleanElements) {}

void Player::header(bool videoDisplay, bool dual) {
    started_ = true;
    videoDisplay_ = videoDisplay;
    dual_ = dual;
}

void Player::recordPlayed(bool getDc, bool draws, bool drawn) {
    if (getDc)
        olderRecords_ = OlderRecords::AfterGetDc;
    else if (draws)
        olderRecords_ = drawn || !dual_ ? OlderRecords::Skipped : OlderRecords::InsteadOfFailed;
    else if (olderRecords_ == OlderRecords::AfterGetDc)
        olderRecords_ = OlderRecords::Skipped;
}

double Player::unitScale(int unit) const {
    const double dpi = devicePixelsPerMm_.width() * 25.4;
    switch (unit) {
        case UnitDisplay: return videoDisplay_ ? 1 : dpi / 100;
        case UnitPoint: return dpi / 72;
        case UnitInch: return dpi;
        case UnitDocument: return dpi / 300;
        case UnitMillimetre: return dpi / 25.4;
        default: return 1;
    }
}

QTransform Player::worldToTarget() const {
    // EMF+ device units are the reference device's pixels, as the older
    // records' are, whatever resolution the EMF+ header gives (an office
    // suite writes its screen's there, not the device's).
    const double page = unitScale(state_.pageUnit) * state_.pageScale;
    return state_.world * QTransform::fromScale(page, page) * deviceToTarget_;
}

void Player::prepare() {
    painter_.resetTransform();
    if (state_.clip)
        painter_.setClipPath(*state_.clip);
    else
        painter_.setClipping(false);
    painter_.setTransform(worldToTarget());
    painter_.setRenderHint(QPainter::Antialiasing, state_.antialiased);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setOpacity(1);
}

bool Player::onPage(const QRectF& world) const {
    return reasonable(world) && reasonable(worldToTarget().mapRect(world));
}

void Player::objectPart(int id, int type, bool continues, const ByteView& data) {
    if (id < 0 || id >= ObjectSlots) return;
    PendingObject& pending = pending_[std::size_t(id)];
    if (continues) {
        // Every part but the last starts with the whole object's size.
        const qint64 total = data.u32(0);
        if (pending.bytes.isEmpty() || pending.type != type) pending = {type, total, {}};
        if (total != pending.total || pending.bytes.size() + data.size() - 4 > total) {
            pending = {};
            throw SkipRecord();
        }
        pending.bytes.append(data.data() + 4, data.size() - 4);
        if (pending.bytes.size() < total) return;
    } else if (!pending.bytes.isEmpty() && pending.type == type) {
        if (pending.bytes.size() + data.size() > pending.total + 4) {
            pending = {};
            throw SkipRecord();
        }
        pending.bytes.append(data.data(), data.size());
    } else {
        pending = {};
        return store(id, type, data);
    }
    const QByteArray whole = std::move(pending.bytes);
    pending = {};
    store(id, type, ByteView(whole));
}

void Player::store(int id, int type, const ByteView& bytes) {
    Object& slot = objects_[std::size_t(id)];
    slot = std::monostate();
    // The images still in the table leave the rest of the pixel budget.
    pixelsLeft_ = MaxPicturePixels;
    for (const Object& object : objects_) pixelsLeft_ -= PixelsHeld(object);
    enum { BrushObject = 1, PenObject, PathObject, RegionObject, ImageObject, FontObject,
           StringFormatObject, ImageAttributesObject };
    switch (type) {
        case BrushObject: slot = ReadBrush(bytes, pixelsLeft_); break;
        case PenObject: slot = ReadPen(bytes, pixelsLeft_); break;
        case PathObject: slot = ReadPath(bytes); break;
        case RegionObject: slot = ReadRegion(bytes, booleanElementsLeft_); break;
        case ImageObject: slot = ReadImage(bytes, pixelsLeft_); break;
        case FontObject: slot = ReadFont(bytes); break;
        case StringFormatObject: slot = ReadStringFormat(bytes); break;
        case ImageAttributesObject: slot = ImageAttributes{}; break;
        default: break;
    }
}

const Object* Player::object(uint32_t id) const {
    return id < ObjectSlots ? &objects_[id] : nullptr;
}

std::optional<Brush> Player::brush(bool isColour, uint32_t value) const {
    if (isColour) {
        Brush brush;
        brush.colour = QColor(int(value >> 16 & 0xFF), int(value >> 8 & 0xFF), int(value & 0xFF),
                              int(value >> 24));
        return brush;
    }
    const Object* found = object(value);
    if (const Brush* brush = found ? std::get_if<Brush>(found) : nullptr) return *brush;
    return std::nullopt;
}

const Pen* Player::pen(uint32_t id) const {
    const Object* found = object(id);
    return found ? std::get_if<Pen>(found) : nullptr;
}

QBrush Player::qtBrush(const Brush& brush) const {
    const QGradient::Spread spread = brush.wrap == 0   ? QGradient::RepeatSpread
                                     : brush.wrap == 4 ? QGradient::PadSpread
                                                       : QGradient::ReflectSpread;
    QBrush qbrush;
    switch (brush.kind) {
        case Brush::Solid:
            return QBrush(brush.colour);
        case Brush::Hatch:
            return QBrush(brush.colour, hatchStyle(brush.hatch));
        case Brush::Texture:
            qbrush = QBrush(brush.texture);
            break;
        case Brush::LinearGradient: {
            const QRectF& r = brush.rectangle;
            QLinearGradient gradient(r.topLeft(), r.topRight());
            gradient.setStops(brush.stops);
            gradient.setSpread(spread);
            qbrush = QBrush(gradient);
            break;
        }
        case Brush::PathGradient: {
            double radius = 0;
            for (int i = 0; i < brush.boundary.elementCount(); ++i) {
                const QPainterPath::Element e = brush.boundary.elementAt(i);
                radius = std::max(radius, std::hypot(e.x - brush.centre.x(), e.y - brush.centre.y()));
            }
            QRadialGradient gradient(brush.centre, std::max(radius, 1e-3));
            gradient.setStops(brush.stops);
            qbrush = QBrush(gradient);
            break;
        }
    }
    qbrush.setTransform(brush.transform);
    return qbrush;
}

void Player::fill(const QPainterPath& world, const Brush& brush, Qt::FillRule rule) {
    if (world.isEmpty() || !onPage(world.boundingRect())) return;
    QPainterPath path = world;
    path.setFillRule(rule);
    // A path gradient paints inside its boundary only.
    if (brush.kind == Brush::PathGradient) {
        const QPainterPath boundary = brush.transform.map(brush.boundary);
        booleanElementsLeft_ -= path.elementCount() + boundary.elementCount();
        if (booleanElementsLeft_ < 0) throw SkipRecord();
        path = path.intersected(boundary);
    }
    prepare();
    // A hatch lies on its background colour.
    if (brush.kind == Brush::Hatch && brush.back.alpha() > 0) painter_.fillPath(path, brush.back);
    painter_.fillPath(path, qtBrush(brush));
}

void Player::stroke(const QPainterPath& world, const Pen& pen) {
    if (world.isEmpty() || !onPage(world.boundingRect())) return;
    prepare();
    const double scale = std::sqrt(std::abs(painter_.transform().determinant()));
    const double width = pen.width * std::sqrt(std::abs(pen.transform.determinant()));
    QPen qpen(qtBrush(pen.brush), width);
    qpen.setCapStyle(pen.cap);
    qpen.setJoinStyle(pen.join);
    qpen.setMiterLimit(pen.miterLimit);
    if (pen.style == Qt::CustomDashLine) {
        qpen.setDashPattern(pen.dashes);
        qpen.setDashOffset(pen.dashOffset);
    }
    // No line is thinner than a device pixel; smoothed, Qt would draw a
    // thinner one as a faint grey line.
    if (width * scale < 1) {
        qpen.setCosmetic(true);
        qpen.setWidthF(1);
    }
    painter_.setPen(qpen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(world);
}

void Player::clear(const QColor& colour) {
    painter_.resetTransform();
    if (state_.clip)
        painter_.setClipPath(*state_.clip);
    else
        painter_.setClipping(false);
    painter_.fillRect(target_, colour);
}

void Player::image(const Image& image, const QRectF& source, const QPolygonF& corners) {
    if (corners.size() != 3 || !source.isValid() || source.width() == 0 || source.height() == 0)
        return;
    const QPointF across = corners[1] - corners[0], down = corners[2] - corners[0];
    // The source rectangle onto the parallelogram, in world units.
    const QTransform placed =
        QTransform::fromTranslate(-source.left(), -source.top()) *
        QTransform(across.x() / source.width(), across.y() / source.width(),
                   down.x() / source.height(), down.y() / source.height(), corners[0].x(),
                   corners[0].y());
    if (!onPage(placed.mapRect(source))) return;
    prepare();
    const QTransform toTarget = placed * painter_.transform();
    if (!image.bitmap.isNull()) {
        painter_.setTransform(toTarget);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(source, image.bitmap, source);
        return;
    }
    if (!image.metafile || nestedMetafiles >= MaxNestedMetafiles) throw SkipRecord();
    // Counted until the play ends, by whatever way it ends.
    struct Nesting {
        Nesting() { ++nestedMetafiles; }
        ~Nesting() { --nestedMetafiles; }
    } nesting;
    const MetafilePicture picture(image.metafile->bytes);
    const QRectF whole(QPointF(0, 0), QSizeF(picture.width(), picture.height()));
    // Played upright into the bounds of where it lands.
    const QRectF target = (QTransform::fromScale(source.width() / std::max(1.0, whole.width()),
                                                 source.height() / std::max(1.0, whole.height())) *
                           QTransform::fromTranslate(source.left(), source.top()) * toTarget)
                              .mapRect(whole);
    painter_.resetTransform();
    PlayMetafile(picture.structure(), painter_, target);
}

QFont Player::qtFont(const Font& font, double targetScale) const {
    QFont qfont(font.family.isEmpty() ? QStringLiteral("Arial") : font.family);
    // The size in world units: a world-unit size as it stands, any other
    // through the page's unit.
    const double page = unitScale(state_.pageUnit) * state_.pageScale;
    const double worldSize =
        font.unit == UnitWorld ? font.emSize : font.emSize * unitScale(font.unit) / page;
    qfont.setPixelSize(
        std::max(1, int(std::lround(std::min(std::abs(worldSize) * targetScale, MaxFontPixels)))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    return qfont;
}

void Player::text(const QString& text, const Font& font, const Brush& brush, const QRectF& layout,
                  const StringFormat& format) {
    if (text.isEmpty() || !onPage(layout.isEmpty() ? QRectF(layout.topLeft(), QSizeF(1, 1)) : layout))
        return;
    prepare();
    // Letters are set in target pixels, so that their size and hinting are
    // those of the size drawn, then turned and placed by the mapping.
    const QTransform toTarget = painter_.transform();
    const double scale = std::sqrt(std::abs(toTarget.determinant()));
    if (!(scale > 0)) return;
    painter_.setTransform(QTransform::fromScale(1 / scale, 1 / scale) * toTarget);
    const QFont qfont = qtFont(font, scale);
    painter_.setFont(qfont);
    painter_.setPen(QPen(qtBrush(brush), 0));
    constexpr uint32_t NoWrap = 0x1000, NoClip = 0x4000;
    const Qt::Alignment across[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    const Qt::Alignment down[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    int flags = int(across[std::clamp(format.alignment, 0, 2)] |
                    down[std::clamp(format.lineAlignment, 0, 2)]);
    const QRectF box(layout.topLeft() * scale, layout.size() * scale);
    if (layout.width() <= 0 || layout.height() <= 0) {
        // No layout box: the text stands at the point, on one line.
        painter_.drawText(QRectF(box.topLeft(), QSizeF(0, 0)), flags | Qt::TextDontClip, text);
        return;
    }
    if (!(format.flags & NoWrap)) flags |= Qt::TextWordWrap;
    if (format.flags & NoClip) flags |= Qt::TextDontClip;
    painter_.drawText(box, flags, text);
}

void Player::glyphs(const std::vector<char16_t>& glyphs, bool characters,
                    const QPolygonF& positions, bool fromFirstOnly, const Font& font,
                    const Brush& brush, const QTransform& matrix) {
    if (glyphs.empty() || positions.size() != qsizetype(glyphs.size())) return;
    if (!onPage(positions.boundingRect().adjusted(0, 0, 1, 1))) return;
    prepare();
    const QTransform toTarget = matrix * painter_.transform();
    const double scale = std::sqrt(std::abs(toTarget.determinant()));
    if (!(scale > 0) || !std::isfinite(scale)) return;
    painter_.setTransform(QTransform::fromScale(1 / scale, 1 / scale) * toTarget);
    const QFont qfont = qtFont(font, scale);
    painter_.setFont(qfont);
    painter_.setPen(QPen(qtBrush(brush), 0));
    if (characters) {
        const QString text = QString::fromUtf16(glyphs.data(), qsizetype(glyphs.size()));
        if (fromFirstOnly) return painter_.drawText(positions[0] * scale, text);
        for (qsizetype i = 0; i < text.size(); ++i)
            painter_.drawText(positions[i] * scale, QString(text.at(i)));
        return;
    }
    // Glyph numbers name shapes of the typeface they were written with:
    // another's numbers are other letters, so they are drawn only with it.
    const QString requested = font.family.trimmed();
    if (QFontInfo(qfont).family().compare(requested, Qt::CaseInsensitive) != 0) return;
    const QRawFont raw = QRawFont::fromFont(qfont);
    if (!raw.isValid()) return;
    QList<quint32> indexes;
    QList<QPointF> at;
    for (std::size_t i = 0; i < glyphs.size(); ++i) indexes.append(glyphs[i]);
    if (fromFirstOnly) {
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(indexes);
        QPointF pen = positions[0] * scale;
        for (const QPointF& advance : advances) {
            at.append(pen);
            pen += advance;
        }
    } else {
        for (const QPointF& p : positions) at.append(p * scale);
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(indexes);
    run.setPositions(at);
    painter_.drawGlyphRun(QPointF(0, 0), run);
}

void Player::multiplyWorld(const QTransform& by, bool append) {
    state_.world = append ? state_.world * by : by * state_.world;
}

void Player::setPage(int unit, double scale) {
    if (!std::isfinite(scale) || scale <= 0) throw SkipRecord();
    state_.pageUnit = unit;
    state_.pageScale = scale;
}

void Player::save(uint32_t index) {
    if (saved_.size() < MaxSavedStates) saved_.push_back({index, state_});
}

void Player::restore(uint32_t index) {
    for (std::size_t i = saved_.size(); i-- > 0;) {
        if (saved_[i].index != index) continue;
        state_ = saved_[i].state;
        saved_.resize(i);
        return;
    }
}

void Player::beginContainer(const QRectF& destination, const QRectF& source, uint32_t index) {
    save(index);
    if (source.width() == 0 || source.height() == 0) return;
    // The source rectangle maps onto the destination in the world as it was.
    const QTransform into =
        QTransform::fromTranslate(-source.left(), -source.top()) *
        QTransform::fromScale(destination.width() / source.width(),
                              destination.height() / source.height()) *
        QTransform::fromTranslate(destination.left(), destination.top());
    state_.world = into * state_.world;
}

void Player::combineClip(const QPainterPath& target, int mode) {
    enum { Replace, Intersect, Union, Xor, Exclude, Complement };
    if (mode == Replace || (mode == Intersect && !state_.clip)) {
        state_.clip = target;
        return;
    }
    if (mode == Union && !state_.clip) return;
    const QPainterPath current = state_.clip ? *state_.clip : rectanglePath(Everywhere);
    booleanElementsLeft_ -= target.elementCount() + current.elementCount();
    if (booleanElementsLeft_ < 0) throw SkipRecord();
    switch (mode) {
        case Intersect: state_.clip = current.intersected(target); break;
        case Union: state_.clip = current.united(target); break;
        case Xor: state_.clip = current.united(target).subtracted(current.intersected(target)); break;
        case Exclude: state_.clip = current.subtracted(target); break;
        case Complement: state_.clip = target.subtracted(current); break;
        default: throw SkipRecord();
    }
}

void Player::clipTo(const QPainterPath& world, int mode) {
    if (!onPage(world.boundingRect())) throw SkipRecord();
    combineClip(worldToTarget().map(world), mode);
}

void Player::clipToRegion(const Region& region, int mode) {
    if (region.infinite) {
        if (mode == 0 || mode == 2) return resetClip();
        if (mode == 1) return;
        return combineClip(rectanglePath(Everywhere), mode);
    }
    clipTo(region.area, mode);
}

void Player::offsetClip(QPointF world) {
    if (!state_.clip) return;
    const QTransform toTarget = worldToTarget();
    const QPointF by = toTarget.map(world) - toTarget.map(QPointF(0, 0));
    if (!std::isfinite(by.x()) || !std::isfinite(by.y())) throw SkipRecord();
    state_.clip = state_.clip->translated(by);
}

}  // namespace emfplus
