// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/cover_fixture.h"
#include "support/image_probe.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

using Commit = CoverFixture;

namespace {
bool hasInk(const Canvas& surface, QRect area = QRect()) {
    return !InkBounds(surface.image(), area).isEmpty();
}
// Inside the outlines.
QRect inner(const Canvas& surface) {
    return QRect(2, 2, surface.width() - 4, surface.height() - 4);
}
}  // namespace

TEST_F(Commit, PromptsLeftInTheFieldsAreCommittedAsText) {
    addTracks({"Intro"});
    commit();
    EXPECT_TRUE(CoverCommitted);
    EXPECT_EQ(ArtistName, "<Type in name of the artist here>");
    EXPECT_EQ(AlbumTitle, "<Type in title here>");
    EXPECT_EQ(TitleSeparator, ": ");
    EXPECT_FALSE(CenteredLayout);
    EXPECT_TRUE(hasInk(Form1->Image4, inner(Form1->Image4)));
}

TEST_F(Commit, SeparatorStandsOnlyBetweenAGivenArtistAndAGivenTitle) {
    addTracks({"Intro"});
    const struct {
        const char* artist;
        const char* title;
        const char* separator;
    } cases[] = {{"A", "T", ": "}, {"A", "", ""}, {"", "T", ""}, {"", "", ""}};
    for (const auto& c : cases) {
        setArtistAndTitle(c.artist, c.title);
        commit();
        EXPECT_EQ(TitleSeparator, c.separator) << c.artist << "|" << c.title;
    }
}

TEST_F(Commit, ContinueFromTheOpenEditorRendersAndClosesIt) {
    whenModalOpens([&] {
        addTracks({"Intro", "Outro"});
        setArtistAndTitle("Artist", "Title");
        QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(CoverCommitted);
    EXPECT_EQ(ArtistName, "Artist");
    EXPECT_TRUE(hasInk(Form1->Image1, inner(Form1->Image1)));
    EXPECT_TRUE(Form1->BitBtn1->isEnabled());
    EXPECT_TRUE(errors->shown.isEmpty());
}

TEST_F(Commit, AnEmptyTrackListRendersEverythingElseWithoutAnError) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    Form2->ListBox1->setCurrentRow(0);
    run([] { Form2->DeleteSelectedEntry(); });
    run([] { Form1->BitBtn2Click(); });  // "Left"

    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(CoverCommitted);
    EXPECT_EQ(TitleSeparator, ": ");
    EXPECT_FALSE(hasInk(Form1->Image1, inner(Form1->Image1)));  // no track lines
    EXPECT_TRUE(hasInk(Form1->Image4, inner(Form1->Image4)));
    EXPECT_TRUE(hasInk(Form1->Image2, QRect(1, 2, 19, 349)));
    EXPECT_EQ(Form1->Image1.image().pixel(200, 0), 0xff000000u);  // outlines drawn
    EXPECT_EQ(Form1->Image4.image().pixel(0, 100), 0xff000000u);

    centre();
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_TRUE(CenteredLayout);
    EXPECT_FALSE(hasInk(Form1->Image1, inner(Form1->Image1)));
}

TEST_F(Commit, NoFitRunsBelowOnePointAndOverlongTextsAreDrawnThere) {
    const QString huge = QString(3000, QLatin1Char('W'));
    addTracks({huge});
    setArtistAndTitle(huge, huge);
    commit();
    EXPECT_TRUE(errors->shown.isEmpty());
    EXPECT_EQ(Form1->Image1.font.size, 1);
    EXPECT_EQ(Form1->Image4.font.size, 1);
    EXPECT_EQ(Form1->Image2.font.size, 1);
    EXPECT_EQ(Form1->Image3.font.size, 1);
    EXPECT_TRUE(hasInk(Form1->Image1, inner(Form1->Image1)));
}

TEST_F(Commit, EveryRenderClearsTheOldTextsAlsoWithClearBrushes) {
    addTracks({"A very long first track name", "Second"});
    setArtistAndTitle("A long artist name", "A long album title");
    commit();
    // The brushes as a chosen picture leaves them.
    for (Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image3, &Form1->Image4})
        s->brushStyle = BrushStyle::Clear;

    // Shorter texts: nothing of the longer ones may stay beside them.
    Form2->ListBox1->item(0)->setText("1. A");
    setArtistAndTitle("B", "C");
    commit();
    const QImage leftMode[] = {Form1->Image1.image(), Form1->Image2.image(), Form1->Image4.image()};
    for (Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image4})
        s->brushStyle = BrushStyle::Solid;
    commit();
    EXPECT_EQ(leftMode[0], Form1->Image1.image());
    EXPECT_EQ(leftMode[1], Form1->Image2.image());
    EXPECT_EQ(leftMode[2], Form1->Image4.image());

    // Likewise the centred render, which clears the spines too.
    for (Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image3, &Form1->Image4})
        s->brushStyle = BrushStyle::Clear;
    setArtistAndTitle("A long artist name", "A long album title");
    centre();
    setArtistAndTitle("B", "C");
    commit();
    for (Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image3, &Form1->Image4})
        s->brushStyle = BrushStyle::Clear;
    centre();
    const QImage spineAfterCentred = Form1->Image2.image();
    for (Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image3, &Form1->Image4})
        s->brushStyle = BrushStyle::Solid;
    centre();
    EXPECT_EQ(spineAfterCentred, Form1->Image2.image());
}

TEST_F(Commit, AnEmptyTrackLineCountsAsAFullLine) {
    addTracks({"Intro", "Outro"});
    Form2->ListBox1->item(0)->setText(QString());
    commit();
    EXPECT_EQ(TrackLineHeight, 75);
    EXPECT_EQ(TrackBlockHeight, 150);
}
