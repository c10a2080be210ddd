// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <QApplication>
#include <QColorSpace>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "helper/decode_helper.h"
#include "pictures/decoders/exif_thumbnail.h"
#include "pictures/picture_dialog.h"
#include "pictures/picture_files.h"
#include "pictures/picture_format_table.h"
#include "pictures/picture_loader.h"
#include "pictures/preview_decoder.h"
#include "pictures/preview_stages.h"
#include "support/album_art_writer.h"
#include "support/gif_writer.h"
#include "support/image_encoding.h"
#include "support/jpeg_writer.h"
#include "support/pipe_watchdog.h"
#include "support/qt_printers.h"

namespace {
// The masks Qt reads out of one of its name filters.
QStringList masksOf(const QString& choice) {
    const qsizetype open = choice.lastIndexOf(QLatin1Char('('));
    return choice.mid(open + 1, choice.size() - open - 2).split(QLatin1Char(' '));
}
}  // namespace

TEST(PictureDialogFilter, EachChoiceShowsItsTextAndMatchesItsMasksWithoutCase) {
    const QStringList choices = QtNameFilters(BuildPictureFilter());
    ASSERT_EQ(choices.size(), qsizetype(PictureFormats().formats().size()) + 1);
    EXPECT_TRUE(choices[0].startsWith("All (*.png;*.webp;*.tif;*.tiff;*.svg;*.svgz;"));
    EXPECT_TRUE(choices[0].contains(";*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf) ("));
    EXPECT_TRUE(choices[1].startsWith("PNG Image (*.png) ("));
    EXPECT_TRUE(choices.last().startsWith("Metafiles (*.wmf) ("));

    const QStringList all = masksOf(choices[0]);
    for (const char* name :
         {"a.jpg", "B.JPEG", "c.Gif", "d.bmp", "e.ICO", "f.emf", "g.wmf", "h.png", "i.WebP",
          "j.tif", "k.TIFF", "l.svg", "m.svgz", "n.MP3", "o.flac", "p.ogg", "q.opus", "r.m4a"})
        EXPECT_TRUE(QDir::match(all, name)) << name;
    EXPECT_FALSE(QDir::match(all, "n.xcf"));
    EXPECT_FALSE(QDir::match(all, "jpg"));
    const qsizetype jpg =
        choices.indexOf(QRegularExpression("^JPEG Image File \\(\\*\\.jpg\\) .*"));
    ASSERT_GT(jpg, 0);
    EXPECT_TRUE(QDir::match(masksOf(choices[jpg]), "PHOTO.JPG"));
    EXPECT_FALSE(QDir::match(masksOf(choices[jpg]), "photo.jpeg"));
    EXPECT_FALSE(QDir::match(masksOf(choices[jpg + 3]), "picture.gif"));
    EXPECT_TRUE(QDir::match(masksOf(choices[1]), "Cover.PNG"));
}

TEST(PicturePreviewPane, ShowsALoadablePictureAndNoneOtherwise) {
    PictureFiles files;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    picture.save(files.path("red.bmp"), "BMP");
    files.write("not-a-picture.gif", "hello");
    QDir().mkpath(files.path("folder.bmp"));

    PicturePreviewPane pane;
    ASSERT_TRUE(ShowInPane(pane, files.path("red.bmp")));
    EXPECT_TRUE(pane.hasPicture());
    EXPECT_EQ(pane.caption(), " (40x30)");
    EXPECT_TRUE(pane.PreviewButton->isEnabled());

    for (const char* other : {"not-a-picture.gif", "folder.bmp", "missing.jpg"}) {
        ASSERT_TRUE(ShowInPane(pane, files.path(other)));
        EXPECT_FALSE(pane.hasPicture()) << other;
        EXPECT_EQ(pane.caption(), "Picture:");
        EXPECT_FALSE(pane.PreviewButton->isEnabled());
    }
}

TEST(PicturePreviewPane, ANamedPipeShowsNoneWithoutWaitingForAWriter) {
    PictureFiles files;
    ASSERT_TRUE(MakeNamedPipe(files.path("pipe.jpg")));
    PicturePreviewPane pane;
    PipeWatchdog watchdog(files.path("pipe.jpg"));
    ASSERT_TRUE(ShowInPane(pane, files.path("pipe.jpg")));
    EXPECT_FALSE(watchdog.released()) << "the pane blocked on the pipe";
    EXPECT_FALSE(pane.hasPicture());
    EXPECT_EQ(pane.caption(), "Picture:");
}

