// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <limits>

#include <QDir>
#include <QFile>
#include <QPainter>

#include "base/sleevix_error.h"
#include "pictures/metafile/metafile_picture.h"
#include "pictures/metafile/record_numbers.h"
#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "support/image_probe.h"
#include "support/metafile_builder.h"
#include "support/qt_printers.h"

namespace {

// EMF record types and WMF functions the fixtures use.
constexpr QRgb White = 0xffffffff;
constexpr QRgb Red = 0xffff0000;
constexpr QRgb Blue = 0xff0000ff;
const QString ReferenceFolder = QStringLiteral("../shared/testdata/metafiles");

QImage play(const QByteArray& file, QSize target) {
    const MetafilePicture picture(file);
    QImage image(target, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    picture.drawStretched(painter, QRect(QPoint(0, 0), target));
    return image;
}

QImage playEmf(const EmfBuilder& emf) {
    return play(emf.build(), QSize(1000, 1000));
}

// A red solid brush and null pen, so that shapes show as exact red areas.
EmfBuilder& redFill(EmfBuilder& emf) {
    emf.record(emf_record::CreateBrushIndirect, {1, 0, 0x0000FF, 0});
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::SelectObject, {0x80000008});  // the null pen
    return emf;
}

QString errorOf(const QByteArray& file) {
    try {
        MetafilePicture picture(file);
    } catch (const SleevixError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
           std::abs(qBlue(a) - qBlue(b)) <= 8;
}

// The reference metafiles lie beside the clone; without them the tests
// that read them have nothing to check.
#define SKIP_WITHOUT_REFERENCE_FILES()                                                   \
    if (!QDir(ReferenceFolder).exists())                                                 \
    GTEST_SKIP() << "reference metafiles not found at " << ReferenceFolder.toStdString() \
                 << " (beside the clone)"

QString referencePath(const QString& name) {
    return QDir(ReferenceFolder).filePath(name);
}

QByteArray referenceFile(const QString& name) {
    QFile file(referencePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Polygon16: bounds, count, points.
Fields polygon16(std::initializer_list<QPoint> points) {
    Fields f;
    f.u32(0).u32(0).u32(0).u32(0).u32(qint64(points.size()));
    for (QPoint p : points) f.u16(p.x()).u16(p.y());
    return f;
}

}  // namespace

TEST(Metafile, NaturalSizesComeFromTheFrameTheBoxOrTheWindow) {
    EXPECT_EQ(MetafilePicture(EmfBuilder().build()).width(), 378);  // 100 mm
    WmfBuilder wmf;
    EXPECT_EQ(MetafilePicture(wmf.build(QRect(0, 0, 1440, 720), 1440)).width(), 96);
    EXPECT_EQ(MetafilePicture(wmf.build(QRect(0, 0, 1440, 720), 1440)).height(), 48);
    EXPECT_EQ(MetafilePicture(wmf.build(QRect(0, 0, 300, 150), 100)).width(), 288);
    WmfBuilder windowed;
    windowed.record(0x020C, {1440, 2880});  // SetWindowExt: y, x
    const MetafilePicture bare(windowed.buildWithoutPlaceableHeader());
    EXPECT_EQ(QSize(bare.width(), bare.height()), QSize(192, 96));
}

TEST(Metafile, EachMappingModePutsTheSameRectangleInPlace) {
    const struct {
        const char* name;
        int mode;
        QRect logical;  // corners
        std::initializer_list<qint64> window, viewport;
    } cases[] = {
        {"text", 1, {100, 100, 100, 200}, {}, {}},
        {"lometric", 2, {100, -100, 100, -200}, {}, {}},
        {"himetric", 3, {1000, -1000, 1000, -2000}, {}, {}},
        {"hienglish", 5, {394, -394, 394, -787}, {}, {}},  // 0.001 inch
        {"twips", 6, {567, -567, 567, -1134}, {}, {}},
        {"anisotropic", 8, {1, 1, 1, 2}, {10, 10}, {1000, 1000}},
        {"isotropic", 7, {2, 2, 2, 4}, {10, 20}, {1000, 1000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EmfBuilder emf;
        emf.record(emf_record::SetMapMode, {c.mode});
        if (c.window.size()) emf.record(emf_record::SetWindowExtEx, c.window);
        if (c.viewport.size()) emf.record(emf_record::SetViewportExtEx, c.viewport);
        redFill(emf);
        const QRect r = c.logical;
        emf.record(emf_record::Rectangle, {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()});
        const QRect ink = InkBounds(playEmf(emf));
        EXPECT_NEAR(ink.left(), 100, 1);
        EXPECT_NEAR(ink.top(), 100, 1);
        EXPECT_NEAR(ink.right(), 199, 1);
        EXPECT_NEAR(ink.bottom(), 299, 1) << ink.bottom();
    }
}

TEST(Metafile, TextStaysUprightWhenTheAxisIsFlipped) {
    auto textAt = [](int mode, int y) {
        EmfBuilder emf;
        emf.record(emf_record::SetMapMode, {mode});
        Fields font;
        font.u32(1).u32(-50).u32(0).u32(0).u32(0).u32(400).u32(0).u32(0);
        for (char16_t c : u"Arial") font.u16(c);
        for (int i = 5; i < 32; ++i) font.u16(0);
        emf.record(emf_record::ExtCreateFontIndirectW, font);
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::SetBkMode, {1});
        Fields text;
        text.u32(0).u32(0).u32(0).u32(0).u32(1).f32(1).f32(1);  // bounds, mode, scales
        text.u32(100).u32(y).u32(1).u32(76).u32(0);             // point, count, text, options
        text.u32(0).u32(0).u32(0).u32(0).u32(0);                // rectangle, no advances
        text.u16('T').u16(0);
        emf.record(emf_record::ExtTextOutW, text);
        return playEmf(emf);
    };
    const QImage downward = textAt(1, 100);  // y grows downward
    const QImage upward = textAt(2, -100);   // y grows upward, same place
    const QRect ink = InkBounds(downward);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(InkBounds(upward), ink);
    // A "T" has its bar on top: the top row carries more ink than the bottom.
    auto inkIn = [](const QImage& image, int y) {
        int count = 0;
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != White;
        return count;
    };
    EXPECT_GT(inkIn(upward, ink.top() + 2), inkIn(upward, ink.bottom() - 2) * 2);
}

TEST(Metafile, FillModesDecideWhetherANestedSquareIsAHole) {
    for (int mode : {1, 2}) {
        EmfBuilder emf;
        emf.record(emf_record::SetPolyFillMode, {mode});
        redFill(emf);
        Fields shapes;
        shapes.u32(0).u32(0).u32(0).u32(0).u32(2).u32(8).u32(4).u32(4);
        for (QPoint p : {QPoint(100, 100), QPoint(400, 100), QPoint(400, 400), QPoint(100, 400),
                         QPoint(200, 200), QPoint(300, 200), QPoint(300, 300), QPoint(200, 300)})
            shapes.u16(p.x()).u16(p.y());
        emf.record(emf_record::PolyPolygon16, shapes);
        const QImage image = playEmf(emf);
        EXPECT_EQ(image.pixel(150, 150), Red);
        EXPECT_EQ(image.pixel(250, 250), mode == 1 ? White : Red) << mode;
    }
}

TEST(Metafile, PenWidthsAreInLogicalUnits) {
    EmfBuilder emf;
    emf.record(emf_record::CreatePen, {1, 0x00000200 /* flat ends */, 20, 0, 0x0000FF});
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::MoveToEx, {100, 500});
    emf.record(emf_record::LineTo, {900, 500});
    const QRect ink = InkBounds(playEmf(emf));
    EXPECT_NEAR(ink.height(), 20, 1);
    EXPECT_NEAR(ink.width(), 800, 1);
}

TEST(Metafile, ClippingIsKeptRightAcrossSaveAndRestore) {
    EmfBuilder emf;
    redFill(emf);
    emf.record(emf_record::SaveDc, {});
    emf.record(emf_record::IntersectClipRect, {0, 0, 300, 300});
    emf.record(emf_record::Rectangle, {100, 100, 500, 500});  // clipped
    emf.record(emf_record::RestoreDc, {-1});
    emf.record(emf_record::Rectangle, {600, 600, 700, 700});  // no longer clipped
    const QImage image = playEmf(emf);
    EXPECT_EQ(image.pixel(250, 250), Red);
    EXPECT_EQ(image.pixel(350, 350), White);
    EXPECT_EQ(image.pixel(650, 650), Red);
}

TEST(Metafile, BitmapsOfEveryDepthAndOrientationLandInTheirRectangle) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bits << (topDown ? " top-down" : " bottom-up"));
            const QByteArray dib = TwoByTwoDib(bits, topDown);
            const int headerSize = 40 + (bits <= 8 ? 4 * (1 << bits) : 0);
            constexpr int Offset = 80;  // record header and parameters
            Fields f;
            f.u32(0).u32(0).u32(0).u32(0);      // bounds
            f.u32(100).u32(200).u32(0).u32(0);  // destination, source corner
            f.u32(2).u32(2);                    // source size
            f.u32(Offset).u32(headerSize).u32(Offset + headerSize).u32(dib.size() - headerSize);
            f.u32(0).u32(0x00CC0020).u32(400).u32(200);  // colours, copy, destination size
            f.bytes(dib);
            EmfBuilder emf;
            emf.record(emf_record::StretchDiBits, f);
            const QImage image = playEmf(emf);
            EXPECT_EQ(InkBounds(image), QRect(100, 200, 400, 200));
            // 16 bits keep five bits a channel: 255 comes back as 248.
            EXPECT_TRUE(near(image.pixel(150, 250), Red));
            EXPECT_TRUE(near(image.pixel(450, 250), Blue));
            EXPECT_TRUE(near(image.pixel(150, 350), Blue));
        }
    }
}

