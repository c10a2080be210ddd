// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a picture file as the program reads it for an area of the given
// size, to a PNG, for comparing its renderers with others':
//   sleevix_picture_render <picture> <out.png> <width> <height>

#include <cstdio>

#include <QGuiApplication>

#include "base/sleevix_error.h"
#include "pictures/picture_loader.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <picture> <out.png> <width> <height>\n", argv[0]);
        return 2;
    }
    try {
        const QSize area(QString::fromLocal8Bit(argv[3]).toInt(),
                         QString::fromLocal8Bit(argv[4]).toInt());
        const auto picture =
            LoadPictureBitmap(QString::fromLocal8Bit(argv[1]), area, PictureUse::Print);
        if (!picture || !picture->pixels().scaled(area).save(QString::fromLocal8Bit(argv[2])))
            return 1;
    } catch (const SleevixError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
