// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/case_content.h"

#include "pictures/printed_picture.h"

CaseTexts CaseTextsOf(const CoverValue& cover) {
    CaseTexts texts;
    texts.tracks = cover.tracks;
    texts.artist = cover.artist;
    texts.title = cover.title;
    texts.separator = cover.separator;
    texts.backTypeface = cover.back.typeface;
    texts.backColour = cover.back.colour;
    texts.frontTypeface = cover.front.typeface;
    texts.frontColour = cover.front.colour;
    texts.centred = cover.centred;
    texts.noFrontText = cover.noFrontText;
    texts.spinesTurned = cover.spinesTurned;
    texts.trackList = cover.kind.discTrackList;
    texts.discArcs = cover.kind.discArcs;
    return texts;
}

CaseContent CaseContentOf(const CoverValue& cover, CoverUse use) {
    CaseContent content;
    content.texts = CaseTextsOf(cover);
    content.laidOut = cover.committed;
    content.guides = {cover.guides.folds, cover.guides.back, cover.guides.front,
                      cover.guides.colour};
    content.backFrame = cover.backPicture.frame;
    content.frontFrame = cover.frontPicture.frame;
    const CoverPicture back = cover.backPicture;
    const CoverPicture front = cover.frontPicture;
    if (use == CoverUse::Print) {
        content.picture = [back, front](InsertSide side, QSize devicePixels) {
            const CoverPicture& picture = side == InsertSide::Back ? back : front;
            return picture.chosen ? PictureForPrinting(picture.path, picture.shown, devicePixels)
                                  : PictureBitmap();
        };
    } else {
        content.picture = [back, front](InsertSide side, QSize) {
            const CoverPicture& picture = side == InsertSide::Back ? back : front;
            return picture.chosen ? picture.shown : PictureBitmap();
        };
    }
    return content;
}
