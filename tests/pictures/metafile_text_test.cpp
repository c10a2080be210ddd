// SPDX-License-Identifier: GPL-3.0-or-later
// Text in metafiles: which way rotated text runs under each mapping, and
// where its letters stand.

#include <utility>

#include <gtest/gtest.h>


#include "pictures/metafile/record_numbers.h"
#include "support/image_probe.h"
#include "support/metafile_builder.h"
#include "support/process_use.h"

namespace {

constexpr int MapText = 1, MapAnisotropic = 8, Transparent = 1;

// The page maps logical (x, y) to device (x, y) in the y-down case and to
// (x, 1000 - y) in the flipped case, so logical (500, 500) is the device's
// (500, 500) either way.
EmfBuilder withMapping(bool flipped) {
    EmfBuilder emf;
    if (!flipped) {
        emf.record(emf_record::SetMapMode, {MapText});
        return emf;
    }
    emf.record(emf_record::SetMapMode, {MapAnisotropic});
    emf.record(emf_record::SetWindowOrgEx, {0, 0});
    emf.record(emf_record::SetWindowExtEx, {1000, -1000});
    emf.record(emf_record::SetViewportOrgEx, {0, 1000});
    emf.record(emf_record::SetViewportExtEx, {1000, 1000});
    return emf;
}

QRect rotatedTextInk(bool flipped, int escapement) {
    EmfBuilder emf = withMapping(flipped);
    emf.record(emf_record::ExtCreateFontIndirectW, LogFontW(1, -40, escapement));
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::SetBkMode, {Transparent});
    emf.record(emf_record::ExtTextOutW, ExtTextOutW(QPoint(500, 500), "Axis title"));
    return InkBounds(PlayMetafileInto(emf.build(), QSize(1000, 1000)));
}

}  // namespace

// The baseline turns in logical coordinates, (cos, -sin) of the escapement,
// and is then mapped: a flipped y axis reverses the turn on the device. The
// text cell hangs from its top-left corner at the reference point, on the
// side of the baseline its glyphs' feet point to.
TEST(MetafileText, RotatedTextRunsTheWayTheMappingTurnsItsBaseline) {
    const struct {
        bool flipped;
        int escapement;
        bool runsUp;  // on the device; otherwise down
    } cases[] = {
        {false, 900, true},
        {false, 2700, false},
        {true, 900, false},
        {true, 2700, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.flipped ? "flipped " : "y-down ") << c.escapement);
        const QRect ink = rotatedTextInk(c.flipped, c.escapement);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GT(ink.height(), 3 * ink.width()) << "runs along the y axis";
        if (c.runsUp) {
            // Reads upward: the cell lies to the right of the reference point.
            EXPECT_LE(ink.bottom(), 500);
            EXPECT_GE(ink.left(), 500);
        } else {
            // Reads downward: the cell lies to its left.
            EXPECT_GE(ink.top(), 500);
            EXPECT_LE(ink.right(), 500);
        }
        EXPECT_LT(ink.right() - ink.left(), 45);
    }
}

