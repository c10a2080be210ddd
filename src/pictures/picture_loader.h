// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "helper/decode_helper.h"
#include "pictures/picture_bitmap.h"
#include "pictures/picture_format_table.h"

// What a picture is read for, given the device pixels it is shown in
// (`cover`): the screen takes only as many pixels as cover that area; the
// printed page takes every pixel of a photo. A drawing of vectors is drawn
// at the area's size for either.
enum class PictureUse { Screen, Print };

// Reads a picture file into a bitmap, choosing the decoder by the file's
// extension alone. Nothing when no file of that name exists (a directory
// counts as none); any other failure raises an error with its message.
// With a `cover` size, a picture shown in that area may be decoded with
// fewer pixels that still cover it (JPEG) or reduced to them (PNG, WebP,
// TIFF), and a drawing (SVG) is drawn at that size; its width and height stay the file's own.
// Without, every pixel is decoded, and a drawing is drawn at its natural size (within the picture
// size limits).
std::optional<PictureBitmap> LoadPictureBitmap(const QString& fileName, QSize cover = QSize(),
                                               PictureUse use = PictureUse::Screen);

// Raises the loader's "Unknown picture file extension" error for a name
// whose extension no format is registered for.
void CheckPictureFileName(const QString& fileName);
// The table's format for the file's extension, or that error.
const PictureFormat& PictureFormatOf(const QString& fileName);

// The two steps of LoadPictureBitmap: the file's bytes (nothing when there
// is no file; an audio file's album art, read in the helper), then the
// picture those bytes hold, decoded or drawn in the helper. A drawing that
// takes too long is drawn at a half, a quarter or an eighth of each side.
std::optional<QByteArray> ReadPictureBytes(const QString& fileName,
                                           DecodeHelper& helper = ProgramDecodeHelper());
PictureBitmap DecodePictureBytes(const QString& fileName, const QByteArray& bytes, QSize cover,
                                 PictureUse use = PictureUse::Screen,
                                 DecodeHelper& helper = ProgramDecodeHelper());

// A photo for the picture dialog's pane, decoded in `helper`; its Exif
// thumbnail goes to `showFirst` first where it can stand in for it (false
// from there ends the decode).
PictureBitmap DecodePhotoPreview(const QString& fileName, const QByteArray& bytes, QSize cover,
                                 QSize room, const std::function<bool(PictureBitmap)>& showFirst,
                                 DecodeHelper& helper);

// The helper's own jobs, run in whatever process calls them: the bytes'
// picture, a drawing drawn at 1/`drawDivisor` of each side (0: first
// weighed by the work meter, and drawn smaller or refused by its
// prediction); and the packed album art of an audio file the gate opened.
PictureBitmap DecodePictureHere(const QString& fileName, const QByteArray& bytes, QSize cover,
                                PictureUse use, int drawDivisor);
QByteArray ReadAlbumArtHere(int openedFd, const QString& fileName);

// What the printed page went without since the last call: drawings drawn
// smaller than printed, or left out, because drawing them took too long.
// One line, empty when nothing was.
QString TakeReducedDrawingsNote();

// Pixels in a colour space of their own (an embedded profile, PNG gamma)
// converted to sRGB, which the screen, the PNG export and the printed page
// all take pixels to be in; pixels in none are taken as sRGB already. The
// loader gives every picture so; a preview's stand-in is given so too.
QImage InSrgb(QImage pixels);
