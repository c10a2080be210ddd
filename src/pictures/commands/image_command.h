// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include <QImage>
#include <QString>

class TForm1;

// What the "Image" command lays on an insert: a picture file by its name,
// or a picture held in memory with no file behind it (`held` not null).
struct PictureChoice {
    QString path;
    QImage held;
};

// The "Image" command on the active tab's insert, the picture chosen by
// `choose` at the moment the command asks for it (nothing: cancelled).
void RunImageCommand(TForm1& window, const std::function<std::optional<PictureChoice>()>& choose);
