// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QWidget>

#include "cases/case_kind.h"
#include "render/canvas.h"
#include "render/picture_frame.h"
#include "widgets/platform_seams.h"

class CaptionedButton;
class CaseKindQuestion;
class CaseView;
class DocumentFileDialog;
class ExportDialog;
class SaveChangesQuestion;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;
class SurfaceView;

// The main window: the menu bar, and under it the toolbar, the "Back" and
// "Front" pages with the cover's surfaces, and the outline and print option
// groups.
class TForm1 : public QWidget {
    Q_OBJECT
  public:
    TForm1();
    ~TForm1() override;

    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* New1;
    QAction* Open1;
    QAction* Save1;
    QAction* SaveAs1;
    QAction* ExportPdf1;
    QAction* ExportPng1;
    QAction* ExportPrintShop1;
    QAction* Print1;  // the toolbar's commands, for the keyboard
    QAction* Quit1;
    QAction* PrintPreview1;
    QMenu* Cover1;
    QAction* EditTracks1;
    QAction* FontTypeColor1;
    QAction* Left1;
    QAction* Center1;
    QAction* Image1Item;  // Image1 is the back surface
    // Cover > Kind: the kind of the cover at hand, and a disc label's choices.
    QMenu* Kind1;
    QAction* JewelCase1;
    QAction* SlimCase1;
    QAction* DvdCase1;
    QAction* DiscLabel1;
    QAction* FullFaceDisc1;
    QAction* DiscTrackList1;
    QAction* DiscArcs1;  // texts along the disc's arcs
    QMenu* DiscPaper1;     // plain paper or a label sheet
    QAction* PlainPaper1;
    QAction* LabelSheet1;   // the label sheet chosen, or the dialog to choose one
    QAction* Calibration1;  // label sheets' offsets
    QMenu* Picture1;        // how the picture of the tab showing lies
    QAction* StretchPicture1;
    QAction* FillPicture1;
    QAction* FitPicture1;
    QAction* MirrorPicture1;
    QMenu* Help1;
    QAction* About1;
    // The area under the menu bar: every control stands at its place in it.
    QWidget* ClientArea;

    // Toolbar.
    QFrame* Panel1;
    CaptionedButton* button3;  // "Edit Tracks"
    CaptionedButton* Button1;  // "Font type/color"
    CaptionedButton* BitBtn2;  // "Left"
    CaptionedButton* BitBtn1;  // "Center"
    CaptionedButton* BitBtn5;  // "Image"
    CaptionedButton* button4;  // "Print"
    CaptionedButton* BitBtn3;  // "Close"
    CaptionedButton* BitBtn4;  // "About"

    QTabWidget* TabbedNotebook1;
    // The page whose font and picture commands act on the back insert.
    static constexpr int BackPage = 0;

    // The cover's drawing surfaces; Image5 is the hidden back-picture overlay.
    Canvas Image1{400, 353};
    Canvas Image2{22, 353};
    Canvas Image3{22, 353};
    Canvas Image4{361, 353};
    Canvas Image5{442, 353};

    QGroupBox* GroupBox1;  // "Outlines"
    QCheckBox* CheckBox1;  // "Vertical lines"
    QCheckBox* CheckBox2;  // "Back"
    QCheckBox* CheckBox3;  // "Front"
    QPushButton* Button2;  // "Color"
    QFrame* Panel2;        // outline colour swatch

    QGroupBox* GroupBox2;
    QCheckBox* CheckBox4;  // "No text on front cover"
    QCheckBox* CheckBox5;  // "The vertical text on the printout is messed up!"
    QLabel* Label1;

    std::unique_ptr<FontDialog> FontDialog1;
    std::unique_ptr<ColorDialog> ColorDialog1;
    std::unique_ptr<OpenPictureDialog> OpenPictureDialog1;
    std::unique_ptr<PrintDialog> PrintDialog1;
    std::unique_ptr<PrintPreviewDialog> PrintPreviewDialog1;
    std::unique_ptr<DocumentFileDialog> OpenDialog1;
    std::unique_ptr<DocumentFileDialog> SaveDialog1;
    std::unique_ptr<ExportDialog> ExportDialog1;
    std::unique_ptr<SaveChangesQuestion> SaveChangesBox1;
    std::unique_ptr<CaseKindQuestion> CaseKindBox1;  // File > New asks for the kind

    void FormCreate();
    void FormShow();
    void Button3Click();    // "Edit Tracks"
    void BitBtn3Click();    // "Close"
    void Button1Click();    // "Font type/color"
    void BitBtn1Click();    // "Center"
    void BitBtn2Click();    // "Left"
    void CheckBox4Click();  // "No text on front cover"
    void CheckBox1Click();  // "Vertical lines"
    void CheckBox2Click();  // "Back" outline
    void CheckBox3Click();  // "Front" outline
    void Button2Click();    // outline "Color"
    void BitBtn5Click();    // "Image"
    void Button4Click();    // "Print"
    void PrintPreview1Click();
    void BitBtn4Click();    // "About"
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void ExportPdf1Click();
    void ExportPng1Click();
    void ExportPrintShop1Click();
    void Quit1Click();
    // Cover > Kind: the cover at hand becomes this kind, texts and pictures
    // kept.
    void ChooseCaseKind(CaseKind kind);
    void FullFaceDisc1Click();
    void DiscTrackList1Click();
    void DiscArcs1Click();
    void Calibration1Click();
    void LabelSheet1Click();
    void ShowLabelSheet();
    // Cover > Picture: how the picture of the tab showing lies on its
    // insert.
    void SetPictureFit(PictureFit fit);
    void TurnPicture(int quarterTurns);
    void MirrorPicture1Click();
    void ZoomPicture(double factor);
    void PictureBackground1Click();
    void ShowPictureFrame();
    // Shows the pieces of the cover's kind: the jewel case's surfaces, or
    // one view of the whole piece on each page; the menus and switches
    // follow.
    void ShowCoverCase();
    // The window is about to close; clearing canClose keeps it open.
    void FormCloseQuery(bool& canClose);

    // The colour the swatch shows.
    QColor swatchColor() const;
    void setSwatchColor(const QColor& colour);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildFileMenu();
    void buildCommandMenus();
    void buildCaseMenu();
    void buildPictureMenu();
    void buildToolbar();
    void buildNotebook();
    void buildOutlineGroup();
    void buildPrintGroup();
    void chainTabOrder();
    void connectHandlers();

    SurfaceView* Image1View;
    SurfaceView* Image2View;
    SurfaceView* Image3View;
    SurfaceView* Image4View;
    CaseView* BackCaseView;
    CaseView* FrontCaseView;
};

// Lets the inserts take pictures from where people have them: a file (or
// an audio file with art) dropped on the back or the front insert, or a
// picture dropped there as pixels, is laid on that insert exactly as
// "Image" on its tab would, and that tab is shown; Ctrl+V pastes the
// clipboard's picture onto the insert of the tab showing. Anything else is
// refused with the reason in the error box. Defined with the pictures'
// commands.
void InstallInsertPictureDrops(TForm1& window);
