// SPDX-License-Identifier: GPL-3.0-or-later
// Cover > Kind: the kind of cover at hand, and how the main window shows
// it. The jewel case's window stays as it is; every other kind shows its
// whole piece on both pages, whose font and picture commands still act on
// the back's or the front's texts and pictures.

#include <QCoreApplication>
#include <array>
#include <utility>

#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

#include "app/cover_state.h"
#include "app/main_window.h"
#include "base/handler_guard.h"
#include "cases/calibration_dialog.h"
#include "cases/label_sheet_dialog.h"
#include "cases/case_shapes.h"
#include "cases/label_sheets.h"
#include "print/calibration_page.h"
#include "render/case_view.h"
#include "render/surface_view.h"
#include "widgets/dialog_placement.h"

namespace {
QAction* addKind(QMenu* menu, QActionGroup* group, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setCheckable(true);
    group->addAction(item);
    return item;
}

// Each kind's item in Cover > Kind.
std::array<std::pair<QAction*, CaseKind>, 4> kindItems(const TForm1& window) {
    return {{{window.JewelCase1, CaseKind::Jewel},
             {window.SlimCase1, CaseKind::Slim},
             {window.DvdCase1, CaseKind::Dvd},
             {window.DiscLabel1, CaseKind::Disc}}};
}
}  // namespace

void TForm1::buildCaseMenu() {
    Kind1 = Cover1->addMenu(QCoreApplication::translate("MainWindow", "&Kind"));
    auto* kinds = new QActionGroup(Kind1);
    JewelCase1 = addKind(Kind1, kinds, QCoreApplication::translate("MainWindow", "&Jewel case"));
    SlimCase1 = addKind(Kind1, kinds, QCoreApplication::translate("MainWindow", "&Slim case"));
    DvdCase1 = addKind(Kind1, kinds, QCoreApplication::translate("MainWindow", "&DVD case"));
    DiscLabel1 = addKind(Kind1, kinds, QCoreApplication::translate("MainWindow", "Disc &label"));
    Kind1->addSeparator();
    FullFaceDisc1 = Kind1->addAction(QCoreApplication::translate("MainWindow", "&Full-face disc (17 mm hole)"));
    FullFaceDisc1->setCheckable(true);
    DiscTrackList1 = Kind1->addAction(QCoreApplication::translate("MainWindow", "&Track list on the disc"));
    DiscTrackList1->setCheckable(true);
    DiscArcs1 = Kind1->addAction(QCoreApplication::translate("MainWindow", "Texts along the disc's &arcs"));
    DiscArcs1->setCheckable(true);
    DiscPaper1 = Kind1->addMenu(QCoreApplication::translate("MainWindow", "Disc labels &print on"));
    auto* papers = new QActionGroup(DiscPaper1);
    PlainPaper1 = addKind(DiscPaper1, papers, QCoreApplication::translate("MainWindow", "&Plain paper"));
    ConnectHandler(PlainPaper1, &QAction::triggered, this, [this] {
        ChooseLabelSheet(nullptr);
        ShowLabelSheet();
    });
    LabelSheet1 = addKind(DiscPaper1, papers, QString());
    ConnectHandler(LabelSheet1, &QAction::triggered, this, [this] { LabelSheet1Click(); });
    ShowLabelSheet();
    Calibration1 = Kind1->addAction(QCoreApplication::translate("MainWindow", "Printer &calibration..."));
    ConnectHandler(Calibration1, &QAction::triggered, this, [this] { Calibration1Click(); });

    for (const auto& [item, kind] : kindItems(*this))
        ConnectHandler(item, &QAction::triggered, this, [this, kind = kind] { ChooseCaseKind(kind); });
    ConnectHandler(FullFaceDisc1, &QAction::triggered, this, [this] { FullFaceDisc1Click(); });
    ConnectHandler(DiscTrackList1, &QAction::triggered, this, [this] { DiscTrackList1Click(); });
    ConnectHandler(DiscArcs1, &QAction::triggered, this, [this] { DiscArcs1Click(); });
    // The spine's turn switch has no handler of its own; the views show it.
    connect(CheckBox5, &QCheckBox::toggled, this, [this] { ShowCoverCase(); });
    ShowCoverCase();
}

void TForm1::ChooseCaseKind(CaseKind kind) {
    CoverCase.kind = kind;
    ShowCoverCase();
}

void TForm1::FullFaceDisc1Click() {
    CoverCase.hole = FullFaceDisc1->isChecked() ? DiscHole::FullFace : DiscHole::Standard;
    ShowCoverCase();
}

void TForm1::DiscArcs1Click() {
    CoverCase.discArcs = DiscArcs1->isChecked();
    ShowCoverCase();
}

void TForm1::DiscTrackList1Click() {
    CoverCase.discTrackList = DiscTrackList1->isChecked();
    ShowCoverCase();
}

void TForm1::Calibration1Click() {
    CalibrationDialog dialog(this, [](const QString& printer) {
        RunHandler([&] { PrintCalibrationPage(printer); });
    });
    CentreOverOwner(dialog);
    if (dialog.exec() == QDialog::Accepted)
        SavePrinterCalibration(dialog.calibration(), dialog.printer());
}

void TForm1::LabelSheet1Click() {
    LabelSheetDialog dialog(this);
    dialog.setSheet(ChosenLabelSheet());
    CentreOverOwner(dialog);
    if (dialog.exec() == QDialog::Accepted) ChooseLabelSheet(dialog.sheet());
    ShowLabelSheet();
}

void TForm1::ShowLabelSheet() {
    const LabelSheet* sheet = ChosenLabelSheet();
    LabelSheet1->setText(sheet ? QCoreApplication::translate("MainWindow", "&Label sheet: %1...")
                                     .arg(LabelSheetName(*sheet))
                               : QCoreApplication::translate("MainWindow", "&Label sheet..."));
    (sheet ? LabelSheet1 : PlainPaper1)->setChecked(true);
}

void TForm1::ShowCoverCase() {
    const CaseKind kind = CoverCase.kind;
    const bool jewel = kind == CaseKind::Jewel;
    for (SurfaceView* surface : {Image1View, Image2View, Image3View, Image4View})
        surface->setVisible(jewel);
    for (CaseView* view : {BackCaseView, FrontCaseView}) {
        view->setVisible(!jewel);
        view->update();
    }
    const CaseShape& shape = ShapeOf(kind, CoverCase.hole);
    TabbedNotebook1->setTabText(0, QCoreApplication::translate("Cases", shape.backTab));
    TabbedNotebook1->setTabText(1, QCoreApplication::translate("Cases", shape.frontTab));

    // The kinds have one cut outline ("Back") and one spine at most.
    CheckBox3->setEnabled(jewel);
    CheckBox5->setEnabled(jewel || kind == CaseKind::Dvd);
    Label1->setEnabled(CheckBox5->isEnabled());

    for (const auto& [item, itsKind] : kindItems(*this)) item->setChecked(itsKind == kind);
    FullFaceDisc1->setChecked(CoverCase.hole == DiscHole::FullFace);
    DiscTrackList1->setChecked(CoverCase.discTrackList);
    DiscArcs1->setChecked(CoverCase.discArcs);
    for (QAction* discChoice : {FullFaceDisc1, DiscTrackList1, DiscArcs1, DiscPaper1->menuAction()})
        discChoice->setEnabled(kind == CaseKind::Disc);
}
