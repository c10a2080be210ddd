#pragma once

#include <optional>

#include <QString>

#include "pictures/picture_bitmap.h"

// Reads a picture file into a bitmap, choosing the decoder by the file's
// extension alone. Nothing when no file of that name exists (a directory
// counts as none); any other failure raises an error with its message.
std::optional<PictureBitmap> LoadPictureBitmap(const QString& fileName);
