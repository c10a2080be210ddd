// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QWidget;

// The scale at which a picture of `natural` size fits into `room`, its
// aspect kept: 1 when it fits as it is, less otherwise.
double PreviewScale(QSize natural, QSize room);

// "Preview", with the scale in per cent when it is not 1:1.
QString PreviewTitle(double scale);

// Shows the picture in a modal window titled "Preview", sized to the picture
// plus a margin but never beyond the available area of the parent's screen;
// Escape closes it. The file is read again for the size shown; `held` (the
// pane's pixels, perhaps fewer than `natural`) stands in when that fails.
void ShowPreviewWindow(QWidget* parent, const QString& path, const QImage& held, QSize natural);