TEST(Metafile, WmfShapesMapTheirWindowOntoThePicture) {
    WmfBuilder wmf;
    wmf.record(0x020B, {0, 0});      // SetWindowOrg
    wmf.record(0x020C, {100, 100});  // SetWindowExt: 100 x 100 units
    Fields brush;
    brush.u16(0).u32(0x0000FF).u16(0);
    wmf.record(0x02FC, brush);            // CreateBrushIndirect: red
    wmf.record(0x012D, {0});              // SelectObject
    wmf.record(0x02FA, {5, 0, 0, 0, 0});  // CreatePenIndirect: null pen
    wmf.record(0x012D, {1});
    wmf.record(0x041B, {75, 75, 25, 25});  // Rectangle: bottom, right, top, left
    const QImage image = play(wmf.build(QRect(0, 0, 100, 100), 96), QSize(200, 200));
    EXPECT_EQ(InkBounds(image), QRect(50, 50, 100, 100));
    EXPECT_EQ(image.pixel(100, 100), Red);
}

TEST(Metafile, ReferenceFilesRenderWithInkWhereTheirShapesAre) {
    SKIP_WITHOUT_REFERENCE_FILES();
    const QStringList names = QDir(ReferenceFolder).entryList({"*.wmf", "*.emf"}, QDir::Files);
    ASSERT_GE(names.size(), 12) << "reference metafiles not found beside the clone";
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const auto picture = LoadPictureBitmap(referencePath(name));
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->bitsPerPixel(), 24);
        EXPECT_EQ(QSize(picture->width(), picture->height()), QSize(1122, 794));
        // The EMF+ file too, which carries no ordinary records beside its EMF+ ones.
        EXPECT_GT(InkBounds(picture->pixels()).width(), 500);
    }
    // The mapping-mode files draw one drawing eight ways.
    const auto text = LoadPictureBitmap(referencePath("test_mm_text_ref.emf"));
    for (const char* mode : {"lometric", "himetric", "twips", "anisotropic", "isotropic"}) {
        const auto other =
            LoadPictureBitmap(referencePath(QStringLiteral("test_mm_%1_ref.emf").arg(mode)));
        EXPECT_EQ(InkBounds(other->pixels()), InkBounds(text->pixels())) << mode;
    }
}

