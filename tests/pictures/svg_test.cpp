// SPDX-License-Identifier: GPL-3.0-or-later
// SVG drawings: drawn sharp at the size they are shown, refused when they
// are not what their extension says, and never able to reach outside
// themselves or past the limits.

#include <cmath>

#include <gtest/gtest.h>
#include <QPainter>

#include "pictures/decoders/picture_limits.h"
#include "pictures/picture_files.h"
#include "pictures/picture_loader.h"
#include "pictures/svg/svg_document.h"
#include "pictures/svg/svg_work.h"
#include "support/image_encoding.h"
#include "support/pipe_watchdog.h"
#include "support/qt_printers.h"

namespace {

// Black on the left half, nothing (transparent) on the right, in a 10 x 8
// view box shown at the given size.
QByteArray halfBlack(const QString& size = QStringLiteral("width='10' height='8'")) {
    return QStringLiteral(
               "<svg xmlns='http://www.w3.org/2000/svg' %1 viewBox='0 0 10 8'>"
               "<rect x='0' y='0' width='5' height='8' fill='black'/></svg>")
        .arg(size)
        .toUtf8();
}

// Pixels of a row that are neither black nor white: the blur of an edge.
int blurredPixels(const QImage& image, int y) {
    int blurred = 0;
    for (int x = 0; x < image.width(); ++x) {
        const int level = qGray(image.pixel(x, y));
        if (level > 10 && level < 245) ++blurred;
    }
    return blurred;
}

QByteArray withImage(const QString& href) {
    return QStringLiteral(
               "<svg xmlns='http://www.w3.org/2000/svg' "
               "xmlns:xlink='http://www.w3.org/1999/xlink' width='20' height='20'>"
               "<rect width='20' height='20' fill='blue'/>"
               "<image x='0' y='0' width='20' height='20' xlink:href='%1'/></svg>")
        .arg(href)
        .toUtf8();
}

QString dataAddress(const QByteArray& png) {
    return QStringLiteral("data:image/png;base64,") + QString::fromLatin1(png.toBase64());
}

// The work meter that bounds a drawing drawn in the process itself (the
// fuzzers'); the program's drawings are bounded by the helper's deadlines.
std::optional<PictureBitmap> MeteredPicture(const QString& file) {
    return DecodePictureHere(file, *ReadPictureBytes(file), QSize(), PictureUse::Screen, 0);
}

QString MeteredErrorOf(const QString& file) {
    try {
        MeteredPicture(file);
    } catch (const SleevixError& error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

}  // namespace

class SvgPictures : public ::testing::Test {
  protected:
    PictureFiles files;
};

TEST_F(SvgPictures, ADrawingIsDrawnSharpAtTheSizeItIsShownKeepingItsNaturalSize) {
    const QString path = files.write("half.svg", halfBlack());
    const auto shown = LoadPictureBitmap(path, QSize(442, 353));
    ASSERT_TRUE(shown);
    EXPECT_EQ(QSize(shown->width(), shown->height()), QSize(10, 8));
    EXPECT_EQ(shown->pixels().size(), QSize(442, 353));
    EXPECT_EQ(shown->pixels().pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(shown->pixels().pixel(300, 100), qRgb(255, 255, 255));  // transparent: white
    EXPECT_LE(blurredPixels(shown->pixels(), 100), 1);

    // Without an area, at its natural size.
    const auto natural = LoadPictureBitmap(path);
    ASSERT_TRUE(natural);
    EXPECT_EQ(natural->pixels().size(), QSize(10, 8));
}

TEST_F(SvgPictures, TheNaturalSizeComesFromWidthAndHeightOrElseTheViewBox) {
    const auto sized = LoadPictureBitmap(files.write("sized.svg", halfBlack()));
    const auto boxed = LoadPictureBitmap(files.write("boxed.svg", halfBlack(QString())));
    const auto units =
        LoadPictureBitmap(files.write("units.svg", halfBlack("width='1in' height='0.5in'")));
    // The other side from the view box's shape: 1 in is 96 pixels.
    const auto half =
        LoadPictureBitmap(files.write("half.svg", halfBlack("width='100%' height='1in'")));
    ASSERT_TRUE(sized && boxed && units && half);
    EXPECT_EQ(QSize(boxed->width(), boxed->height()), QSize(10, 8));
    EXPECT_EQ(QSize(half->width(), half->height()), QSize(120, 96));
    EXPECT_EQ(units->width(), 2 * units->height());
    EXPECT_GT(units->width(), 80);
    EXPECT_EQ(LoadErrorOf(files.write(
                  "none.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='0' height='0'/>")),
              "SVG image has no size");
}

TEST_F(SvgPictures, AHugeDeclaredSizeIsDrawnWithinThePixelLimits) {
    const auto huge =
        LoadPictureBitmap(files.write("huge.svg", halfBlack("width='100000' height='80000'")));
    ASSERT_TRUE(huge);
    EXPECT_EQ(QSize(huge->width(), huge->height()), QSize(100000, 80000));
    const QSize drawn = huge->pixels().size();
    EXPECT_LE(drawn.width(), MaxPictureSide);
    EXPECT_LE(qint64(drawn.width()) * drawn.height(), MaxPicturePixels);
    EXPECT_NEAR(double(drawn.width()) / drawn.height(), 1.25, 0.01);
}

TEST_F(SvgPictures, CompressedDrawingsLoadAsSvgzOnlyAndTextAsSvgOnly) {
    const QByteArray text = halfBlack();
    const auto plain = LoadPictureBitmap(files.write("a.svg", text), QSize(40, 32));
    const auto packed = LoadPictureBitmap(files.write("a.SVGZ", Gzipped(text)), QSize(40, 32));
    ASSERT_TRUE(plain && packed);
    EXPECT_EQ(plain->pixels(), packed->pixels());

    EXPECT_EQ(LoadErrorOf(files.write("packed.svg", Gzipped(text))), "SVG image is not valid");
    EXPECT_EQ(LoadErrorOf(files.write("text.svgz", text)), "Compressed SVG image is not valid");
    const QByteArray gzip = Gzipped(text);
    EXPECT_EQ(LoadErrorOf(files.write("cut.svgz", gzip.left(gzip.size() / 2))),
              "Compressed SVG image is not valid");
    // Compressed twice: the renderer is never handed bytes to inflate.
    EXPECT_EQ(LoadErrorOf(files.write("twice.svgz", Gzipped(Gzipped(text)))),
              "SVG image is not valid");
}

TEST_F(SvgPictures, TextThatIsNoDrawingIsRefused) {
    for (const char* text : {"", "hello", "<html><body/></html>",
                             "<svg xmlns='http://www.w3.org/2000/svg'><rect", "\x89PNG\r\n"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(LoadErrorOf(files.write("not.svg", text)), "SVG image is not valid");
    }
    // Other formats' content under .svg.
    EXPECT_EQ(LoadErrorOf(files.write("png.svg", PngClaiming(4, 4))), "SVG image is not valid");
}

TEST_F(SvgPictures, TooMuchTextIsRefusedBeforeItIsReadOrWhileItIsInflated) {
    QFile big(files.path("big.svg"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(MaxSvgTextBytes + 1));  // sparse
    big.close();
    EXPECT_EQ(LoadErrorOf(files.path("big.svg")),
              QStringLiteral("Cannot open file \"big.svg\". It is too large to be a picture (%1 "
                             "bytes)")
                  .arg(MaxSvgTextBytes + 1));

    // A few hundred kilobytes that inflate beyond the bound.
    const QByteArray comment = "<!--" + QByteArray(MaxSvgTextBytes, ' ') + "-->";
    const QByteArray bomb = Gzipped(halfBlack().replace("<rect", comment + "<rect"));
    ASSERT_LT(bomb.size(), 1024 * 1024);
    EXPECT_EQ(
        LoadErrorOf(files.write("bomb.svgz", bomb)),
        QStringLiteral("SVG image is too large (more than %1 bytes of text)").arg(MaxSvgTextBytes));
}

TEST_F(SvgPictures, ImagesNamingAFileAreLeftOutUnreadEvenAPipe) {
    ASSERT_TRUE(MakeNamedPipe(files.path("pipe.png")));
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString redFile = files.write("red.png", EncodeImage(red, "png"));
    // A drawing it carries is left out too: its work was never weighed.
    const QString redDrawing =
        QStringLiteral("data:image/svg+xml;base64,") +
        QString::fromLatin1(QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='20' "
                                       "height='20'><rect width='20' height='20' fill='red'/></svg>")
                                .toBase64());
    for (const QString& href : {files.path("pipe.png"), redFile, QStringLiteral("red.png"),
                                QStringLiteral("file://") + redFile, redDrawing}) {
        SCOPED_TRACE(qPrintable(href));
        PipeWatchdog watchdog(files.path("pipe.png"));
        const auto loaded = LoadPictureBitmap(files.write("linked.svg", withImage(href)));
        EXPECT_FALSE(watchdog.released()) << "the drawing's image was read from the pipe";
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->pixels().pixel(10, 10), qRgb(0, 0, 255));  // only the drawing's own
    }
}

TEST_F(SvgPictures, ImagesItCarriesAreDrawnWithinThePixelLimits) {
    QImage red(20, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    const auto carried = LoadPictureBitmap(
        files.write("carried.svg", withImage(dataAddress(EncodeImage(red, "png")))));
    ASSERT_TRUE(carried);
    EXPECT_EQ(carried->pixels().pixel(10, 10), qRgb(255, 0, 0));

    EXPECT_EQ(
        LoadErrorOf(files.write("huge.svg", withImage(dataAddress(PngClaiming(60000, 60000))))),
        "Picture is too large (60000 x 60000)");
    // Each within the limits, all together beyond them.
    const QString image = QStringLiteral("<image width='1' height='1' xlink:href='%1'/>")
                              .arg(dataAddress(PngClaiming(10000, 9000)));
    QByteArray many = withImage(dataAddress(EncodeImage(red, "png")));
    many.replace("</svg>", (image + image).toUtf8() + "</svg>");
    EXPECT_EQ(
        LoadErrorOf(files.write("many.svg", many)),
        QStringLiteral("SVG image carries too many pixels (more than %1)").arg(MaxPicturePixels));
}

// Clip paths, masks, filters and patterns are drawn as the drawing says:
// ink the Tiny profile would leave out, none where a clip path or mask
// takes it away. Each drawing is 20 x 20, probed at two points.
TEST_F(SvgPictures, ClipPathsMasksFiltersAndPatternsAreDrawn) {
    const auto drawing = [](const char* body) {
        return QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>") +
               body + "</svg>";
    };
    const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const struct {
        const char* name;
        QByteArray svg;
        QPoint inked, bare;
        QRgb ink;
    } cases[] = {
        {"clip path",
         drawing("<clipPath id='c'><rect width='10' height='20'/></clipPath>"
                 "<rect width='20' height='20' fill='red' clip-path='url(#c)'/>"),
         {5, 10}, {15, 10}, red},
        {"mask",
         drawing("<mask id='m'><rect width='10' height='20' fill='white'/></mask>"
                 "<rect width='20' height='20' fill='red' mask='url(#m)'/>"),
         {5, 10}, {15, 10}, red},
        {"filter moving ink",
         drawing("<filter id='f' x='0' y='0' width='2' height='1'><feOffset dx='10'/></filter>"
                 "<rect width='10' height='20' fill='black' filter='url(#f)'/>"),
         {15, 10}, {5, 10}, black},
        {"pattern",
         drawing("<pattern id='p' width='4' height='4' patternUnits='userSpaceOnUse'>"
                 "<rect width='4' height='4' fill='red'/></pattern>"
                 "<rect width='10' height='20' fill='url(#p)'/>"),
         {5, 10}, {15, 10}, red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto loaded = LoadPictureBitmap(files.write("full.svg", c.svg));
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->pixels().pixel(c.inked), c.ink);
        EXPECT_EQ(loaded->pixels().pixel(c.bare), white);
    }
}

// What a drawing asks the renderer to do is weighed before it is parsed:
// entities that multiply text, references that draw again what they
// reference, and plain shapes and segments past the work budget.
TEST_F(SvgPictures, WorkThatMultipliesOrExceedsTheBudgetIsRefusedAtOnce) {
    QByteArray laughs = "<?xml version='1.0'?><!DOCTYPE svg [<!ENTITY a0 'ha'>";
    for (int i = 1; i < 12; ++i)
        laughs += QStringLiteral("<!ENTITY a%1 '&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;'>")
                      .arg(i)
                      .arg(i - 1)
                      .toUtf8();
    laughs +=
        "]><svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
        "<text>&a11;</text></svg>";

    // Ten levels that each draw the one below ten times: 10^10 rectangles.
    QByteArray uses = "<rect id='u0' width='1' height='1'/>";
    for (int i = 1; i <= 10; ++i) {
        uses += QStringLiteral("<g id='u%1'>").arg(i).toUtf8();
        for (int copy = 0; copy < 10; ++copy)
            uses += QStringLiteral("<use xlink:href='#u%1'/>").arg(i - 1).toUtf8();
        uses += "</g>";
    }
    const auto drawing = [](const QByteArray& body) {
        return "<svg xmlns='http://www.w3.org/2000/svg' "
               "xmlns:xlink='http://www.w3.org/1999/xlink' width='10' height='10'>" +
               body + "</svg>";
    };
    const auto rects = [](long long count) {
        return QByteArray("<rect width='1' height='1'/>").repeated(count);
    };
    const auto path = [](long long segments) {
        return "<path stroke='black' d='M0,0" + QByteArray(" L9,9").repeated(segments) + "'/>";
    };
    // Edges that all cross the same rows, filled or stroked wide: the
    // rasteriser's work grows with their count times the rows, at any size.
    const auto zigzag = [](int segments, const char* paint) {
        QByteArray d = "M0,0";
        for (int i = 0; i < segments; ++i)
            d += QStringLiteral(" L%1,%2").arg((i + 1) * 1000 / segments).arg(i % 2 ? 0 : 1000).toUtf8();
        return "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'><path " +
               QByteArray(paint) + " d='" + d + "'/></svg>";
    };
    // A star whose edges each cross nearly all the others, as librsvg
    // pays for at any size: `points` points, each joined to the one
    // half-way round.
    const auto star = [](int points) {
        QByteArray list;
        for (int i = 0; i < points; ++i) {
            const double turn = 2 * M_PI * i * (points / 2) / points;
            list += QStringLiteral("%1,%2 ")
                        .arg(500 + 490 * std::cos(turn))
                        .arg(500 + 490 * std::sin(turn))
                        .toUtf8();
        }
        return "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>"
               "<polygon fill='red' points='" + list + "'/></svg>";
    };
    // Shapes over the whole of a 1000 x 1000 drawing, each blurred by a
    // filter of `steps` blurs.
    const auto filtered = [](int shapes, int steps, int deviation) {
        const QByteArray blur =
            QStringLiteral("<feGaussianBlur stdDeviation='%1'/>").arg(deviation).toUtf8();
        return "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>"
               "<filter id='f'>" + blur.repeated(steps) + "</filter>" +
               QByteArray("<rect width='1000' height='1000' filter='url(#f)'/>").repeated(shapes) +
               "</svg>";
    };
    // Small shapes with ids, each with a layer of its own (`layer`) on a
    // drawing of 1000 x 1000.
    const auto smallLayers = [](int shapes, const char* layer) {
        QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='1000' height='1000'>"
                         "<filter id='f'><feGaussianBlur stdDeviation='5'/></filter>";
        for (int i = 0; i < shapes; ++i)
            svg += QStringLiteral("<rect id='r%1' x='%2' y='%3' width='10' height='10' %4/>")
                       .arg(i).arg(i % 90 * 11).arg(i / 90 * 11).arg(QLatin1String(layer)).toUtf8();
        return svg + "</svg>";
    };
    // A path of a thousand points drawn again 150 times.
    const QByteArray drawnAgain = "<path id='p' stroke='black' d='M0,0" +
                                  QByteArray(" L9,9").repeated(1000) + "'/>" +
                                  QByteArray("<use xlink:href='#p'/>").repeated(150);
    const QString tooComplexAtSize =
        QStringLiteral("Picture is too complex to draw at 1000 x 1000 pixels");
    const QString tooComplex = QStringLiteral(
                                   "SVG image is too complex to draw (more than %1 shapes, "
                                   "segments and characters)")
                                   .arg(SvgWorkBudget);
    const struct {
        const char* name;
        QByteArray svg;
        QString outcome;
    } cases[] = {
        {"laughs", laughs, "SVG image is not valid"},
        {"uses", drawing(uses), tooComplex},
        {"use of itself", drawing("<g id='a'><use xlink:href='#a'/></g>"), tooComplex},
        {"a forward use",
         drawing("<use xlink:href='#b'/>" + rects(1).replace("<rect", "<rect id='b'")),
         "(no error)"},
        {"shapes beyond", drawing(rects(SvgWorkBudget)), tooComplex},
        {"segments within", drawing(path(SvgWorkBudget / SvgSegmentWork - 10)), "(no error)"},
        {"segments beyond", drawing(path(SvgWorkBudget / SvgSegmentWork)), tooComplex},
        {"points beyond",
         drawing("<polyline points='" +
                 QByteArray("1,2 ").repeated(SvgWorkBudget / SvgSegmentWork) + "'/>"),
         tooComplex},
        {"text beyond", drawing("<text>" + QByteArray(SvgWorkBudget, 'x') + "</text>"), tooComplex},
        {"crossing fill", zigzag(8000, "fill='red'"), tooComplexAtSize},
        {"crossing stroke", zigzag(4000, "fill='none' stroke='black' stroke-width='24'"),
         tooComplexAtSize},
        {"crossing hairline", zigzag(4000, "fill='none' stroke='black'"), "(no error)"},
        {"few crossing edges", zigzag(10, "fill='red' stroke='black' stroke-width='3'"),
         "(no error)"},
        {"a star crossing itself 125 thousand times", star(501), "(no error)"},
        {"a star crossing itself 2 million times", star(2001), tooComplexAtSize},
        // Each filter step is a layer as large as the drawing.
        {"one wide blur", filtered(1, 1, 2000), "(no error)"},
        // A kernel the renderer would stop the program on is left out.
        {"convolution too large",
         drawing("<filter id='c'><feConvolveMatrix order='21' kernelMatrix='" +
                 QByteArray("1 ").repeated(21 * 21) +
                 "'/></filter><rect width='9' height='9' filter='url(#c)'/>"),
         "(no error)"},
        {"many filtered shapes", filtered(1500, 1, 50), tooComplexAtSize},
        {"a long path drawn again", drawing(drawnAgain), "(no error)"},
        {"a longer path drawn again",
         drawing(QByteArray(drawnAgain).replace(" L9,9", " L9,9 L9,9")), tooComplex},
        {"many filter steps", filtered(1, 3000, 50), tooComplexAtSize},
        {"filtered in a style sheet",
         filtered(1000, 1, 50).replace("filter='url(#f)'", "class='b'").replace(
             "<filter", "<style>.b { filter: url(#f) }</style><filter"),
         tooComplexAtSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = files.write("work.svgz", Gzipped(c.svg));
        EXPECT_EQ(MeteredErrorOf(file), c.outcome);
    }
    // Too complex for its whole size, yet not for a quarter of it: drawn
    // smaller, to be stretched where it is shown.
    const auto smaller = MeteredPicture(files.write("smaller.svg", zigzag(2000, "fill='red'")));
    ASSERT_TRUE(smaller);
    EXPECT_LE(smaller->pixels().width(), 500);
    EXPECT_EQ(QSize(smaller->width(), smaller->height()), QSize(1000, 1000));
    // A layer costs work over the whole drawing however small its shape, a
    // filter's steps over the shape's region: in full, or at an eighth.
    const struct {
        const char* name;
        QByteArray svg;
        int drawnWidth;
    } layered[] = {
        {"many small filtered shapes", smallLayers(1500, "filter='url(#f)'"), 125},
        {"a few small filtered shapes", smallLayers(40, "filter='url(#f)'"), 1000},
        {"small translucent shapes", smallLayers(400, "opacity='0.5'"), 1000},
    };
    for (const auto& c : layered) {
        SCOPED_TRACE(c.name);
        const auto drawn = MeteredPicture(files.write("layered.svg", c.svg));
        ASSERT_TRUE(drawn);
        EXPECT_EQ(drawn->pixels().width(), c.drawnWidth);
    }
}
