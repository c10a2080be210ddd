// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gif_writer.h"

#include <gif_lib.h>

namespace {

int appendToArray(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

ColorMapObject* colourMap(const QList<QRgb>& palette) {
    int size = 2;
    while (size < palette.size()) size *= 2;
    QList<GifColorType> colours(size, GifColorType{0, 0, 0});
    for (int i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                      GifByteType(qBlue(palette[i]))};
    return GifMakeMapObject(size, colours.data());
}

}  // namespace

QByteArray EncodeGif(QSize screen, const QList<QRgb>& globalPalette, const QList<GifFrame>& frames,
                     bool withComment) {
    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendToArray, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = globalPalette.isEmpty() ? nullptr : colourMap(globalPalette);
    EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, global);
    if (withComment) EGifPutComment(gif, "made by the tests");
    for (const GifFrame& frame : frames) {
        ColorMapObject* local =
            frame.localPalette.isEmpty() ? nullptr : colourMap(frame.localPalette);
        EGifPutImageDesc(gif, frame.offset.x(), frame.offset.y(), frame.size.width(),
                         frame.size.height(), frame.interlaced, local);
        const int width = frame.size.width();
        auto putRow = [&](int row) {
            QList<uchar> line = frame.indexes.mid(qsizetype(row) * width, width);
            EGifPutLine(gif, line.data(), width);
        };
        if (frame.interlaced) {
            const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int row = start[pass]; row < frame.size.height(); row += step[pass])
                    putRow(row);
        } else {
            for (int row = 0; row < frame.size.height(); ++row) putRow(row);
        }
        GifFreeMapObject(local);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(global);
    return bytes;
}

GifFrame SolidFrame(QSize size, uchar index, QPoint offset) {
    GifFrame frame;
    frame.size = size;
    frame.indexes = QList<uchar>(qsizetype(size.width()) * size.height(), index);
    frame.offset = offset;
    return frame;
}

GifFrame PatternFrame(QSize size, int colours) {
    GifFrame frame;
    frame.size = size;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) frame.indexes << uchar((x + y) % colours);
    return frame;
}