TEST(Metafile, DamagedFilesGiveAnErrorOrAPartialPictureNeverACrash) {
    SKIP_WITHOUT_REFERENCE_FILES();
    const QByteArray emf = referenceFile("test_libuemf_ref.emf");
    const QByteArray wmf = referenceFile("test_libuemf_ref.wmf");
    ASSERT_FALSE(emf.isEmpty());
    ASSERT_FALSE(wmf.isEmpty());

    // Cut at record boundaries: each of the first records, where the header
    // and the first objects are, then at a stride through the rest. Playing
    // every prefix is quadratic in the file's length; the fuzzers cover the
    // cuts in between.
    constexpr int EveryBoundaryUpTo = 16;
    constexpr int MaxCutsPerFile = 48;
    const auto playCuts = [](const QByteArray& file, const MetafileStructure& structure) {
        const qsizetype records = structure.records.size();
        const qsizetype stride = std::max<qsizetype>(1, records / MaxCutsPerFile);
        for (qsizetype i = 0; i < records; ++i) {
            if (i > EveryBoundaryUpTo && i % stride != 0 && i != records - 1) continue;
            const qsizetype cut = structure.records[i].bytes.data() - file.constData();
            if (cut == 0) continue;
            const QByteArray part = file.left(cut);
            if (errorOf(part) == "(no error)") play(part, QSize(200, 150));
        }
    };
    const MetafileStructure emfRecords = ParseMetafile(emf);
    const MetafileStructure wmfRecords = ParseMetafile(wmf);
    playCuts(emf, emfRecords);
    playCuts(wmf, wmfRecords);

    QByteArray zero = emf;
    const qsizetype second = emfRecords.records[1].bytes.data() - emf.constData();
    zero.replace(second + 4, 4, QByteArray(4, '\0'));
    EXPECT_EQ(errorOf(zero), "Invalid metafile: record 2 has a bad size");

    QByteArray past = emf;
    past.replace(second + 4, 4, QByteArray("\x00\x00\x00\x7F", 4));
    EXPECT_EQ(errorOf(past), "Invalid metafile: record 2 runs past the end of the file");

    QByteArray wmfZero = wmf;
    const qsizetype firstWmf = wmfRecords.records[0].bytes.data() - wmf.constData();
    wmfZero.replace(firstWmf, 4, QByteArray(4, '\0'));
    EXPECT_EQ(errorOf(wmfZero), "Invalid metafile: record 1 has a bad size");

    EXPECT_EQ(errorOf("not a metafile at all"),
              "Invalid metafile: this is neither a Windows metafile nor an enhanced metafile");
    EXPECT_EQ(errorOf(emf.left(60)), "Invalid metafile: the header is damaged");
    // Records of which none draws here are said to be so, not shown white.
    EmfBuilder undrawable;
    undrawable.record(70, EmfPlusRecords().record(0x4037, 0).comment());
    EXPECT_EQ(errorOf(undrawable.build()), "Metafile holds nothing this program can draw");

    // Object indexes out of range, counts beyond the record: skipped.
    EmfBuilder wild;
    wild.record(emf_record::SelectObject, {123456});
    wild.record(emf_record::SelectObject, {0xFFFFFFFF});
    wild.record(emf_record::CreatePen, {4000000000, 0, 1, 0, 0});
    wild.record(emf_record::Polygon16, polygon16({{1, 1}}));
    Fields lying;
    lying.u32(0).u32(0).u32(0).u32(0).u32(0x7FFFFFFF).u16(5).u16(5);
    wild.record(emf_record::Polygon16, lying);
    wild.record(emf_record::RestoreDc, {-100000});
    redFill(wild);
    wild.record(emf_record::Rectangle, {10, 10, 20, 20});
    EXPECT_EQ(playEmf(wild).pixel(15, 15), Red);
}

