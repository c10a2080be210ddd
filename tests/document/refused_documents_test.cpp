// SPDX-License-Identifier: GPL-3.0-or-later
// Documents that cannot be opened say what is wrong and leave the cover on
// screen exactly as it was; pictures that are gone are said once.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "document/document_fixture.h"
#include "document/document_format.h"
#include "tracks/track_editor.h"

namespace {

QByteArray coverWith(const QByteArray& members) {
    return "{\"format\": \"sleevix-cover\", \"version\": 1" +
           (members.isEmpty() ? QByteArray() : ", " + members) + "}";
}

QByteArray tracksJson(int count) {
    QByteArray list;
    for (int i = 1; i <= count; ++i) list += (i > 1 ? "," : "") + QByteArray("\"t\"");
    return "\"tracks\": [" + list + "]";
}

}  // namespace

class RefusedDocuments : public DocumentFixture {
  protected:
    void SetUp() override {
        DocumentFixture::SetUp();
        addTracks({QStringLiteral("Kept"), QStringLiteral("As it was")});
        setArtistAndTitle(QStringLiteral("Before"), QStringLiteral("Any opening"));
        commit();
        saveAs(pathOf("kept.sleevix"));
        Form1->CheckBox2->setChecked(false);  // an unsaved change too
    }
};

TEST_F(RefusedDocuments, EachSaysWhatIsWrongAndTheCoverStaysUntouched) {
    QByteArray deep = "\"artist\": ";
    for (int i = 0; i < 100000; ++i) deep += '[';
    const struct {
        const char* document;
        QByteArray json;
        QString saying;
    } refused[] = {
        {"42 tracks", coverWith(tracksJson(42)), "holds 42 tracks; a cover holds at most 41"},
        {"a flag that is a text", coverWith("\"committed\": \"yes\""),
         "\"committed\" must be true or false"},
        {"tracks that are no list", coverWith("\"tracks\": \"1. Intro\""),
         "\"tracks\" must be a list of texts"},
        {"a track that is a number", coverWith("\"tracks\": [\"1. Intro\", 2]"),
         "track 2 of \"tracks\" must be a text"},
        {"a colour without its hash", coverWith("\"back\": {\"color\": \"ff0000\"}"),
         "\"back.color\" must be a colour written \"#rrggbb\""},
        {"a colour before a line break", coverWith("\"back\": {\"color\": \"#ff0000\\n\"}"),
         "\"back.color\" must be a colour written \"#rrggbb\""},
        {"an unknown layout", coverWith("\"layout\": \"right\""),
         "\"layout\" must be \"left\" or \"centred\""},
        {"an unknown kind of cover", coverWith("\"case\": \"box\""),
         "\"jewel\" or \"slim\" or \"dvd\" or \"disc\""},
        {"a disc hole of another size", coverWith("\"case\": \"disc\", \"hole\": 20"),
         "41 or 17"},
        {"a label sheet nobody makes", coverWith("\"case\": \"disc\", \"sheet\": \"Avery 1\""),
         "\"sheet\" must be a label sheet's maker and product, such as \"Avery L6015\""},
        {"a picture that is a number", coverWith("\"front\": {\"picture\": 7}"),
         "\"front.picture\" must be a file path or null"},
        {"a newer version", "{\"format\": \"sleevix-cover\", \"version\": 2}",
         "format version 2; this Sleevix reads version 1"},
        {"another format", "{\"format\": \"playlist\", \"version\": 1}", "not a Sleevix cover"},
        {"broken JSON", coverWith("\"tracks\": [\"unfinished"), "not valid JSON"},
        {"no object", "[1, 2, 3]", "not a Sleevix cover"},
        {"deep nesting", coverWith(deep), "not valid JSON"},
        {"a NUL in a text", coverWith("\"title\": \"Side\\u0000B\""),
         "\"title\" holds a NUL character"},
        {"a NUL in a track", coverWith("\"tracks\": [\"a\\u0000\"]"),
         "track 1 of \"tracks\" holds a NUL character"},
        {"a lone surrogate", coverWith("\"artist\": \"\\ud800\""),
         "\"artist\" holds text that is not valid Unicode"},
        {"invalid UTF-8", coverWith("\"artist\": \"\xff\xfe broken\""), "not valid JSON"},
    };

    const CoverDocument before = CaptureCover();
    const std::vector<QImage> pixels = surfacePixels();
    const QString title = Form1->windowTitle();
    for (const auto& document : refused) {
        SCOPED_TRACE(document.document);
        errors->shown.clear();
        openFile(writeDocument(QStringLiteral("refused.sleevix"), document.json));
        ASSERT_EQ(errors->shown.size(), 1);
        EXPECT_TRUE(errors->shown[0].startsWith("Cannot open " + pathOf("refused.sleevix") + ": "))
            << errors->shown[0];
        EXPECT_TRUE(errors->shown[0].contains(document.saying)) << errors->shown[0];
        // Refused before the question about the unsaved change.
        EXPECT_TRUE(saveChanges->askedAbout.isEmpty());
        EXPECT_TRUE(CaptureCover() == before);
        EXPECT_TRUE(surfacePixels() == pixels);
        EXPECT_EQ(Form1->windowTitle(), title);
    }
}

