// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/cover_fixture.h"
#include "support/image_probe.h"
#include "tracks/track_editor.h"

namespace {
QRect inner(const Canvas& surface) {
    return QRect(2, 2, surface.width() - 4, surface.height() - 4);
}
// The leftmost ink of the first track row.
int firstLineLeft() {
    return InkBounds(Form1->Image1.image(), QRect(1, 5, 398, TrackLineHeight)).left();
}
QList<QPoint> ofColour(const Canvas& surface, QRgb colour) {
    return PixelsOfColour(surface.image(), colour);
}
constexpr QRgb Red = 0xffff0000;
constexpr QRgb Green = 0xff00ff00;
}  // namespace

using LookCommands = CoverFixture;

TEST_F(LookCommands, ContinueAfterCenterDrawsLeftAndTheNextRefreshDrawsCentred) {
    addTracks({"Intro"});
    commit();
    const int left = firstLineLeft();
    centre();
    const int centred = firstLineLeft();
    EXPECT_GT(centred, left + 50);

    commit();  // "Continue" keeps the mode but draws flush left
    EXPECT_TRUE(CenteredLayout);
    EXPECT_EQ(firstLineLeft(), left);
    Form1->CheckBox1->setChecked(false);  // an outline switch re-renders
    EXPECT_EQ(firstLineLeft(), centred);

    run([] { Form1->BitBtn2Click(); });  // "Left"
    EXPECT_FALSE(CenteredLayout);
    EXPECT_EQ(firstLineLeft(), left);
}

TEST_F(LookCommands, LeftWithTheEditorHiddenTakesItsCurrentFieldsAndLeavesItHidden) {
    addTracks({"Intro"});
    setArtistAndTitle("Old", "Title");
    commit();
    setArtistAndTitle("New artist", "Title");
    Form1->CheckBox4->setChecked(true);  // re-render with the fields as they are
    EXPECT_EQ(ArtistName, "New artist");
    Form1->CheckBox4->setChecked(false);

    centre();
    setArtistAndTitle("Newer", "T");
    run([] { Form1->BitBtn2Click(); });
    EXPECT_EQ(ArtistName, "Newer");
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(LookCommands, CenterBeforeAnyCommitUsesArialAndEmptyTexts) {
    addTracks({"Intro"});
    centre();
    EXPECT_FALSE(CoverCommitted);
    EXPECT_TRUE(CenteredLayout);
    EXPECT_EQ(Form1->Image1.font.name, "arial");
    EXPECT_EQ(Form1->Image4.font.name, "arial");
    EXPECT_EQ(Form1->Image1.font.size, 50);
    EXPECT_TRUE(InkBounds(Form1->Image4.image(), inner(Form1->Image4)).isEmpty());
    // Each spine shows ": " alone.
    EXPECT_FALSE(InkBounds(Form1->Image2.image(), QRect(1, 2, 19, 349)).isEmpty());
}

TEST_F(LookCommands, CancelledFontDialogRerendersAndCommitsOnlyACommittedCover) {
    addTracks({"Intro"});
    run([] { Form1->Button1Click(); });
    EXPECT_EQ(fontDialog->executions, 1);
    EXPECT_FALSE(CoverCommitted);  // the editor's prompts stay off the cover
    EXPECT_TRUE(ArtistName.isEmpty());
    EXPECT_TRUE(InkBounds(Form1->Image4.image(), inner(Form1->Image4)).isEmpty());

    commit();
    Form2->Edit3->setText(QStringLiteral("Changed"));
    run([] { Form1->Button1Click(); });
    EXPECT_TRUE(CoverCommitted);
    EXPECT_EQ(ArtistName, "Changed");
    EXPECT_TRUE(BackFontName.isEmpty());
    EXPECT_FALSE(InkBounds(Form1->Image1.image(), inner(Form1->Image1)).isEmpty());
}

TEST_F(LookCommands, AFontForTheFrontChangesOnlyTheFront) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    const QImage back = Form1->Image1.image();
    const QImage spine = Form1->Image2.image();

    Form1->TabbedNotebook1->setCurrentIndex(1);
    fontDialog->answers = {{QFont("DejaVu Serif"), QColor(Qt::red)}};
    run([] { Form1->Button1Click(); });
    EXPECT_EQ(FrontFontName, "DejaVu Serif");
    EXPECT_EQ(FrontFontColor.rgb(), Red);
    EXPECT_TRUE(BackFontName.isEmpty());
    EXPECT_EQ(Form1->Image4.font.name, "DejaVu Serif");
    EXPECT_FALSE(ofColour(Form1->Image4, Red).isEmpty());
    EXPECT_EQ(Form1->Image1.image(), back);
    EXPECT_EQ(Form1->Image2.image(), spine);
}

TEST_F(LookCommands, ABackFontColoursTracksAndSpinesButSpinesStayArial) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    commit();
    fontDialog->answers = {{QFont("DejaVu Serif"), QColor(Qt::green)}};
    run([] { Form1->Button1Click(); });
    EXPECT_EQ(Form1->Image1.font.name, "DejaVu Serif");
    EXPECT_EQ(Form1->Image2.font.name, "arial");
    EXPECT_EQ(Form1->Image3.font.name, "arial");
    EXPECT_FALSE(ofColour(Form1->Image1, Green).isEmpty());
    EXPECT_FALSE(ofColour(Form1->Image2, Green).isEmpty());
    EXPECT_FALSE(ofColour(Form1->Image3, Green).isEmpty());
    EXPECT_TRUE(ofColour(Form1->Image4, Green).isEmpty());
}

TEST_F(LookCommands, BoldOrLargeFontsGiveTheSameCoverAsRegular) {
    addTracks({"Intro", "Outro"});
    setArtistAndTitle("Artist", "Title");
    fontDialog->answers = {{QFont("DejaVu Serif", 9), QColor(Qt::black)}};
    run([] { Form1->Button1Click(); });
    const QImage regular = Form1->Image1.image();
    QFont bold("DejaVu Serif", 48);
    bold.setBold(true);
    bold.setItalic(true);
    fontDialog->answers = {{bold, QColor(Qt::black)}};
    run([] { Form1->Button1Click(); });
    EXPECT_EQ(Form1->Image1.image(), regular);
}

TEST_F(LookCommands, NoTextOnFrontChangesNothingBeforeACommitAndRerendersAfter) {
    addTracks({"Intro"});
    setArtistAndTitle("Artist", "Title");
    const QImage blankFront = Form1->Image4.image();
    Form1->CheckBox4->setChecked(true);
    Form1->CheckBox4->setChecked(false);
    EXPECT_EQ(Form1->Image4.image(), blankFront);
    EXPECT_FALSE(CoverCommitted);

    commit();
    EXPECT_NE(Form1->Image4.image(), blankFront);
    const QImage spine = Form1->Image2.image();
    Form1->CheckBox4->setChecked(true);
    EXPECT_EQ(Form1->Image4.image(), blankFront);  // outline only
    EXPECT_EQ(Form1->Image2.image(), spine);       // spines keep their text
    centre();
    EXPECT_TRUE(InkBounds(Form1->Image4.image(), inner(Form1->Image4)).isEmpty());
}