TEST(Metafile, TheLoaderDrawsMetafilesIn24BitsOverWhiteAtTheSizeOfTheirArea) {
    PictureFiles files;
    EmfBuilder emf;
    redFill(emf);
    emf.record(emf_record::Rectangle, {0, 0, 500, 1000});
    const QString file = files.write("half.emf", emf.build());
    // At its natural size, and for an insert printed at 600 dpi: as
    // vectors at that size, not its natural pixels stretched.
    for (const QSize area : {QSize(), QSize(2858, 2835)}) {
        const auto picture = LoadPictureBitmap(file, area, PictureUse::Print);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->bitsPerPixel(), 24);
        EXPECT_EQ(QSize(picture->width(), picture->height()), QSize(378, 378));
        const QImage pixels = picture->pixels();
        EXPECT_EQ(pixels.size(), area.isEmpty() ? QSize(378, 378) : area);
        const int edge = pixels.width() * 500 / 1000;  // the rectangle's right edge
        EXPECT_EQ(pixels.pixel(edge - 2, 50), qRgb(255, 0, 0));
        EXPECT_EQ(pixels.pixel(edge + 2, 50), qRgb(255, 255, 255));
    }
}

TEST(Metafile, RasterOperationsArcDirectionAndGradientsChangeWhatIsDrawn) {
    // Nothing drawn with the "no operation" pen and brush; black with "black".
    for (const auto& [rop, expected] : {std::pair{11, White}, std::pair{1, 0xff000000u}}) {
        EmfBuilder emf;
        redFill(emf);
        emf.record(emf_record::SetRop2, {rop});
        emf.record(emf_record::Rectangle, {100, 100, 200, 200});
        EXPECT_EQ(playEmf(emf).pixel(150, 150), expected) << rop;
    }

    // An arc from the right to the top of its circle: the short way round
    // counter-clockwise, the long way clockwise.
    for (int direction : {1, 2}) {
        EmfBuilder emf;
        emf.record(emf_record::CreatePen, {1, 0, 9, 0, 0x0000FF});
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::SetArcDirection, {direction});
        emf.record(emf_record::Arc, {300, 300, 700, 700, 700, 500, 500, 300});
        const QImage image = playEmf(emf);
        const bool lowerHalfInked = !InkBounds(image, QRect(300, 560, 400, 150)).isEmpty();
        EXPECT_EQ(lowerHalfInked, direction == 2) << direction;
    }

    // A horizontal gradient from red to blue.
    Fields gradient;
    gradient.u32(0).u32(0).u32(0).u32(0).u32(2).u32(1).u32(0);
    gradient.u32(100).u32(100).u16(0xFF00).u16(0).u16(0).u16(0);
    gradient.u32(900).u32(300).u16(0).u16(0).u16(0xFF00).u16(0);
    gradient.u32(0).u32(1);
    EmfBuilder emf;
    emf.record(emf_record::GradientFill, gradient);
    const QImage image = playEmf(emf);
    EXPECT_GT(qRed(image.pixel(110, 200)), 230);
    EXPECT_GT(qBlue(image.pixel(890, 200)), 230);
    EXPECT_EQ(InkBounds(image), QRect(100, 100, 800, 200));
}

