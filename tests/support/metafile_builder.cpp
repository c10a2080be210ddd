// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/metafile_builder.h"

#include <cstdlib>
#include <cstring>

#include <QColor>
#include <QPainter>

#include "pictures/metafile/metafile_picture.h"
#include "pictures/metafile/record_numbers.h"

Fields& Fields::u16(int value) {
    data_.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
    return *this;
}

Fields& Fields::u32(qint64 value) {
    for (int i = 0; i < 4; ++i) data_.append(char((value >> (8 * i)) & 0xFF));
    return *this;
}

Fields& Fields::f32(float value) {
    quint32 bits;
    std::memcpy(&bits, &value, 4);
    return u32(bits);
}

Fields& Fields::bytes(const QByteArray& data) {
    data_.append(data);
    return *this;
}

EmfBuilder& EmfBuilder::record(uint32_t type, const Fields& parameters) {
    QByteArray body = parameters.data();
    while (body.size() % 4) body.append('\0');
    Fields r;
    r.u32(type).u32(8 + body.size()).bytes(body);
    records_.append(r.data());
    ++count_;
    return *this;
}

EmfBuilder& EmfBuilder::record(uint32_t type, std::initializer_list<qint64> parameters) {
    Fields fields;
    for (qint64 p : parameters) fields.u32(p);
    return record(type, fields);
}

QByteArray EmfBuilder::build() const {
    constexpr int HeaderSize = 88;
    Fields eof;
    eof.u32(14).u32(20).u32(0).u32(0).u32(20);
    Fields header;
    header.u32(1).u32(HeaderSize);
    header.u32(0).u32(0).u32(999).u32(999);      // bounds, device pixels
    header.u32(0).u32(0).u32(10000).u32(10000);  // frame, 0.01 mm
    header.u32(0x464D4520).u32(0x10000);
    header.u32(HeaderSize + records_.size() + eof.data().size()).u32(count_ + 2);
    header.u16(64).u16(0).u32(0).u32(0).u32(0);
    header.u32(1000).u32(1000);  // device size in pixels
    header.u32(100).u32(100);    // and in millimetres
    return header.data() + records_ + eof.data();
}

EmfPlusRecords::EmfPlusRecords(bool dual) {
    record(0x4001, dual ? 1 : 0, Fields().u32(0xDBC01002).u32(1).u32(254).u32(254));
}

EmfPlusRecords& EmfPlusRecords::record(uint16_t type, uint16_t flags, const Fields& data) {
    QByteArray body = data.data();
    while (body.size() % 4) body.append('\0');
    records_.append(
        Fields().u16(type).u16(flags).u32(12 + body.size()).u32(body.size()).bytes(body).data());
    return *this;
}

Fields EmfPlusRecords::comment() const {
    return Fields().u32(4 + records_.size()).u32(0x2B464D45).bytes(records_);
}

WmfBuilder& WmfBuilder::record(uint16_t function, const Fields& parameters) {
    QByteArray body = parameters.data();
    if (body.size() % 2) body.append('\0');
    Fields r;
    r.u32(3 + body.size() / 2).u16(function).bytes(body);
    records_.append(r.data());
    return *this;
}

WmfBuilder& WmfBuilder::record(uint16_t function, std::initializer_list<int> parameters) {
    Fields fields;
    for (int p : parameters) fields.u16(p);
    return record(function, fields);
}

QByteArray WmfBuilder::buildWithoutPlaceableHeader() const {
    const QByteArray eof = Fields().u32(3).u16(0).data();
    Fields header;
    header.u16(1)
        .u16(9)
        .u16(0x0300)
        .u32((18 + records_.size() + eof.size()) / 2)
        .u16(16)
        .u32(64)
        .u16(0);
    return header.data() + records_ + eof;
}

QByteArray WmfBuilder::build(QRect box, int unitsPerInch) const {
    Fields placeable;
    placeable.u32(0x9AC6CDD7).u16(0);
    placeable.u16(box.left()).u16(box.top()).u16(box.right() + 1).u16(box.bottom() + 1);
    placeable.u16(unitsPerInch).u32(0).u16(0);
    return placeable.data() + buildWithoutPlaceableHeader();
}

