// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "render/canvas.h"
#include "render/cover_layout.h"
#include "support/cover_fixture.h"
#include "support/image_probe.h"
#include "tracks/track_editor.h"

namespace {

// The line height and width a font of the given size gives, measured on a
// fresh surface.
int lineHeightAt(const QString& face, int size) {
    Canvas probe(10, 10);
    probe.font.name = face;
    probe.font.size = size;
    return probe.textHeight(QStringLiteral("X"));
}
int widthAt(const QString& face, int size, const QString& text) {
    Canvas probe(10, 10);
    probe.font.name = face;
    probe.font.size = size;
    return probe.textWidth(text);
}

}  // namespace

class Layout : public CoverFixture {
  protected:
    void SetUp() override {
        CoverFixture::SetUp();
        switchOutlines(false, false, false);  // so that ink is text alone
    }
    // The ink of track line i, inside its row.
    QRect trackInk(int i) const {
        // Columns 0 and 399 carry the centred render's frame.
        return InkBounds(Form1->Image1.image(),
                         QRect(1, 5 + i * TrackLineHeight, 398, TrackLineHeight));
    }
};

TEST_F(Layout, ASingleShortTrackStaysAtFiftyPoints) {
    addTracks({"Intro"});
    commit();
    EXPECT_EQ(Form1->Image1.font.size, 50);
    EXPECT_EQ(TrackLineHeight, 75);
    EXPECT_EQ(TrackBlockHeight, 75);
    EXPECT_EQ(TrackWidths[0], widthAt("arial", 50, "1. Intro"));
}

TEST_F(Layout, TheBackTakesTheLargestSizeAtWhichTheBlockFits) {
    for (int count : {4, 5, 12, 41}) {
        SCOPED_TRACE(count);
        while (TrackCount < count) addTracks({"x"});
        commit();
        const int size = Form1->Image1.font.size;
        EXPECT_LT(lineHeightAt("arial", size) * count, 349);
        if (size < 50) {
            EXPECT_GE(lineHeightAt("arial", size + 1) * count, 349);
        }
        EXPECT_EQ(TrackLineHeight, lineHeightAt("arial", size));
        EXPECT_EQ(TrackBlockHeight, TrackLineHeight * count);
    }
}

TEST_F(Layout, TheWidthFitShrinksUntilTheWidestLineIsNarrowerThanTheBack) {
    const QString longLine = QStringLiteral("A rather long title that will not fit at fifty");
    addTracks({"Short", longLine, "Mid length"});
    commit();
    const int size = Form1->Image1.font.size;
    const QString widest = QStringLiteral("2. ") + longLine;
    EXPECT_LT(widthAt("arial", size, widest), 370);
    EXPECT_GE(widthAt("arial", size + 1, widest), 370);
    EXPECT_EQ(WidestTrackWidth, widthAt("arial", size, widest));
    // The stored widths are those measured before the width fit.
    EXPECT_GT(TrackWidths[1], WidestTrackWidth);
    EXPECT_EQ(TrackWidths[3], 0);
}

TEST_F(Layout, TrackLinesStartAtTenOrAreCentredFromTheFifthRowDown) {
    addTracks({"Intro", "Walking on the long road home", "Outro"});
    commit();
    for (int i = 0; i < 3; ++i) {
        const QRect ink = trackInk(i);
        EXPECT_GE(ink.left(), 10);
        EXPECT_LE(ink.left(), 14);  // the digit's own side bearing
        EXPECT_GE(ink.top(), 5 + i * TrackLineHeight);
    }
    EXPECT_EQ(InkBounds(Form1->Image1.image(), QRect(0, 0, 400, 5)), QRect());

    centre();
    EXPECT_TRUE(CenteredLayout);
    for (int i = 0; i < 3; ++i) {
        const QRect ink = trackInk(i);
        const int x = 200 - TrackWidths[i] / 2;
        EXPECT_GE(ink.left(), x);
        EXPECT_LE(ink.right(), x + TrackWidths[i]);
        EXPECT_LE(std::abs(ink.center().x() - 200), 3);
    }
}

