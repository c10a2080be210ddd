// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small metafiles written record by record, so that each test shows exactly
// what it plays.

#include <initializer_list>

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QRect>
#include <QString>

// Little-endian fields.
class Fields {
  public:
    Fields& u16(int value);
    Fields& u32(qint64 value);
    Fields& f32(float value);
    Fields& bytes(const QByteArray& data);
    const QByteArray& data() const { return data_; }

  private:
    QByteArray data_;
};

// An enhanced metafile whose reference device has 10 pixels per millimetre
// and whose frame is 100 x 100 mm: played into a 1000 x 1000 target, one
// device pixel is one target pixel.
class EmfBuilder {
  public:
    EmfBuilder& record(uint32_t type, const Fields& parameters);
    EmfBuilder& record(uint32_t type, std::initializer_list<qint64> parameters);
    QByteArray build() const;

  private:
    QByteArray records_;
    int count_ = 0;
};

// EMF+ records for one comment record of an enhanced metafile.
class EmfPlusRecords {
  public:
    // Starts with the header: dual when the older records draw the same;
    // one EMF+ unit is one EmfBuilder device pixel.
    explicit EmfPlusRecords(bool dual = false);
    EmfPlusRecords& record(uint16_t type, uint16_t flags, const Fields& data = Fields());
    // The comment record's parameters (EmfBuilder::record(70, ...)).
    Fields comment() const;

  private:
    QByteArray records_;
};

// A placeable Windows metafile with the given bounding box and units per
// inch.
class WmfBuilder {
  public:
    WmfBuilder& record(uint16_t function, const Fields& parameters);
    WmfBuilder& record(uint16_t function, std::initializer_list<int> parameters);
    QByteArray build(QRect box, int unitsPerInch) const;
    QByteArray buildWithoutPlaceableHeader() const;

  private:
    QByteArray records_;
};

// A bottom-up BITMAPINFOHEADER bitmap with its colour table, 2 x 2 pixels:
// top-left red, the rest blue, in the given depth. A palette of
// `coloursUsed` entries (at least two) instead of the full one when given.
QByteArray TwoByTwoDib(int bitsPerPixel, bool topDown = false, int coloursUsed = 0);

// A 1 x 1 24-bit bitmap of one colour.
QByteArray OnePixelDib(QRgb colour);

// StretchDIBits parameters: `dib` into the logical rectangle `target`,
// the whole bitmap, with raster operation `rop`. The header with its colour
// table is `headerSize` bytes, or as the header's own fields say when 0.
Fields StretchDiBits(const QByteArray& dib, QRect target, uint32_t rop = 0x00CC0020,
                     int headerSize = 0);

// CreateMonoBrush parameters for object slot `slot`: an 8 x 8 one-bit
// bitmap without colours whose rows, top first, are `rows`.
Fields MonoBrush(int slot, const QList<uint8_t>& rows);

// PolyDraw16 parameters: each point with its type (6 moved to, 2 line,
// 4 one of a curve's three; 1 added closes the figure).
Fields PolyDraw16(const QList<QPair<QPoint, uint8_t>>& points);

// GradientFill parameters: one triangle shaded between coloured corners.
Fields GradientTriangle(const QList<QPair<QPoint, QRgb>>& corners);

// Record parameters the text and shape tests share (EMF).
// LOGFONTW of an ExtCreateFontIndirectW, for object slot `slot`.
Fields LogFontW(int slot, int height, int escapement, const QString& face = "Arial");
// ExtTextOutW at `at` with no clipping rectangle; `advances` empty: none
// given. `bounds` are the record's own device bounds (left, top, right,
// bottom), empty when none.
Fields ExtTextOutW(QPoint at, const QString& text, const QList<int>& advances = {},
                   QRect bounds = QRect());

// A whole metafile played into a white raster of `size` (RGB32 unless
// told), without antialiasing on the caller's painter.
QImage PlayMetafileInto(const QByteArray& file, QSize size,
                        QImage::Format format = QImage::Format_RGB32);

// Small enhanced metafiles, one for each way a player can go wrong with
// rotated text, paths, thin pens, hatches, palettes, raster operations and
// letter spacing: named files for the fuzzer's corpus and the comparison
// sheet.
QList<QPair<QString, QByteArray>> MetafileSamples();
