// SPDX-License-Identifier: GPL-3.0-or-later
// Cover > Picture: how the picture of the tab showing lies on its insert:
// stretched (as every cover before), filling it, or fitting in it on a
// background; zoomed, turned and mirrored.

#include <algorithm>

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QTabWidget>

#include "app/cover_operations.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "base/handler_guard.h"

namespace {

constexpr double ZoomStep = 1.25;
constexpr int QuarterTurn = 90;
constexpr int WholeTurn = 360;

// The frame of the picture the tab showing lays on.
PictureFrame& shownFrame(const TForm1& window) {
    return window.TabbedNotebook1->currentIndex() == 0 ? BackPictureFrame : FrontPictureFrame;
}

QAction* fitItem(QMenu* menu, QActionGroup* group, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

}  // namespace

void TForm1::buildPictureMenu() {
    Picture1 = Cover1->addMenu(QCoreApplication::translate("MainWindow", "&Picture"));
    auto* fits = new QActionGroup(Picture1);
    StretchPicture1 = fitItem(Picture1, fits, QCoreApplication::translate("MainWindow", "&Stretch"));
    FillPicture1 = fitItem(Picture1, fits, QCoreApplication::translate("MainWindow", "&Fill"));
    FitPicture1 = fitItem(Picture1, fits, QCoreApplication::translate("MainWindow", "F&it"));
    Picture1->addSeparator();
    QAction* zoomIn = Picture1->addAction(QCoreApplication::translate("MainWindow", "&Zoom in"));
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    QAction* zoomOut = Picture1->addAction(QCoreApplication::translate("MainWindow", "Zoom o&ut"));
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    QAction* turnLeft = Picture1->addAction(QCoreApplication::translate("MainWindow", "Turn &left"));
    QAction* turnRight = Picture1->addAction(QCoreApplication::translate("MainWindow", "Turn &right"));
    MirrorPicture1 = Picture1->addAction(QCoreApplication::translate("MainWindow", "&Mirror"));
    MirrorPicture1->setCheckable(true);
    QAction* background =
        Picture1->addAction(QCoreApplication::translate("MainWindow", "&Background colour..."));

    const std::pair<QAction*, PictureFit> fitItems[] = {{StretchPicture1, PictureFit::Stretch},
                                                        {FillPicture1, PictureFit::Fill},
                                                        {FitPicture1, PictureFit::Fit}};
    for (const auto& [item, fit] : fitItems)
        ConnectHandler(item, &QAction::triggered, this, [this, fit = fit] { SetPictureFit(fit); });
    ConnectHandler(zoomIn, &QAction::triggered, this, [this] { ZoomPicture(ZoomStep); });
    ConnectHandler(zoomOut, &QAction::triggered, this, [this] { ZoomPicture(1 / ZoomStep); });
    ConnectHandler(turnLeft, &QAction::triggered, this, [this] { TurnPicture(-1); });
    ConnectHandler(turnRight, &QAction::triggered, this, [this] { TurnPicture(1); });
    ConnectHandler(MirrorPicture1, &QAction::triggered, this, [this] { MirrorPicture1Click(); });
    ConnectHandler(background, &QAction::triggered, this, [this] { PictureBackground1Click(); });
    // The checks follow the tab showing and the cover opened.
    connect(Picture1, &QMenu::aboutToShow, this, [this] { ShowPictureFrame(); });
    ShowPictureFrame();
}

void TForm1::SetPictureFit(PictureFit fit) {
    shownFrame(*this).fit = fit;
    RenderCover();
    ShowPictureFrame();
}

void TForm1::ZoomPicture(double factor) {
    PictureFrame& frame = shownFrame(*this);
    // Zooming a stretched picture starts from filling its insert.
    if (frame.fit == PictureFit::Stretch) frame.fit = PictureFit::Fill;
    frame.zoomPercent = std::clamp(frame.zoomPercent * factor, LeastZoomPercent, MostZoomPercent);
    RenderCover();
    ShowPictureFrame();
}

void TForm1::TurnPicture(int quarterTurns) {
    PictureFrame& frame = shownFrame(*this);
    frame.turn = ((frame.turn + quarterTurns * QuarterTurn) % WholeTurn + WholeTurn) % WholeTurn;
    RenderCover();
}

void TForm1::MirrorPicture1Click() {
    shownFrame(*this).mirror = MirrorPicture1->isChecked();
    RenderCover();
}

void TForm1::PictureBackground1Click() {
    PictureFrame& frame = shownFrame(*this);
    ColorDialog1->Color = frame.background;
    if (!ColorDialog1->Execute(this)) return;
    frame.background = ColorDialog1->Color;
    RenderCover();
}

void TForm1::ShowPictureFrame() {
    const PictureFrame& frame = shownFrame(*this);
    StretchPicture1->setChecked(frame.fit == PictureFit::Stretch);
    FillPicture1->setChecked(frame.fit == PictureFit::Fill);
    FitPicture1->setChecked(frame.fit == PictureFit::Fit);
    MirrorPicture1->setChecked(frame.mirror);
}