TEST_F(Layout, FrontLinesStandAt135AndBelowTheLineHeightPlus140) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QImage& front = Form1->Image4.image();
    const QRect artist = InkBounds(front, QRect(0, 0, 361, 135 + FrontLineHeight));
    const QRect title = InkBounds(front, QRect(0, FrontLineHeight + 140, 361, 353));
    EXPECT_GE(artist.top(), 135);
    EXPECT_GE(title.top(), FrontLineHeight + 140);
    EXPECT_LT(title.bottom(), FrontLineHeight * 2 + 140);
    EXPECT_EQ(FrontLineHeight, lineHeightAt("arial", Form1->Image4.font.size));
    // "Artist: " is centred, blank included.
    const int size = Form1->Image4.font.size;
    const int artistX = 180 - widthAt("arial", size, "Artist: ") / 2;
    EXPECT_GE(artist.left(), artistX);
    EXPECT_LE(artist.left(), artistX + 5);
    EXPECT_LE(std::abs(title.center().x() - 180), 3);
}

TEST_F(Layout, ArtistLineIsCentredAsIfTheSeparatorFollowedItInCentredModeOnly) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "");
    commit();
    EXPECT_EQ(TitleSeparator, "");
    const int size = Form1->Image4.font.size;
    const QRect leftInk = InkBounds(Form1->Image4.image());
    const int artistWidth = widthAt("arial", size, "Artist");
    EXPECT_GE(leftInk.left(), 180 - artistWidth / 2);
    EXPECT_LE(std::abs(leftInk.center().x() - 180), 3);

    centre();
    const QRect centredInk = InkBounds(Form1->Image4.image(), QRect(1, 1, 359, 351));
    EXPECT_EQ(centredInk.width(), leftInk.width());
    EXPECT_GE(centredInk.left(), 180 - widthAt("arial", size, "Artist: ") / 2);
    EXPECT_LT(centredInk.center().x(), 180 - 3);
}

TEST_F(Layout, SpinesShareOneSizeAndStandCentredAlongTheirStrips) {
    addTracks({"Intro"});
    setArtistAndTitle("A band with a rather long name", "And an even longer album title");
    commit();
    const Canvas& left = Form1->Image2;
    const Canvas& right = Form1->Image3;
    EXPECT_EQ(left.font.size, right.font.size);
    const QString measured = ArtistName + ": " + AlbumTitle;
    const int w = widthAt("arial", left.font.size, measured);
    const int h = lineHeightAt("arial", left.font.size);
    EXPECT_LT(w, 348);
    EXPECT_LT(h, 22);
    EXPECT_GE(widthAt("arial", left.font.size + 1, measured), 348);

    const int y0 = 353 / 2 + w / 2;
    const QRect leftInk = InkBounds(left.image());
    EXPECT_TRUE(QRect(1, y0 - w, h, w + 1).contains(leftInk));
    EXPECT_GT(leftInk.height(), w * 9 / 10);
    const int y1 = 353 / 2 - w / 2;
    const QRect rightInk = InkBounds(right.image());
    EXPECT_TRUE(QRect(21 - h, y1, h + 1, w + 1).contains(rightInk));
    EXPECT_GT(rightInk.height(), w * 9 / 10);
    EXPECT_EQ(left.font.escapement, 900);
    EXPECT_EQ(right.font.escapement, -900);
}

TEST_F(Layout, ShortSpineTextsStopAtTheStripsWidth) {
    addTracks({"Intro"});
    setArtistAndTitle("AB", "CD");
    commit();
    const int size = Form1->Image2.font.size;
    EXPECT_LT(lineHeightAt("arial", size), 22);
    EXPECT_GE(lineHeightAt("arial", size + 1), 22);
}

TEST_F(Layout, ATextTooLongToBeSeenWholeStillFillsItsLineAndIsKeptWhole) {
    // Laid out by its beginning alone, it must still reach past both edges
    // at the smallest size, as the whole text would.
    const QString artist = QStringLiteral("W i ").repeated(100'000);
    addTracks({"Intro"});
    setArtistAndTitle(artist, "Title");
    commit();
    const Canvas& front = Form1->Image4;
    EXPECT_EQ(front.font.size, MinimumFontSize);
    const QRect ink = InkBounds(front.image(), QRect(1, 135, front.width() - 2, FrontLineHeight));
    EXPECT_LE(ink.left(), 2);
    EXPECT_GE(ink.right(), front.width() - 3);
    const Canvas& spine = Form1->Image2;
    const QRect spineInk = InkBounds(spine.image(), QRect(0, 1, spine.width(), spine.height() - 2));
    EXPECT_LE(spineInk.top(), 2);
    EXPECT_GE(spineInk.bottom(), spine.height() - 3);
    EXPECT_EQ(ArtistName, artist);
}