Fields PolyDraw16(const QList<QPair<QPoint, uint8_t>>& points) {
    Fields f;
    f.u32(0).u32(0).u32(0).u32(0).u32(points.size());  // bounds, count
    QByteArray types;
    for (const auto& [p, type] : points) {
        f.u16(p.x()).u16(p.y());
        types.append(char(type));
    }
    return f.bytes(types);
}

QByteArray TwoByTwoDib(int bits, bool topDown, int coloursUsed) {
    const QRgb red = 0xFF0000, blue = 0x0000FF;
    // Rows from the bottom unless top-down: bottom row blue blue, top row red blue.
    const QRgb rows[2][2] = {{topDown ? red : blue, blue}, {topDown ? blue : red, blue}};
    Fields dib;
    const int colours = bits > 8 ? 0 : coloursUsed > 0 ? coloursUsed : (1 << bits);
    dib.u32(40).u32(2).u32(topDown ? -2 : 2).u16(1).u16(bits).u32(0).u32(0).u32(2835).u32(2835);
    dib.u32(coloursUsed).u32(0);
    if (colours) {
        dib.u32(red).u32(blue);  // index 0 red, 1 blue
        for (int i = 2; i < colours; ++i) dib.u32(0);
    }
    for (const auto& row : rows) {
        QByteArray line;
        for (int x = 0; x < 2; ++x) {
            const QRgb c = row[x];
            const int index = c == red ? 0 : 1;
            switch (bits) {
                case 1:
                    if (x == 0) line.append(char(index << 7 | 1 << 6));
                    break;
                case 4:
                    if (x == 0) line.append(char(index << 4 | 1));
                    break;
                case 8:
                    line.append(char(index));
                    break;
                case 16: {
                    const int v = (qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3;
                    line.append(char(v & 0xFF)).append(char(v >> 8));
                    break;
                }
                case 24:
                    line.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
                    break;
                case 32:
                    line.append(char(qBlue(c)))
                        .append(char(qGreen(c)))
                        .append(char(qRed(c)))
                        .append('\0');
                    break;
            }
        }
        while (line.size() % 4) line.append('\0');
        dib.bytes(line);
    }
    return dib.data();
}

Fields LogFontW(int slot, int height, int escapement, const QString& face) {
    Fields font;
    font.u32(slot).u32(height).u32(0).u32(escapement).u32(escapement).u32(400).u32(0).u32(0);
    for (int i = 0; i < 32; ++i) font.u16(i < face.size() ? face.at(i).unicode() : 0);
    return font;
}

Fields ExtTextOutW(QPoint at, const QString& text, const QList<int>& advances, QRect bounds) {
    constexpr int StringAt = 76;  // record header, bounds, mode, scales, EMRTEXT
    const int count = int(text.size());
    const int stringBytes = (count * 2 + 3) / 4 * 4;
    Fields f;
    if (bounds.isValid())
        f.u32(bounds.left()).u32(bounds.top()).u32(bounds.right()).u32(bounds.bottom());
    else
        f.u32(0).u32(0).u32(-1).u32(-1);
    f.u32(1).f32(1).f32(1);  // advanced graphics mode, scales
    f.u32(at.x()).u32(at.y()).u32(count).u32(StringAt).u32(0);
    f.u32(0).u32(0).u32(-1).u32(-1);  // no rectangle
    f.u32(advances.isEmpty() ? 0 : StringAt + stringBytes);
    QByteArray string;
    for (QChar c : text) string.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    while (string.size() < stringBytes) string.append('\0');
    f.bytes(string);
    for (int advance : advances) f.u32(advance);
    return f;
}

QImage PlayMetafileInto(const QByteArray& file, QSize size, QImage::Format format) {
    const MetafilePicture picture(file);
    QImage image(size, format);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    picture.drawStretched(painter, QRect(QPoint(0, 0), size));
    return image;
}

QByteArray OnePixelDib(QRgb colour) {
    Fields dib;
    dib.u32(40).u32(1).u32(1).u16(1).u16(24).u32(0).u32(0).u32(2835).u32(2835).u32(0).u32(0);
    dib.bytes(QByteArray(1, char(qBlue(colour))))
        .bytes(QByteArray(1, char(qGreen(colour))))
        .bytes(QByteArray(1, char(qRed(colour))))
        .bytes(QByteArray(1, '\0'));
    return dib.data();
}

Fields StretchDiBits(const QByteArray& dib, QRect target, uint32_t rop, int headerSize) {
    constexpr int Offset = 80;  // record header and parameters
    auto field = [&dib](int at) {
        qint32 value;
        std::memcpy(&value, dib.constData() + at, 4);
        return value;
    };
    const int bits = field(14) & 0xFFFF, used = field(32);
    if (headerSize == 0) headerSize = 40 + 4 * (bits > 8 ? 0 : used ? used : 1 << bits);
    const int width = field(4), height = std::abs(field(8));
    Fields f;
    f.u32(0).u32(0).u32(0).u32(0);                    // bounds
    f.u32(target.x()).u32(target.y()).u32(0).u32(0);  // destination, source corner
    f.u32(width).u32(height);                         // source size
    f.u32(Offset).u32(headerSize).u32(Offset + headerSize).u32(dib.size() - headerSize);
    f.u32(0).u32(rop).u32(target.width()).u32(target.height());
    f.bytes(dib);
    return f;
}

Fields MonoBrush(int slot, const QList<uint8_t>& rows) {
    constexpr int Side = 8, HeaderSize = 40, DataAt = 32, RowBytes = 4;
    constexpr int DibPaletteIndices = 2;
    Fields header;
    header.u32(HeaderSize).u32(Side).u32(Side).u16(1).u16(1);  // size, width, height, planes, bits
    header.u32(0).u32(Side * RowBytes).u32(0).u32(0).u32(0).u32(0);
    QByteArray bits;
    for (int row = Side - 1; row >= 0; --row)  // bottom-up
        bits += QByteArray(1, char(rows.value(row))) + QByteArray(RowBytes - 1, '\0');
    Fields f;
    f.u32(slot).u32(DibPaletteIndices);
    f.u32(DataAt).u32(HeaderSize).u32(DataAt + HeaderSize).u32(bits.size());
    f.bytes(header.data()).bytes(bits);
    return f;
}

Fields GradientTriangle(const QList<QPair<QPoint, QRgb>>& corners) {
    constexpr int Triangle = 2;
    Fields f;
    f.u32(0).u32(0).u32(0).u32(0).u32(corners.size()).u32(1).u32(Triangle);
    for (const auto& [at, colour] : corners)
        f.u32(at.x())
            .u32(at.y())
            .u16(qRed(colour) << 8)
            .u16(qGreen(colour) << 8)
            .u16(qBlue(colour) << 8)
            .u16(0);
    f.u32(0).u32(1).u32(2);
    return f;
}

namespace {

constexpr qint64 SampleNullPen = 0x80000008;

// Logical y grows upward: logical (x, y) lands at device (x, 1000 - y).
void flipY(EmfBuilder& emf) {
    emf.record(emf_record::SetMapMode, {8});
    emf.record(emf_record::SetWindowOrgEx, {0, 0})
        .record(emf_record::SetWindowExtEx, {1000, -1000});
    emf.record(emf_record::SetViewportOrgEx, {0, 1000})
        .record(emf_record::SetViewportExtEx, {1000, 1000});
}

void text(EmfBuilder& emf, int slot, const QString& face, int height, int escapement, QPoint at,
          const QString& words, const QList<int>& advances = {}) {
    emf.record(emf_record::ExtCreateFontIndirectW, LogFontW(slot, height, escapement, face));
    emf.record(emf_record::SelectObject, {slot});
    emf.record(emf_record::ExtTextOutW, ExtTextOutW(at, words, advances));
}

}  // namespace

QList<QPair<QString, QByteArray>> MetafileSamples() {
    QList<QPair<QString, QByteArray>> samples;

    EmfBuilder axes;
    flipY(axes);
    axes.record(emf_record::SetBkMode, {1});
    axes.record(emf_record::CreatePen, {1, 0, 3, 0, 0});
    axes.record(emf_record::SelectObject, {1});
    axes.record(emf_record::MoveToEx, {200, 800}).record(emf_record::LineTo, {200, 200});
    axes.record(emf_record::LineTo, {900, 200});
    // Under the flipped axis 900 reads downward, 2700 upward.
    text(axes, 2, "Arial", -40, 900, QPoint(120, 800), "Value axis (900)");
    text(axes, 3, "Arial", -40, 2700, QPoint(930, 250), "Second axis (2700)");
    text(axes, 4, "Arial", -40, 0, QPoint(350, 150), "Category axis");
    samples.append({"rotated_text_flipped_axis.emf", axes.build()});

    EmfBuilder path;
    path.record(emf_record::CreatePen, {1, 0, 9, 0, 0xFF0000})
        .record(emf_record::SelectObject, {1});
    path.record(emf_record::CreateBrushIndirect, {2, 0, 0x0000FF, 0})
        .record(emf_record::SelectObject, {2});
    path.record(emf_record::BeginPath, {});
    path.record(emf_record::MoveToEx, {100, 100}).record(emf_record::LineTo, {450, 150});
    path.record(emf_record::LineTo, {200, 450}).record(emf_record::CloseFigure, {});
    path.record(emf_record::MoveToEx, {600, 600}).record(emf_record::LineTo, {900, 600});
    path.record(emf_record::LineTo, {900, 900}).record(emf_record::LineTo, {600, 900});
    path.record(emf_record::CloseFigure, {});
    path.record(emf_record::EndPath, {}).record(emf_record::StrokeAndFillPath, {0, 0, 0, 0});
    Fields polygon;
    polygon.u32(0).u32(0).u32(0).u32(0).u32(3);
    for (QPoint p : {QPoint(600, 100), QPoint(950, 150), QPoint(700, 450)})
        polygon.u16(p.x()).u16(p.y());
    path.record(emf_record::Polygon16, polygon);
    samples.append({"path_of_lines.emf", path.build()});

    EmfBuilder thin;
    thin.record(emf_record::SetMapMode, {8});
    thin.record(emf_record::SetWindowExtEx, {10000, 10000})
        .record(emf_record::SetViewportExtEx, {1000, 1000});
    thin.record(emf_record::CreatePen, {1, 0, 1, 0, 0x000080})
        .record(emf_record::SelectObject, {1});
    thin.record(emf_record::SelectObject, {0x80000005});  // the null brush
    for (int i = 0; i < 8; ++i)
        thin.record(emf_record::Rectangle,
                    {1000 + i * 400, 1000 + i * 400, 9000 - i * 400, 9000 - i * 400});
    thin.record(emf_record::CreatePen, {2, 0, 0, 0, 0x008000})
        .record(emf_record::SelectObject, {2});
    thin.record(emf_record::MoveToEx, {500, 500}).record(emf_record::LineTo, {9500, 9500});
    samples.append({"thin_pens.emf", thin.build()});

    EmfBuilder hatches;
    hatches.record(0x18, {0x00FF00}).record(0x19, {0xFF0000});  // text and background colours
    hatches.record(emf_record::SelectObject, {SampleNullPen});
    for (int hatch = 0; hatch < 12; ++hatch) {
        hatches.record(emf_record::CreateBrushIndirect, {1 + hatch, 2, 0x0000FF, hatch});
        hatches.record(emf_record::SelectObject, {1 + hatch});
        const int x = 50 + (hatch % 4) * 240, y = 50 + (hatch / 4) * 320;
        hatches.record(emf_record::Rectangle, {x, y, x + 200, y + 280});
    }
    samples.append({"hatch_styles.emf", hatches.build()});

    EmfBuilder palette;
    QByteArray cut = TwoByTwoDib(8, false, 2);
    cut.replace(32, 4, QByteArray(4, '\0'));
    palette.record(emf_record::StretchDiBits,
                   StretchDiBits(cut, QRect(100, 100, 800, 800), 0x00CC0020, 48));
    samples.append({"short_colour_table.emf", palette.build()});

    EmfBuilder idiom;
    idiom.record(emf_record::CreateBrushIndirect, {1, 0, 0x60A020, 0})
        .record(emf_record::SelectObject, {1});
    idiom.record(emf_record::SelectObject, {SampleNullPen});
    idiom.record(emf_record::Rectangle, {0, 0, 1000, 1000});
    idiom.record(emf_record::SetMapMode, {8});
    idiom.record(emf_record::SetWindowExtEx, {3000, 3000})
        .record(emf_record::SetViewportExtEx, {1000, 1000});
    const QRect target(301, 302, 2400, 2401);
    // The picture's red corner stays; where the mask is white, the
    // background shows through unchanged.
    QByteArray mask = TwoByTwoDib(1);
    mask.replace(40, 8, Fields().u32(0x000000).u32(0xFFFFFF).data());
    idiom.record(emf_record::StretchDiBits, StretchDiBits(TwoByTwoDib(24), target, 0x00660046));
    idiom.record(emf_record::StretchDiBits, StretchDiBits(mask, target, 0x008800C6));
    idiom.record(emf_record::StretchDiBits, StretchDiBits(TwoByTwoDib(24), target, 0x00660046));
    samples.append({"xor_and_xor.emf", idiom.build()});

    EmfBuilder cells;
    cells.record(emf_record::SetBkMode, {1});
    const QList<int> wide(14, 40);
    text(cells, 1, "Arial", -40, 0, QPoint(50, 100), "Y- axis title", wide);
    text(cells, 2, "No Such Typeface", -40, 0, QPoint(50, 300), "Y- axis title", wide);
    text(cells, 3, "Arial", -40, 0, QPoint(50, 500), "Y- axis title");
    samples.append({"letter_cells.emf", cells.build()});

    // Bars filled as a chart tool fills them: one-bit brushes drawn in the
    // text colour set before each, on the background colour.
    EmfBuilder bars;
    bars.record(emf_record::SetBkMode, {1});
    const QList<QList<uint8_t>> patterns{{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55},
                                         {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},
                                         {0x7F, 0xBF, 0xDF, 0xEF, 0xF7, 0xFB, 0xFD, 0xFE}};
    const QList<int> inks{0xD30094, 0x739E00, 0xE9B456};
    for (int bar = 0; bar < 3; ++bar) {
        bars.record(emf_record::SetTextColor, {inks[bar]});
        bars.record(emf_record::CreateMonoBrush, MonoBrush(1 + bar, patterns[bar]));
        bars.record(emf_record::SelectObject, {1 + bar});
        bars.record(emf_record::Rectangle,
                    {100 + bar * 300, 900 - (bar + 2) * 200, 300 + bar * 300, 900});
    }
    samples.append({"mono_brush_bars.emf", bars.build()});

    EmfBuilder shaded;
    shaded.record(emf_record::GradientFill, GradientTriangle({{{100, 900}, 0xffff0000},
                                                        {{900, 900}, 0xff00ff00},
                                                        {{500, 100}, 0xff0000ff}}));
    samples.append({"gradient_triangle.emf", shaded.build()});

    // A drop and a box with a curved lid in one PolyDraw, filled as a path,
    // then the same kind of figure stroked outside one.
    constexpr uint8_t MoveTo = 6, LineTo = 2, BezierTo = 4, Close = 1;
    EmfBuilder drawn;
    drawn.record(emf_record::CreatePen, {1, 0, 9, 0, 0x800000})
        .record(emf_record::SelectObject, {1});
    drawn.record(emf_record::CreateBrushIndirect, {2, 0, 0x00A0FF, 0})
        .record(emf_record::SelectObject, {2});
    drawn.record(emf_record::BeginPath, {});
    drawn.record(emf_record::PolyDraw16,
                 PolyDraw16({{{250, 100}, MoveTo}, {{450, 350}, BezierTo}, {{450, 450}, BezierTo},
                           {{250, 450}, BezierTo}, {{50, 450}, BezierTo}, {{50, 350}, BezierTo},
                           {{250, 100}, BezierTo | Close}, {{550, 300}, MoveTo},
                           {{650, 100}, BezierTo}, {{850, 100}, BezierTo}, {{950, 300}, BezierTo},
                           {{950, 450}, LineTo}, {{550, 450}, LineTo | Close}}));
    drawn.record(emf_record::EndPath, {}).record(emf_record::StrokeAndFillPath, {0, 0, 0, 0});
    drawn.record(emf_record::PolyDraw16,
                 PolyDraw16({{{100, 600}, MoveTo}, {{300, 900}, LineTo}, {{500, 600}, BezierTo},
                           {{700, 600}, BezierTo}, {{900, 900}, BezierTo | Close}}));
    samples.append({"poly_draw.emf", drawn.build()});
    return samples;
}