TEST_F(RefusedDocuments, AHundredMegabyteFileIsRefusedUnread) {
    const QString huge = pathOf("huge.sleevix");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(100LL * 1024 * 1024));
    file.close();
    const CoverDocument before = CaptureCover();
    openFile(huge);
    ASSERT_EQ(errors->shown.size(), 1);
    EXPECT_TRUE(errors->shown[0].endsWith("\"huge.sleevix\". It is too large to be a cover (104857600 bytes)"))
        << errors->shown[0];
    EXPECT_TRUE(CaptureCover() == before);
}

TEST_F(RefusedDocuments, FilesOfOtherKindsAndMissingFilesAreRefused) {
    openFile(writeDocument(QStringLiteral("notes.odt"), coverWith("")));
    openFile(pathOf("missing.sleevix"));
    ASSERT_EQ(errors->shown.size(), 2);
    EXPECT_TRUE(errors->shown[0].endsWith(": Sleevix opens Sleevix covers (.sleevix), track lists "
                                          "(.cue, .m3u, .m3u8, .txt), audio files and folders "
                                          "of them."))
        << errors->shown[0];
    EXPECT_TRUE(errors->shown[1].contains("\"missing.sleevix\". No such file")) << errors->shown[1];
}

using GonePictures = DocumentFixture;

TEST_F(GonePictures, OpenWithoutThePictureSayItOnceAndKeepItsPlace) {
    const QString back = writePicture(pathOf("back.bmp"));
    addTracks({QStringLiteral("One")});
    commit();
    choosePicture(0, back);
    saveAs(pathOf("cover.sleevix"));
    ASSERT_TRUE(QFile::remove(back));

    restart();
    openFile(pathOf("cover.sleevix"));
    EXPECT_EQ(errors->shown,
              QStringList{"The picture " + back + " was not found; the cover opens without it."});
    EXPECT_TRUE(HasBackPicture);
    EXPECT_TRUE(BackPicture.isNull());
    EXPECT_EQ(Form2->trackEntry(0), "1. One");
    // Drawing again says nothing more, and a save keeps the picture's place.
    errors->shown.clear();
    centre();
    save();
    EXPECT_TRUE(errors->shown.isEmpty());
    QFile saved(pathOf("cover.sleevix"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("\"picture\": \"back.bmp\""));
    saved.close();

    // A folder of the picture's name is no picture either.
    ASSERT_TRUE(QDir().mkpath(back));
    restart();
    openFile(pathOf("cover.sleevix"));
    EXPECT_EQ(errors->shown,
              QStringList{"The picture " + back + " was not found; the cover opens without it."});
}