// Chart tools write the device rectangle the platform drew each text into
// beside the text itself; the text drawn here lies inside it.
TEST(MetafileText, AxisTitlesUnderAFlippedMappingStayInsideTheirRecordedBounds) {
    // A value axis title as a chart tool writes it: escapement 900 under a
    // flipped page; the recorded bounds are the strip below the reference
    // point, to its left, where the title reads downward.
    EmfBuilder emf = withMapping(true);
    emf.record(emf_record::ExtCreateFontIndirectW, LogFontW(1, -40, 900));
    emf.record(emf_record::SelectObject, {1});
    emf.record(emf_record::SetBkMode, {Transparent});
    const QRect recorded(QPoint(460, 500), QPoint(500, 800));
    emf.record(emf_record::ExtTextOutW, ExtTextOutW(QPoint(500, 500), "Value axis", {}, recorded));
    const QRect ink = InkBounds(PlayMetafileInto(emf.build(), QSize(1000, 1000)));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(recorded.adjusted(-2, -2, 2, 2).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

// Advances written for a typeface this machine lacks are the cells of that
// typeface: the one put in its place would stand letter by letter in cells
// that do not fit it. It sets the text as a run of its own instead. A
// typeface that is present, or replaced by one of the same metrics, keeps
// the record's advances.
TEST(MetafileText, AdvancesForAMissingTypefaceGiveWayToTheSubstitutesOwn) {
    auto inkOf = [](const QString& face, const QList<int>& advances) {
        EmfBuilder emf = withMapping(false);
        emf.record(emf_record::ExtCreateFontIndirectW, LogFontW(1, -40, 0, face));
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::SetBkMode, {Transparent});
        emf.record(emf_record::ExtTextOutW, ExtTextOutW(QPoint(100, 100), "Y- axis", advances));
        return PlayMetafileInto(emf.build(), QSize(1000, 1000));
    };
    const QList<int> wideCells{40, 40, 40, 40, 40, 40, 40};
    const QImage missing = inkOf("No Such Typeface", wideCells);
    const QImage natural = inkOf("No Such Typeface", {});
    EXPECT_EQ(InkBounds(missing), InkBounds(natural));
    EXPECT_TRUE(missing == natural);
    // Arial resolves to a typeface of the same metrics: advances of its
    // own stand.
    const QList<int> ownAdvances{27, 13, 12, 22, 20, 9, 20};
    const QRect arial = InkBounds(inkOf("Arial", ownAdvances));
    EXPECT_NEAR(arial.width(), 27 + 13 + 12 + 22 + 20 + 9 + 20, 6);
    // Cells of one width are no typeface's own advances: a proportional
    // typeface sets the run by its own widths, as with none given.
    EXPECT_TRUE(inkOf("Arial", wideCells) == inkOf("Arial", {}));
}

// Advances given in pairs, across and down, set the letters as the same
// advances given alone do.
TEST(MetafileText, AdvancePairsSetLettersAsSingleAdvancesDo) {
    constexpr int OptionsAt = 44;  // in the record's parameters
    constexpr char AdvancePairs = 0x20;  // 0x2000, second byte
    auto inkOf = [](const Fields& textOut) {
        EmfBuilder emf = withMapping(false);
        emf.record(emf_record::ExtCreateFontIndirectW, LogFontW(1, -40, 0, "Arial"));
        emf.record(emf_record::SelectObject, {1});
        emf.record(emf_record::SetBkMode, {Transparent});
        emf.record(emf_record::ExtTextOutW, textOut);
        return PlayMetafileInto(emf.build(), QSize(1000, 1000));
    };
    const QImage single = inkOf(ExtTextOutW(QPoint(100, 100), "Wide", {90, 40, 60, 50}));
    QByteArray paired = ExtTextOutW(QPoint(100, 100), "Wide", {90, 0, 40, 0, 60, 0, 50, 0}).data();
    paired[OptionsAt + 1] = AdvancePairs;
    EXPECT_GT(InkBounds(single).width(), 90 + 40 + 60);
    EXPECT_TRUE(inkOf(Fields().bytes(paired)) == single);
}

// Eight-bit text is in the code page of the font's character set: the
// same letters as the Unicode record draws, curly quotes and Cyrillic too.
TEST(MetafileText, EightBitTextReadsInTheFontsCodePage) {
    constexpr int CharSetAt = 4 + 23;  // slot, then the LOGFONTW's field
    const auto eightBit = [](QPoint at, const QByteArray& text) {
        constexpr int StringAt = 76;
        Fields f;
        f.u32(0).u32(0).u32(-1).u32(-1).u32(1).f32(1).f32(1);
        f.u32(at.x()).u32(at.y()).u32(text.size()).u32(StringAt).u32(0);
        f.u32(0).u32(0).u32(-1).u32(-1).u32(0);  // no rectangle, no advances
        return f.bytes(text);
    };
    const struct {
        int charSet;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {0, "\x93Quoted\x94 \x96 5 \x80", QString::fromUtf8("“Quoted” – 5 €")},
        {204, "\xcf\xf0\xe8\xe2\xe5\xf2", QString::fromUtf8("Привет")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.charSet);
        const auto drawn = [&](uint32_t type, const Fields& textOut) {
            QByteArray font = LogFontW(1, -40, 0).data();
            font[CharSetAt] = char(c.charSet);
            EmfBuilder emf = withMapping(false);
            emf.record(emf_record::ExtCreateFontIndirectW, Fields().bytes(font));
            emf.record(emf_record::SelectObject, {1});
            emf.record(emf_record::SetBkMode, {Transparent});
            emf.record(type, textOut);
            return PlayMetafileInto(emf.build(), QSize(1000, 200));
        };
        const QImage unicode = drawn(emf_record::ExtTextOutW, ExtTextOutW(QPoint(50, 50), c.text));
        EXPECT_FALSE(InkBounds(unicode).isEmpty());
        EXPECT_TRUE(drawn(emf_record::ExtTextOutA, eightBit(QPoint(50, 50), c.bytes)) == unicode);
    }
}

// Letters at poster size cost their area in glyph bitmaps, and colour
// emoji are kept once drawn: past a budget of letter area the rest of a
// picture's text is drawn as outlines. Five hundred emoji 4000 pixels high
// took 38 s and 4 GB before.
TEST(MetafileText, PosterSizeLettersPastTheBudgetDrawAsOutlines) {
    const auto textAt = [](EmfBuilder& emf, int slot, int height, QPoint at, const QString& text) {
        emf.record(emf_record::ExtCreateFontIndirectW, LogFontW(slot, height, 0));
        emf.record(emf_record::SelectObject, {slot});
        emf.record(emf_record::ExtTextOutW, ExtTextOutW(at, text));
    };
    QString emoji;
    for (char32_t c = 0x1F300; c < 0x1F300 + 500; ++c) emoji += QString::fromUcs4(&c, 1);
    EmfBuilder poster = withMapping(false);
    poster.record(emf_record::SetBkMode, {Transparent});
    textAt(poster, 1, -4000, QPoint(990, 500), emoji);
    textAt(poster, 2, -60, QPoint(100, 100), "Wave");
    constexpr double MostMegabytes = 1024;  // the unbudgeted drawing took 4 GB
    const MemoryPeak peak;
    const QImage drawn = PlayMetafileInto(poster.build(), QSize(1000, 1000));
    EXPECT_LT(peak.risenMegabytes(), MostMegabytes);

    // The title after the budget ran out stands where and as large as
    // without the poster letters before it.
    EmfBuilder plain = withMapping(false);
    plain.record(emf_record::SetBkMode, {Transparent});
    textAt(plain, 2, -60, QPoint(100, 100), "Wave");
    const QRect title = InkBounds(PlayMetafileInto(plain.build(), QSize(1000, 1000)));
    const QRect outlined = InkBounds(drawn.copy(0, 0, 500, 400));
    ASSERT_FALSE(title.isEmpty());
    for (const auto& [got, want] : {std::pair{outlined.left(), title.left()},
                                    std::pair{outlined.right(), title.right()},
                                    std::pair{outlined.top(), title.top()},
                                    std::pair{outlined.bottom(), title.bottom()}})
        EXPECT_NEAR(got, want, 2);
}
