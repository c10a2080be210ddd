// SPDX-License-Identifier: GPL-3.0-or-later
// The document's JSON as other tools read and write it.

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "document/document_format.h"
#include "support/qt_printers.h"

namespace {

const QDir Folder(QStringLiteral("/covers/2024"));

CoverDocument aCover() {
    CoverDocument cover;
    cover.tracks = {QStringLiteral("1. Intro"), QStringLiteral("Corrected by hand"),
                    QStringLiteral("3. \u05e9\u05dc\u05d5\u05dd \u2603")};
    cover.artist = QStringLiteral("The Examples");
    cover.title = QString();
    cover.committed = true;
    cover.layout = CoverLayout::Centred;
    cover.back = {QStringLiteral("Liberation Serif"),
                  QColor(0x12, 0x34, 0x56),
                  {QStringLiteral("/covers/2024/art/back.jpg")},
                  {}};
    cover.front = {QString(), QColor(Qt::red), {QStringLiteral("/pictures/front.gif")},
                   {PictureFit::Fill, 250, {3, -2.5}, 90, true, QColor(0x10, 0x20, 0x30)}};
    cover.outlines = {false, true, false, QColor(0, 128, 0)};
    cover.noFrontText = true;
    cover.turnSpinesOtherWay = true;
    cover.surfaces = UsualSurfaceStyles(cover);
    return cover;
}

QJsonObject written(const CoverDocument& cover) {
    return QJsonDocument::fromJson(CoverToJson(cover, Folder)).object();
}

}  // namespace

TEST(DocumentFormat, WritesTheNamedKeysWithTheirTypesAndReadsThemBack) {
    const CoverDocument cover = aCover();
    const QJsonObject json = written(cover);
    EXPECT_EQ(json["format"].toString(), "sleevix-cover");
    EXPECT_EQ(json["version"].toInt(), 1);
    EXPECT_EQ(
        json["tracks"].toArray().toVariantList(),
        QVariantList({"1. Intro", "Corrected by hand", "3. \u05e9\u05dc\u05d5\u05dd \u2603"}));
    EXPECT_EQ(json["artist"].toString(), "The Examples");
    EXPECT_EQ(json["title"].toString(), "");
    EXPECT_TRUE(json["committed"].toBool());
    EXPECT_EQ(json["layout"].toString(), "centred");
    const QJsonObject back = json["back"].toObject();
    EXPECT_EQ(back["typeface"].toString(), "Liberation Serif");
    EXPECT_EQ(back["color"].toString(), "#123456");
    // Inside the document's folder: relative; elsewhere: absolute.
    EXPECT_EQ(back["picture"].toString(), "art/back.jpg");
    EXPECT_EQ(json["front"].toObject()["picture"].toString(), "/pictures/front.gif");
    EXPECT_EQ(json["front"].toObject()["typeface"].toString(), "");
    // A framed picture says how it lies; a stretched one says nothing.
    EXPECT_EQ(json["front"].toObject()["fit"].toString(), "fill");
    EXPECT_EQ(json["front"].toObject()["offset"].toArray().toVariantList(), QVariantList({3, -2.5}));
    EXPECT_FALSE(back.contains("fit") || back.contains("zoom") || back.contains("turn"));
    const QJsonObject outlines = json["outlines"].toObject();
    EXPECT_FALSE(outlines["fold"].toBool());
    EXPECT_TRUE(outlines["back"].toBool());
    EXPECT_FALSE(outlines["front"].toBool(true));
    EXPECT_EQ(outlines["color"].toString(), "#008000");
    EXPECT_TRUE(json["noFrontText"].toBool());
    EXPECT_TRUE(json["turnSpinesOtherWay"].toBool());
    EXPECT_FALSE(json.contains("surfaces"));  // nothing unusual to say

    EXPECT_TRUE(CoverFromJson(CoverToJson(cover, Folder), Folder) == cover);
}

TEST(DocumentFormat, UnusualDrawingStateIsWrittenAndReadBack) {
    CoverDocument cover = aCover();
    cover.surfaces.leftSpine.current = BrushStyle::Solid;  // white boxes over the picture
    cover.surfaces.front.saved = BrushStyle::Clear;
    cover.surfaces.frontPen = QColor(Qt::blue);
    const QJsonObject surfaces = written(cover)["surfaces"].toObject();
    EXPECT_EQ(surfaces["leftSpine"].toObject()["brush"].toString(), "solid");
    EXPECT_EQ(surfaces["front"].toObject()["savedBrush"].toString(), "clear");
    EXPECT_EQ(surfaces["front"].toObject()["pen"].toString(), "#0000ff");
    EXPECT_TRUE(CoverFromJson(CoverToJson(cover, Folder), Folder) == cover);
}

TEST(DocumentFormat, AToolsShortCoverTakesTheNewCoversValues) {
    const CoverDocument read = CoverFromJson(R"({"format": "sleevix-cover", "version": 1,
        "tracks": ["1. Only"], "back": {"picture": "../shared/back.png"}})",
                                             Folder);
    CoverDocument expected;
    expected.tracks = {QStringLiteral("1. Only")};
    // A cover with tracks and no word on it is one to print, not a blank one.
    expected.committed = true;
    expected.back.picture.path = QStringLiteral("/covers/shared/back.png");
    expected.surfaces = UsualSurfaceStyles(expected);
    EXPECT_TRUE(read == expected);
    EXPECT_EQ(read.back.picture.path, "/covers/shared/back.png");
    EXPECT_TRUE(read.outlines.fold && read.outlines.back && read.outlines.front);
}
