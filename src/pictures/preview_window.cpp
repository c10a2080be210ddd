// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/preview_window.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include "base/sleevix_error.h"
#include "pictures/picture_loader.h"

namespace {

constexpr int PreviewMargin = 20;
// Room left for the window manager's frame and title bar, which are not
// known before the window is shown.
constexpr QSize FrameAllowance(16, 48);

QSize availableRoom(QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QSize available = screen->availableGeometry().size();
    return (available - FrameAllowance - QSize(PreviewMargin, PreviewMargin))
        .expandedTo(QSize(1, 1));
}

// The picture's pixels for the size shown, read again from its file; the
// held ones when that fails (the preview reports no errors).
QImage pixelsToShow(const QString& path, const QImage& held, QSize shownSize, qreal pixelRatio) {
    try {
        if (auto picture = LoadPictureBitmap(path, shownSize * pixelRatio))
            return picture->pixels();
    } catch (const SleevixError&) {
    }
    return held;
}

}  // namespace

double PreviewScale(QSize natural, QSize room) {
    if (natural.isEmpty() || (natural.width() <= room.width() && natural.height() <= room.height()))
        return 1.0;
    return std::min(double(room.width()) / natural.width(),
                    double(room.height()) / natural.height());
}

QString PreviewTitle(double scale) {
    const QString title = QCoreApplication::translate("PictureDialog", "Preview");
    if (scale >= 1.0) return title;
    const double percent = scale * 100;
    // Whole per cents, but never a scale that reads as 0 or as 1:1.
    const QString shown = percent < 1 ? QString::number(percent, 'g', 1)
                                      : QString::number(std::min(99.0, std::floor(percent)));
    return QStringLiteral("%1 (%2%)").arg(title, shown);
}

void ShowPreviewWindow(QWidget* parent, const QString& path, const QImage& held, QSize natural) {
    const double scale = PreviewScale(natural, availableRoom(parent));
    const QSize shownSize = scale >= 1.0 ? natural
                                         : QSize(std::max(1, int(natural.width() * scale)),
                                                 std::max(1, int(natural.height() * scale)));
    const QImage pixels =
        pixelsToShow(path, held, shownSize, parent ? parent->devicePixelRatioF() : 1.0);
    QDialog window(parent);
    window.setWindowTitle(PreviewTitle(scale));
    auto* shown = new QLabel(&window);
    shown->setPixmap(QPixmap::fromImage(
        pixels.size() == shownSize
            ? pixels
            : pixels.scaled(shownSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    shown->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(PreviewMargin / 2, PreviewMargin / 2, PreviewMargin / 2,
                               PreviewMargin / 2);
    layout->addWidget(shown);
    window.resize(shownSize + QSize(PreviewMargin, PreviewMargin));
    window.exec();  // Escape closes it
}
