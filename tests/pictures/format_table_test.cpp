// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "pictures/picture_format_table.h"
#include "support/qt_printers.h"

TEST(PictureFormatTable, OffersEveryFormatNewestFirstWithAllInFront) {
    EXPECT_EQ(BuildPictureFilter(),
              "All (*.png;*.webp;*.tif;*.tiff;*.svg;*.svgz;*.mp3;*.flac;*.ogg;*.opus;*.m4a;"
              "*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf)|"
              "*.png;*.webp;*.tif;*.tiff;*.svg;*.svgz;*.mp3;*.flac;*.ogg;*.opus;*.m4a;"
              "*.jpg;*.jpeg;*.gif;*.bmp;*.ico;*.emf;*.wmf|"
              "PNG Image (*.png)|*.png|"
              "WebP Image (*.webp)|*.webp|"
              "TIFF Image (*.tif)|*.tif|"
              "TIFF Image (*.tiff)|*.tiff|"
              "SVG Drawing (*.svg)|*.svg|"
              "Compressed SVG Drawing (*.svgz)|*.svgz|"
              "MP3 Album Art (*.mp3)|*.mp3|"
              "FLAC Album Art (*.flac)|*.flac|"
              "Ogg Album Art (*.ogg)|*.ogg|"
              "Opus Album Art (*.opus)|*.opus|"
              "M4A Album Art (*.m4a)|*.m4a|"
              "JPEG Image File (*.jpg)|*.jpg|"
              "JPEG Image File (*.jpeg)|*.jpeg|"
              "GIF Image (*.gif)|*.gif|"
              "Bitmaps (*.bmp)|*.bmp|"
              "Icons (*.ico)|*.ico|"
              "Enhanced Metafiles (*.emf)|*.emf|"
              "Metafiles (*.wmf)|*.wmf");
    EXPECT_EQ(DefaultPictureExtension(), "gif");
}

TEST(PictureFormatTable, FindsWithoutCaseAndTheNewestRegistrationWins) {
    EXPECT_EQ(PictureFormats().Find("JPG")->decoder, DecoderKind::Jpeg);
    EXPECT_EQ(PictureFormats().Find("Gif")->extension, "gif");
    EXPECT_EQ(PictureFormats().Find("PNG")->decoder, DecoderKind::Png);
    EXPECT_EQ(PictureFormats().Find("Tif")->decoder, PictureFormats().Find("tiff")->decoder);
    EXPECT_EQ(PictureFormats().Find("xcf"), nullptr);
    EXPECT_EQ(PictureFormats().Find(""), nullptr);

    PictureFormatTable table;
    table.Register("PIC", "Old pictures", DecoderKind::Bitmap);
    table.Register("pic", "New pictures", DecoderKind::Gif);
    EXPECT_EQ(table.formats().front().extension, "pic");
    EXPECT_EQ(table.Find("Pic")->description, "New pictures");
}
