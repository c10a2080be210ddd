// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/cover_state.h"
#include "support/qt_printers.h"

TEST(CoverState, ResetRestoresEveryStartValue) {
    TrackCount = 7;
    ArtistName = QStringLiteral("a");
    TitleSeparator = QStringLiteral(": ");
    BackFontColor = QColor(Qt::red);
    OutlineColor = QColor(Qt::blue);
    CenteredLayout = CoverCommitted = HasBackPicture = HasFrontPicture = true;
    BackPicture = PictureBitmap(QImage(2, 2, QImage::Format_RGB32));
    SavedFrontBrushStyle = BrushStyle::Clear;
    TrackWidths[40] = 5;
    TrackLineHeight = 12;
    PrintAlbumTitle = QStringLiteral("t");

    ResetCoverState();

    EXPECT_EQ(TrackCount, 0);
    EXPECT_TRUE(ArtistName.isEmpty());
    EXPECT_TRUE(TitleSeparator.isEmpty());
    EXPECT_EQ(BackFontColor.rgb(), QColor(Qt::black).rgb());
    EXPECT_EQ(OutlineColor.rgb(), QColor(Qt::black).rgb());
    EXPECT_FALSE(CenteredLayout || CoverCommitted || HasBackPicture || HasFrontPicture);
    EXPECT_TRUE(BackPicture.isNull());
    EXPECT_EQ(SavedFrontBrushStyle, BrushStyle::Solid);
    EXPECT_EQ(TrackWidths.size(), 41u);
    for (int width : TrackWidths) EXPECT_EQ(width, 0);
    EXPECT_EQ(TrackLineHeight, 0);
    EXPECT_TRUE(PrintAlbumTitle.isEmpty());
}
