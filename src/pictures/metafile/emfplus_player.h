// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing side of EMF+ records: the object table of 64 slots with
// objects that span several records, the world and page transforms, the
// stack of saved states and containers, clipping, and fills, outlines,
// images and text drawn onto the painter through the same mapping onto
// the target as the older records.

#include <array>
#include <optional>
#include <vector>

#include <QPainter>

#include "pictures/metafile/emfplus_objects.h"

namespace emfplus {

class Player {
  public:
    // `deviceToTarget` maps the reference device's pixels onto `target`;
    // `devicePixelsPerMm` is that device's resolution.
    Player(QPainter& painter, const QRectF& target, const QTransform& deviceToTarget,
           QSizeF devicePixelsPerMm);

    // The header: whether its reference device was a screen, where display
    // units are pixels, and whether the older records draw the same picture.
    void header(bool videoDisplay, bool dual);
    bool started() const { return started_; }

    // Older records are drawn after GetDC, until the next EMF+ record. In a
    // dual file they also stand in for an EMF+ drawing record that could
    // not be drawn (or records lost to damage), until the next one that is.
    void recordPlayed(bool getDc, bool draws, bool drawn);
    bool olderRecordsDrawn() const { return olderRecords_ != OlderRecords::Skipped; }

    // Objects: one record's part; complete when the last part has come.
    void objectPart(int id, int type, bool continues, const ByteView& data);
    const Object* object(uint32_t id) const;

    // A brush from a record: a colour when `isColour`, else a slot.
    std::optional<Brush> brush(bool isColour, uint32_t value) const;
    const Pen* pen(uint32_t id) const;

    void fill(const QPainterPath& world, const Brush& brush, Qt::FillRule rule = Qt::OddEvenFill);
    void stroke(const QPainterPath& world, const Pen& pen);
    void clear(const QColor& colour);
    // An image's `source` rectangle onto the parallelogram of `corners`
    // (upper-left, upper-right, lower-left).
    void image(const Image& image, const QRectF& source, const QPolygonF& corners);
    void text(const QString& text, const Font& font, const Brush& brush, const QRectF& layout,
              const StringFormat& format);
    void glyphs(const std::vector<char16_t>& glyphs, bool characters, const QPolygonF& positions,
                bool fromFirstOnly, const Font& font, const Brush& brush,
                const QTransform& matrix);

    // Transforms: the world's, set, multiplied (after the current one when
    // `append`) or reset; the page's unit and scale.
    QTransform& world() { return state_.world; }
    void multiplyWorld(const QTransform& by, bool append);
    void setPage(int unit, double scale);

    void save(uint32_t index);
    void restore(uint32_t index);
    void beginContainer(const QRectF& destination, const QRectF& source, uint32_t index);

    // Combine modes: replace, intersect, union, xor, exclude, complement.
    void clipTo(const QPainterPath& world, int mode);
    void clipToRegion(const Region& region, int mode);
    void resetClip() { state_.clip.reset(); }
    void offsetClip(QPointF world);

    void setAntialiasing(bool on) { state_.antialiased = on; }

    static constexpr int ObjectSlots = 64;

  private:
    struct State {
        QTransform world;
        int pageUnit = UnitDisplay;
        double pageScale = 1;
        std::optional<QPainterPath> clip;  // target coordinates; none: unclipped
        bool antialiased = false;
    };
    struct Saved {
        uint32_t index;
        State state;
    };
    struct PendingObject {
        int type = 0;
        qint64 total = 0;
        QByteArray bytes;
    };

    // Device pixels per unit.
    double unitScale(int unit) const;
    // World units onto the target.
    QTransform worldToTarget() const;
    void prepare();
    bool onPage(const QRectF& world) const;
    void combineClip(const QPainterPath& target, int mode);
    QBrush qtBrush(const Brush& brush) const;
    QFont qtFont(const Font& font, double targetScale) const;
    void store(int id, int type, const ByteView& bytes);

    QPainter& painter_;
    QRectF target_;
    QTransform deviceToTarget_;
    QSizeF devicePixelsPerMm_;
    bool videoDisplay_ = true;
    bool started_ = false, dual_ = false;
    enum class OlderRecords { Skipped, AfterGetDc, InsteadOfFailed };
    OlderRecords olderRecords_ = OlderRecords::AfterGetDc;
    State state_;
    std::vector<Saved> saved_;
    std::array<Object, ObjectSlots> objects_;
    std::array<PendingObject, ObjectSlots> pending_;
    // Pixels the images in the table may still hold.
    long long pixelsLeft_;
    // Outline elements that boolean operations (clips, regions, path
    // gradients) may still work on in this drawing.
    long long booleanElementsLeft_;
};

}  // namespace emfplus