TEST(Metafile, OldOneBitBitmapsOfTheFirstMetafilesAreShown) {
    WmfBuilder wmf;
    wmf.record(0x020C, {100, 100});  // SetWindowExt
    Fields blit;
    blit.u32(0x00CC0020).u16(0).u16(0).u16(2).u16(8).u16(10).u16(10);   // rop, source, size, target
    blit.u16(0).u16(8).u16(2).u16(2).bytes(QByteArray("\x01\x01", 2));  // 8 x 2, 2 bytes a row
    blit.bytes(QByteArray("\xF0\x00\xF0\x00", 4));                      // white left, black right
    wmf.record(0x0922, blit);
    const QImage image = play(wmf.build(QRect(0, 0, 100, 100), 96), QSize(200, 200));
    EXPECT_EQ(InkBounds(image), QRect(28, 20, 8, 4));
    EXPECT_EQ(image.pixel(30, 21), 0xff000000u);
}

// Found by fuzzing: a world transform of NaN, or one that throws coordinates
// far out, made Qt's path clipper crash on the next clip rectangle.
TEST(Metafile, TransformsThatLeaveTheFiniteWorldAreSkipped) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const float wild : {nan, 1e30f}) {
        EmfBuilder emf;
        redFill(emf);
        Fields transform;
        transform.f32(wild).f32(0).f32(0).f32(wild).f32(0).f32(0);
        emf.record(emf_record::SetWorldTransform, transform);
        emf.record(36, transform.u32(3));      // ModifyWorldTransform, right multiply
        emf.record(29, {600, 600, 700, 700});  // ExcludeClipRect
        emf.record(emf_record::IntersectClipRect, {10, 10, 900, 900});
        emf.record(emf_record::Rectangle, {100, 100, 200, 200});
        const QImage image = playEmf(emf);
        if (std::isnan(wild)) {
            // The transform was refused: the rectangle stands where it says.
            EXPECT_EQ(image.pixel(150, 150), Red);
        } else {
            EXPECT_EQ(image.pixel(150, 150), White);  // thrown out of the picture
        }
    }
}

// Found by fuzzing: an angle arc with angles that are not numbers left Qt's
// arc empty, and joining the current position to it read past its end.
TEST(Metafile, ArcsWithoutFiniteAnglesAreSkipped) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EmfBuilder emf;
    emf.record(emf_record::MoveToEx, {10, 10});
    Fields angleArc;
    angleArc.u32(500).u32(500).u32(4000000000u).f32(nan).f32(nan);
    emf.record(emf_record::AngleArc, angleArc);
    emf.record(emf_record::ArcTo, {0, 0, 0, 0, 0, 0, 0, 0});  // a box of no size
    redFill(emf);
    emf.record(emf_record::Rectangle, {100, 100, 200, 200});
    EXPECT_EQ(playEmf(emf).pixel(150, 150), Red);
}
