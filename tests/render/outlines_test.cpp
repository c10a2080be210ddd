// SPDX-License-Identifier: GPL-3.0-or-later
#include <set>

#include <QCheckBox>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/cover_fixture.h"
#include "support/image_probe.h"

namespace {

using PixelSet = std::set<std::pair<int, int>>;

void addRow(PixelSet& set, int y, int fromX, int toX) {
    for (int x = fromX; x <= toX; ++x) set.insert({x, y});
}
void addColumn(PixelSet& set, int x, int fromY, int toY) {
    for (int y = fromY; y <= toY; ++y) set.insert({x, y});
}

PixelSet pixelsOf(const Canvas& surface, QRgb colour) {
    PixelSet set;
    for (QPoint p : PixelsOfColour(surface.image(), colour)) set.insert({p.x(), p.y()});
    return set;
}

// What each group leaves on each surface, written out from the drawings of
// the inserts rather than from the line table.
struct Expected {
    PixelSet leftSpine, back, rightSpine, front;
};

Expected expectedOutlines(bool fold, bool backOutline, bool frontOutline) {
    Expected e;
    if (fold) {
        addColumn(e.leftSpine, 21, 0, 352);
        addColumn(e.rightSpine, 0, 0, 352);
    }
    if (backOutline) {
        addRow(e.leftSpine, 0, 0, 21);
        addRow(e.leftSpine, 352, 1, 21);
        addColumn(e.leftSpine, 0, 1, 352);
        addRow(e.back, 0, 0, 399);
        addRow(e.back, 352, 1, 399);
        addRow(e.rightSpine, 0, 0, 20);
        addColumn(e.rightSpine, 21, 0, 351);
        addRow(e.rightSpine, 352, 1, 21);
    }
    if (frontOutline) {
        addRow(e.front, 0, 0, 360);
        addRow(e.front, 352, 0, 360);
        addColumn(e.front, 0, 0, 352);
        addColumn(e.front, 360, 0, 352);
    }
    return e;
}

void expectOutlines(const Expected& e, QRgb colour) {
    EXPECT_EQ(pixelsOf(Form1->Image2, colour), e.leftSpine);
    EXPECT_EQ(pixelsOf(Form1->Image1, colour), e.back);
    EXPECT_EQ(pixelsOf(Form1->Image3, colour), e.rightSpine);
    EXPECT_EQ(pixelsOf(Form1->Image4, colour), e.front);
}

constexpr QRgb Black = 0xff000000;
constexpr QRgb Blue = 0xff0000ff;

}  // namespace

using Outlines = CoverFixture;

TEST_F(Outlines, StartUpDrawsAllThreeGroupsInBlackOnWhiteInserts) {
    expectOutlines(expectedOutlines(true, true, true), Black);
    // Nothing but white and the lines.
    for (const Canvas* s : {&Form1->Image1, &Form1->Image2, &Form1->Image3, &Form1->Image4})
        EXPECT_EQ(pixelsOf(*s, Black).size() + pixelsOf(*s, 0xffffffff).size(),
                  size_t(s->width() * s->height()));
}

TEST_F(Outlines, EachSwitchDrawsExactlyItsGroupAndSwitchingOffRemovesIt) {
    const bool states[][3] = {{false, true, true},   {true, false, true},  {true, true, false},
                              {false, false, false}, {false, true, false}, {true, true, true}};
    for (const auto& s : states) {
        SCOPED_TRACE(testing::Message() << s[0] << s[1] << s[2]);
        switchOutlines(s[0], s[1], s[2]);
        expectOutlines(expectedOutlines(s[0], s[1], s[2]), Black);
    }
    // "Vertical lines" off with "Back" on: of the shared columns only the
    // corners set by the back outline's rows stay.
    switchOutlines(false, true, true);
    const PixelSet left = pixelsOf(Form1->Image2, Black);
    EXPECT_TRUE(left.count({21, 0}) && left.count({21, 352}));
    EXPECT_FALSE(left.count({21, 1}) || left.count({21, 351}));
    const PixelSet right = pixelsOf(Form1->Image3, Black);
    EXPECT_TRUE(right.count({0, 0}));
    EXPECT_FALSE(right.count({0, 1}) || right.count({0, 352}));
}

TEST_F(Outlines, AGroupSwitchedOffDisappearsAlsoWhenTheSavedBrushesAreClear) {
    // After a picture was chosen the brushes are clear; clearing must still
    // remove the old lines.
    SavedBackBrushStyle = SavedLeftSpineBrushStyle = SavedRightSpineBrushStyle =
        SavedFrontBrushStyle = BrushStyle::Clear;
    switchOutlines(false, false, false);
    expectOutlines(expectedOutlines(false, false, false), Black);
    EXPECT_EQ(Form1->Image1.brushStyle, BrushStyle::Clear);
    EXPECT_EQ(Form1->Image4.brushStyle, BrushStyle::Clear);
}

TEST_F(Outlines, ColourCommandRedrawsEveryCheckedGroupAndTheSwatch) {
    addTracks({"Intro", "Song"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QImage backBefore = Form1->Image1.image();

    colorDialog->answers = {QColor(Qt::blue)};
    run([] { Form1->Button2Click(); });

    EXPECT_EQ(OutlineColor.rgb(), Blue);
    EXPECT_EQ(Form1->swatchColor().rgb(), Blue);
    expectOutlines(expectedOutlines(true, true, true), Blue);
    // The texts were drawn again too: apart from the lines, the back is as
    // it was.
    QImage backAfter = Form1->Image1.image();
    for (auto [x, y] : pixelsOf(Form1->Image1, Blue)) backAfter.setPixel(x, y, Black);
    EXPECT_EQ(backAfter, backBefore);

    // Cancelled: nothing changes.
    colorDialog->answers = {QColor()};
    run([] { Form1->Button2Click(); });
    EXPECT_EQ(OutlineColor.rgb(), Blue);
    EXPECT_EQ(Form1->swatchColor().rgb(), Blue);
}

TEST_F(Outlines, ColourChosenWithAllGroupsOffShowsOnlyWhenAGroupIsDrawn) {
    switchOutlines(false, false, false);
    colorDialog->answers = {QColor(Qt::blue)};
    run([] { Form1->Button2Click(); });
    EXPECT_EQ(Form1->swatchColor().rgb(), Blue);
    expectOutlines(expectedOutlines(false, false, false), Blue);
    Form1->CheckBox3->setChecked(true);
    expectOutlines(expectedOutlines(false, false, true), Blue);
}