TEST(PicturePreviewPane, TheNewestHighlightWinsAndTheOldPictureGoesAtOnce) {
    PictureFiles files;
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    red.save(files.path("red.bmp"), "BMP");
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    const QString slow = files.write("photo.jpg", EncodeJpeg(photo));

    PicturePreviewPane pane;
    ASSERT_TRUE(ShowInPane(pane, slow));
    QSignalSpy shown(&pane, &PicturePreviewPane::previewShown);
    pane.showFile(slow);
    pane.showFile(files.path("red.bmp"));
    EXPECT_EQ(pane.caption(), "Picture:");  // nothing of another file while waiting
    EXPECT_FALSE(pane.PreviewButton->isEnabled());
    ASSERT_TRUE(shown.wait(30000));
    // One decode at a time: the photo's was done, and dropped, before this.
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(pane.caption(), " (40x30)");
}

TEST(PicturePreviewPane, ANewerHighlightOrClosingEndsAnEndlessDecodeInTheHelper) {
    PictureFiles files;
    const QString endless = files.write("endless.jpg", RepeatedLastScan(20'000));
    const QString red = files.write("red.png", EncodeImage(QImage(40, 30, QImage::Format_RGB32), "png"));
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing ? "closing" : "a newer highlight");
        QSemaphore started, ended;
        auto outcome = std::make_shared<QString>();
        auto decoder = std::make_unique<PreviewDecoder>(
            [&, outcome](const PreviewRequest& request, const ShowFirst& first, DecodeHelper& helper) {
                if (request.path == endless) started.release();
                try {
                    PictureBitmap picture = DecodePreview(request, first, helper);
                    if (request.path == endless) *outcome = "decoded";
                    return picture;
                } catch (const HelperJobCancelled&) {
                    *outcome = "ended";
                } catch (const SleevixError& error) {
                    *outcome = error.message();
                }
                ended.release();
                return PictureBitmap();
            });
        QSignalSpy ready(decoder.get(), &PreviewDecoder::pictureReady);
        decoder->request({endless, {100, 80}, {100, 80}});
        ASSERT_TRUE(started.tryAcquire(1, 30000));
        if (closing) {
            decoder.reset();
        } else {
            decoder->request({red, {100, 80}, {100, 80}});
            ASSERT_TRUE(ready.wait(30000));
            EXPECT_EQ(ready.last().at(0).value<PictureBitmap>().width(), 40);
        }
        ASSERT_TRUE(ended.tryAcquire(1, 30000));
        EXPECT_EQ(*outcome, "ended");
    }
}

TEST(PicturePreviewPane, ClosingNeitherWaitsForADecodeNorHearsFromIt) {
    QSemaphore started, release;
    std::atomic<bool> decoded{false}, heardBack{true};
    auto decoder =
        std::make_unique<PreviewDecoder>([&](const PreviewRequest&, const ShowFirst& first, DecodeHelper&) {
            started.release();
            release.tryAcquire(1, 30000);
            decoded = true;
            heardBack = first(PictureBitmap(QImage(4, 4, QImage::Format_RGB32)));
            return PictureBitmap();
        });
    decoder->request({QStringLiteral("any.jpg"), {}, {}});
    ASSERT_TRUE(started.tryAcquire(1, 30000));
    decoder.reset();
    EXPECT_FALSE(decoded) << "closing waited for the decode";
    release.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heardBack; }, 30000));
}

