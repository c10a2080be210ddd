// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from the command line, as a whole process without a
// display: exports, their failures, help and version.

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>

#include "app/main_window.h"
#include "document/document_fixture.h"
#include "support/pdf_pages.h"

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

// Runs the program with neither a display nor a platform chosen.
Outcome runSleevix(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SLEEVIX_EXECUTABLE), arguments);
    const bool finished = process.waitForFinished(60000);
    EXPECT_TRUE(finished) << "sleevix did not end";
    return {finished ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class CommandLine : public DocumentFixture {
  protected:
    void SetUp() override {
        DocumentFixture::SetUp();
        addTracks({QStringLiteral("Morning Light"), QStringLiteral("Paper Boats")});
        setArtistAndTitle(QStringLiteral("The Examples"), QStringLiteral("Sample Sounds"));
        commit();
        saveAs(pathOf("cover.sleevix"));
    }
};

TEST_F(CommandLine, ExportsThePdfAndPngSilentlyWithoutADisplay) {
    const Outcome pdf = runSleevix({"--export", pathOf("cover.pdf"), pathOf("cover.sleevix")});
    EXPECT_EQ(pdf.status, 0);
    EXPECT_EQ(pdf.out, "");
    EXPECT_EQ(pdf.err, "");
    QStringList words;
    for (const PdfWord& word : PdfWords(pathOf("cover.pdf"))) {
        words << word.text;
        // Flush left, 30 mm in: 10 mm inside the back outline.
        if (word.text == "1.") {
            EXPECT_NEAR(word.box.left(), 30.0, 0.5);
        }
    }
    if (words.isEmpty()) GTEST_SKIP() << "needs pdftotext (poppler-utils)";
    for (const char* text : {"Morning", "Light", "Paper", "Boats"})
        EXPECT_TRUE(words.contains(text)) << text;
    const QImage page = RenderPdfPage(pathOf("cover.pdf"), 254);  // 0.1 mm a pixel
    EXPECT_EQ(page.width(), 2100);
    EXPECT_NEAR(page.height(), 2970, 1);
    EXPECT_LT(qGray(page.pixel(200, 500)), 128);  // the outline's left edge, 20.0 mm in
    EXPECT_GT(qGray(page.pixel(198, 500)), 200);
    EXPECT_LT(qGray(page.pixel(900, 100)), 128);  // its top edge, 10.0 mm down
    EXPECT_GT(qGray(page.pixel(900, 98)), 200);

    const Outcome one = runSleevix({"--export", pathOf("one.png"), pathOf("cover.sleevix")});
    const Outcome two =
        runSleevix({"--export", pathOf("two.png"), "--scale", "2", pathOf("cover.sleevix")});
    EXPECT_EQ(one.status + two.status, 0);
    EXPECT_EQ(one.err + two.err + one.out + two.out, "");
    const QSize oneSize = QImageReader(pathOf("one.png")).size();
    EXPECT_EQ(oneSize, QSize(823, 353));
    EXPECT_EQ(QImageReader(pathOf("two.png")).size(), oneSize * 2);
    // A file manager's thumbnail: the same, fitted into SIZE x SIZE.
    const Outcome thumbnail =
        runSleevix({"--thumbnail", pathOf("cover.sleevix"), pathOf("thumbnail.png"), "256"});
    EXPECT_EQ(thumbnail.status, 0);
    EXPECT_EQ(thumbnail.err + thumbnail.out, "");
    EXPECT_EQ(QImageReader(pathOf("thumbnail.png")).size(), QSize(256, 353 * 256 / 823));
    // The same cover as the window's.
    EXPECT_TRUE(
        QImage(pathOf("one.png")).convertToFormat(QImage::Format_RGB32).copy(462, 0, 361, 353) ==
        Form1->Image4.image());
}

TEST_F(CommandLine, EachFailureIsOneLineOnStandardErrorAndAFailingStatus) {
    writeDocument("crowded.sleevix", [] {
        QByteArray tracks;
        for (int i = 0; i < 42; ++i) tracks += QByteArray(i ? "," : "") + "\"t\"";
        return "{\"format\": \"sleevix-cover\", \"version\": 1, \"tracks\": [" + tracks + "]}";
    }());
    writeDocument("pictured.sleevix",
                  R"({"format": "sleevix-cover", "version": 1, "back": {"picture": "gone.jpg"}})");
    // A PDF export reads pictures for the page alone; a broken one still fails it.
    writeDocument("broken.jpg", "not a JPEG");
    writeDocument("broken.sleevix",
                  R"({"format": "sleevix-cover", "version": 1, "back": {"picture": "broken.jpg"}})");
    // libpng's own complaint must not come before the program's one line.
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray damaged;
    QBuffer png(&damaged);
    red.save(&png, "PNG");
    damaged[damaged.indexOf("IDAT") + 6] ^= 0x55;
    writeDocument("damaged.png", damaged);
    writeDocument("damaged.sleevix",
                  R"({"format": "sleevix-cover", "version": 1, "back": {"picture": "damaged.png"}})");
    writeDocument("unnamed", damaged);
    writeDocument("unnamed.sleevix",
                  R"({"format": "sleevix-cover", "version": 1, "front": {"picture": "unnamed"}})");
    const QString cover = pathOf("cover.sleevix");
    const QString out = pathOf("out.pdf");
    const struct {
        QStringList arguments;
        QString saying;
    } failures[] = {
        {{"--export", out, pathOf("missing.sleevix")}, "No such file"},
        {{"--export", out, pathOf("crowded.sleevix")}, "holds 42 tracks"},
        {{"--export", out, "--strict", pathOf("pictured.sleevix")}, "gone.jpg was not found"},
        {{"--export", out, pathOf("broken.sleevix")}, "JPEG error"},
        {{"--export", pathOf("out.png"), pathOf("broken.sleevix")}, "JPEG error"},
        {{"--export", out, pathOf("damaged.sleevix")}, "PNG image is not valid"},
        {{"--export", pathOf("out.png"), pathOf("damaged.sleevix")}, "PNG image is not valid"},
        {{"--export", out, pathOf("unnamed.sleevix")},
         "Unknown picture file extension (.) for the front picture " + pathOf("unnamed")},
        {{"--export", pathOf("out.jpg"), cover}, "must end in .pdf or .png"},
        {{"--export", out}, "exactly one FILE"},
        {{"--export", pathOf("out.png"), "--scale", "5", cover}, "from 1 to 4"},
        {{"--export", out, "--paper", "a3", cover}, "a4 or letter"},
        {{"--export", pathOf("out.png"), "--paper", "letter", cover}, "--paper goes with a PDF"},
        {{"--export", pathOf("no/such/folder.pdf"), cover}, "Cannot export"},
        {{"--export", out, "--frobnicate", cover}, "Unknown option"},
        {{"--strict", cover}, "go with --export"},
        {{"--thumbnail", cover, pathOf("out.png"), "0"}, "SIZE must be a whole number"},
        {{"--thumbnail", cover}, "needs IN, OUT and SIZE"},
        {{"--print", "SleevixNoSuchQueue", cover}, "Cannot print to \"SleevixNoSuchQueue\""},
        {{"--print", "SleevixNoSuchQueue"}, "--print needs a FILE"},
        {{"--print", "", "--paper", "a4", cover}, "--print takes the printer's paper"},
        // Without --export too: no display is needed to say what is wrong.
        {{"--frobnicate"}, "Unknown option"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.arguments.join(' ').toStdString());
        const Outcome outcome = runSleevix(failure.arguments);
        EXPECT_NE(outcome.status, 0);
        EXPECT_EQ(outcome.out, "");
        EXPECT_TRUE(outcome.err.startsWith("sleevix: ")) << outcome.err;
        EXPECT_EQ(outcome.err.count('\n'), 1) << outcome.err;
        EXPECT_TRUE(outcome.err.contains(failure.saying)) << outcome.err;
    }
    for (const char* name : {"out.pdf", "out.png", "out.jpg"})
        EXPECT_FALSE(QFileInfo::exists(pathOf(name))) << name;

    // What the cover goes without is a warning: the export is written.
    const Outcome warned = runSleevix({"--export", out, pathOf("pictured.sleevix")});
    EXPECT_EQ(warned.status, 0);
    EXPECT_TRUE(warned.err.startsWith("warning: The picture ")) << warned.err;
    EXPECT_EQ(warned.err.count('\n'), 1) << warned.err;
    EXPECT_TRUE(QFileInfo::exists(out));
}

TEST_F(CommandLine, HelpAndVersionAnswerAsUsual) {
    const Outcome version = runSleevix({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "sleevix 2.0\n");
    EXPECT_EQ(version.err, "");
    const Outcome help = runSleevix({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* part : {"[FILE...]", "--export <OUT>", "--paper", "--scale", "--version"})
        EXPECT_TRUE(help.out.contains(part)) << part;
}