TEST(PicturePreviewPane, APhotoShowsItsExifThumbnailFirstWhenItFillsThePane) {
    PictureFiles files;
    QImage photo(1600, 1200, QImage::Format_RGB32), thumbnail(240, 180, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    thumbnail.fill(Qt::red);
    const QByteArray camera = WithExifThumbnail(EncodeJpeg(photo), EncodeJpeg(thumbnail));
    PicturePreviewPane pane;
    QStringList seen;  // the caption and the colour shown at each stage
    const auto look = [&] {
        const QColor shown = pane.picture().pixels().pixel(60, 45);
        const QSize size = pane.picture().pixels().size();
        seen << pane.caption() + (shown.red() > shown.blue() ? " red" : " blue") +
                    (size.height() > size.width() ? " tall" : "");
    };
    QObject::connect(&pane, &PicturePreviewPane::thumbnailShown, look);
    ASSERT_TRUE(ShowInPane(pane, files.write("camera.jpg", camera)));
    look();
    EXPECT_EQ(seen, QStringList({" (1600x1200) red", " (1600x1200) blue"}));

    // Turned by its orientation tag, the thumbnail stands as the photo does.
    seen.clear();
    ASSERT_TRUE(ShowInPane(
        pane, files.write("turned.jpg",
                          WithExif(EncodeJpeg(photo), ExifBlock(6, EncodeJpeg(thumbnail))))));
    look();
    EXPECT_EQ(seen, QStringList({" (1200x1600) red tall", " (1200x1600) blue tall"}));

    // It has the photo's colours too: converted by the photo's profile.
    const QByteArray adobe = QColorSpace(QColorSpace::AdobeRgb).iccProfile();
    QImage green(240, 180, QImage::Format_RGB32);
    green.fill(qRgb(60, 170, 90));
    const QByteArray tagged = WithIccProfile(EncodeJpeg(green), adobe);
    const int converted =
        qRed(LoadPictureBitmap(files.write("green.jpg", tagged))->pixels().pixel(60, 45));
    int shown = 0;
    QObject::connect(&pane, &PicturePreviewPane::thumbnailShown,
                     [&] { shown = qRed(pane.picture().pixels().pixel(60, 45)); });
    ASSERT_TRUE(ShowInPane(
        pane, files.write(
                  "adobe.jpg",
                  WithIccProfile(WithExifThumbnail(EncodeJpeg(photo), EncodeJpeg(green)), adobe))));
    EXPECT_NEAR(shown, converted, 2);

    // Too small for the pane, or padded to another aspect: the photo alone.
    seen.clear();
    for (const QSize small : {QSize(160, 120), QSize(240, 240)}) {
        const QImage other = thumbnail.scaled(small);
        ASSERT_TRUE(ShowInPane(
            pane,
            files.write("small.jpg", WithExifThumbnail(EncodeJpeg(photo), EncodeJpeg(other)))));
    }
    EXPECT_TRUE(seen.isEmpty());

    // Hostile offsets (the thumbnail's place and length, the directory's
    // place) and a cut segment find no thumbnail and read nothing outside.
    ASSERT_EQ(ExifThumbnailBytes(camera), EncodeJpeg(thumbnail));
    const auto patched = [&](int at, quint32 value) {
        QByteArray bytes = camera;
        for (int i = 0; i < 4; ++i) bytes[at + i] = char(value >> (8 * i));
        return bytes;
    };
    for (const QByteArray& hostile : {patched(36, 0xfffffff0u), patched(48, 0xffffffffu),
                                      patched(22, 0x7fffffffu), patched(22, 8), camera.left(200)})
        EXPECT_FALSE(ExifThumbnailBytes(hostile).has_value());
}

namespace {
// Opens the pane's preview window and reports its title, its size and the
// size of the picture shown, then closes it.
struct PreviewSeen {
    QString title;
    QSize window;
    QSize picture;
};

constexpr int FrameSettles = 100;  // ms

PreviewSeen openPreview(PicturePreviewPane& pane) {
    PreviewSeen seen;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window) return;
        // Under a window manager the frame is known once the window is shown.
        if (QTest::qWaitForWindowExposed(window)) QTest::qWait(FrameSettles);
        seen.title = window->windowTitle();
        seen.window = window->frameGeometry().size();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (!label->pixmap().isNull()) seen.picture = label->pixmap().size();
        window->close();
    });
    pane.openPreviewWindow();
    return seen;
}
}  // namespace

TEST(PicturePreviewPane, ThePreviewWindowFitsTheScreenKeepingTheAspectAndSaysTheScale) {
    PictureFiles files;
    PicturePreviewPane pane;
    const QSize room = pane.screen()->availableGeometry().size();

    // A GIF of a few bytes that claims a large logical screen.
    files.write("wide.gif", EncodeGif({16020, 6020}, {qRgb(0, 0, 255)}, {SolidFrame({4, 4}, 0)}));
    ASSERT_TRUE(ShowInPane(pane, files.path("wide.gif")));
    ASSERT_EQ(pane.caption(), " (16020x6020)");
    PreviewSeen seen = openPreview(pane);
    EXPECT_LE(seen.window.width(), room.width());
    EXPECT_LE(seen.window.height(), room.height());
    ASSERT_FALSE(seen.picture.isEmpty());
    EXPECT_NEAR(double(seen.picture.width()) / seen.picture.height(), 16020.0 / 6020.0, 0.02);
    const QRegularExpressionMatch scale =
        QRegularExpression("^Preview \\((\\d+)%\\)$").match(seen.title);
    ASSERT_TRUE(scale.hasMatch()) << qPrintable(seen.title);
    EXPECT_NEAR(scale.captured(1).toInt(), seen.picture.width() * 100.0 / 16020, 1.0);

    // A tall one is bounded by the height.
    files.write("tall.gif", EncodeGif({814, 3372}, {qRgb(0, 0, 255)}, {SolidFrame({4, 4}, 0)}));
    ASSERT_TRUE(ShowInPane(pane, files.path("tall.gif")));
    seen = openPreview(pane);
    EXPECT_LE(seen.window.height(), room.height());
    EXPECT_NEAR(double(seen.picture.width()) / seen.picture.height(), 814.0 / 3372.0, 0.02);
    EXPECT_TRUE(seen.title.startsWith("Preview ("));

    // One that fits is shown 1:1, the window the picture plus its margin.
    files.write("small.gif", EncodeGif({40, 30}, {qRgb(0, 0, 255)}, {SolidFrame({40, 30}, 0)}));
    ASSERT_TRUE(ShowInPane(pane, files.path("small.gif")));
    seen = openPreview(pane);
    EXPECT_EQ(seen.title, "Preview");
    EXPECT_EQ(seen.picture, QSize(40, 30));
}

namespace {
// The names the file dialog lists in its folder, once it has read it.
QStringList listedNames(QFileDialog& dialog, int expected) {
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!model) return {};
    QStringList names;
    for (int wait = 0; wait < 100 && names.size() < expected; ++wait) {
        QTest::qWait(50);
        names.clear();
        const QModelIndex folder = model->index(dialog.directory().absolutePath());
        for (int row = 0; row < model->rowCount(folder); ++row)
            names << model->index(row, 0, folder).data().toString();
    }
    names.sort();
    return names;
}
}  // namespace

TEST(RealPictureDialog, ListsAndPreviewsTheNewerFormatsAndReturnsTheChoice) {
    PictureFiles files;
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 255, 128));
    const QByteArray drawing =
        "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='30'><rect width='9' "
        "height='9'/></svg>";
    files.write("cover.png", EncodeImage(picture, "png"));
    files.write("cover.webp", EncodeImage(picture, "webp"));
    files.write("cover.TIF", EncodeImage(picture, "tiff"));
    files.write("cover.svg", drawing);
    files.write("cover.svgz", Gzipped(drawing));
    files.write("notes.txt", "not a picture");
    files.write("typed.png", EncodeImage(picture.scaled(20, 10), "png"));
    ASSERT_TRUE(
        WriteAudioWithArt(files.path("song.mp3"), AudioKind::Mp3, {{EncodeImage(picture, "png")}}));

    ScreenOpenPictureDialog chooser;
    chooser.Filter = BuildPictureFilter();
    chooser.DefaultExt = DefaultPictureExtension();
    chooser.FileName = files.path("cover.png");
    QStringList listed;
    QMap<QString, QString> captions;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        listed = listedNames(*dialog, 7);
        auto* pane = dialog->findChild<PicturePreviewPane*>();
        for (const char* name :
             {"cover.png", "cover.webp", "cover.TIF", "song.mp3", "cover.svgz", "cover.svg"}) {
            // A click on the file in the list, as the user picks it.
            auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
            auto* model = dialog->findChild<QFileSystemModel*>();
            if (!list || !model) return;
            const QRect place = list->visualRect(model->index(files.path(name)));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
            if (pane && QTest::qWaitFor([&] { return !pane->previewPending(); }, 30000))
                captions[name] = pane->caption();
        }
        // Chosen with the keyboard: a typed name, then the row above the last.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
        if (!pane || !name || !list) return;
        name->clear();
        QTest::keyClicks(name, QStringLiteral("typed.png"));
        if (QTest::qWaitFor([&] { return !pane->previewPending(); }, 30000))
            captions["typed"] = pane->caption();
        QTest::keyClick(list, Qt::Key_Up);
        if (QTest::qWaitFor([&] { return !pane->previewPending(); }, 30000))
            captions["up"] = pane->caption();
        name->setText(QStringLiteral("cover.svg"));
        static_cast<QDialog*>(dialog)->accept();  // as OK does
    });
    ASSERT_TRUE(chooser.Execute(nullptr));
    EXPECT_EQ(listed, QStringList({"cover.TIF", "cover.png", "cover.svg", "cover.svgz",
                                   "cover.webp", "song.mp3", "typed.png"}));
    EXPECT_EQ(captions.value("typed"), " (20x10)");
    EXPECT_EQ(captions.value("up"), " (40x30)");
    for (const char* name :
         {"cover.png", "cover.webp", "cover.TIF", "song.mp3", "cover.svgz", "cover.svg"})
        EXPECT_EQ(captions.value(name), " (40x30)") << name;
    EXPECT_EQ(QFileInfo(chooser.FileName).fileName(), "cover.svg");
}
