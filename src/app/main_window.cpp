// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/current_cover.h"
#include "app/program_windows.h"
#include "app/toolbar_icons.h"
#include "base/application_title.h"
#include "base/handler_guard.h"
#include "base/sleevix_error.h"
#include "cases/case_kind_question.h"
#include "document/document_dialogs.h"
#include "pictures/picture_dialog.h"
#include "print/print_preview_dialog.h"
#include "render/case_view.h"
#include "render/font_color_dialog.h"
#include "render/surface_view.h"
#include "widgets/caption_fit.h"
#include "widgets/captioned_button.h"

namespace {

constexpr QSize DesignSize(714, 561);
// Arial 8 points at 96 pixels per inch.
constexpr int WindowFontPixels = 11;
constexpr QSize ToolbarButtonSize(81, 57);

CaptionedButton* makeToolbarButton(const QString& caption, ToolbarPicture picture, QPoint at,
                                   bool enabled, QWidget* parent) {
    auto* button = new CaptionedButton(caption, ToolbarIcon(picture), parent);
    button->setGeometry(QRect(at, ToolbarButtonSize));
    button->setEnabled(enabled);
    return button;
}

QCheckBox* makeCheckBox(const QString& caption, QRect geometry, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(geometry);
    box->setChecked(checked);
    WidenToShowCaption(*box);
    return box;
}

SurfaceView* placeSurface(Canvas& surface, QPoint at, QWidget* page) {
    auto* view = new SurfaceView(surface, page);
    view->move(at);
    return view;
}

}  // namespace

TForm1::TForm1() {
    // Reachable from every handler from the start: start-up already draws.
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(ApplicationTitle));
    QFont windowFont(QStringLiteral("arial"));
    windowFont.setPixelSize(WindowFontPixels);
    setFont(windowFont);
    setPalette(QPalette(palette().color(QPalette::Button)));
    resize(DesignSize);

    ClientArea = new QWidget(this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    buildToolbar();
    buildNotebook();
    buildOutlineGroup();
    buildPrintGroup();
    const QRect controls = ClientArea->childrenRect();
    ClientArea->resize(controls.right() + 1, controls.bottom() + 1);
    buildFileMenu();
    buildCommandMenus();
    buildCaseMenu();
    buildPictureMenu();
    chainTabOrder();

    FontDialog1 = std::make_unique<ScreenFontDialog>();
    FontDialog1->Color = palette().color(QPalette::WindowText);
    ColorDialog1 = std::make_unique<ScreenColorDialog>();
    OpenPictureDialog1 = std::make_unique<ScreenOpenPictureDialog>();
    PrintDialog1 = std::make_unique<ScreenPrintDialog>();
    PrintPreviewDialog1 = std::make_unique<ScreenPrintPreviewDialog>();
    CaseKindBox1 = std::make_unique<ScreenCaseKindQuestion>();

    connectHandlers();
    InstallInsertPictureDrops(*this);
    RunHandler([this] { FormCreate(); });
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
    // The views die after the surfaces; stop the surfaces from calling them.
    for (Canvas* surface : {&Image1, &Image2, &Image3, &Image4}) surface->setChangeListener({});
}

void TForm1::buildToolbar() {
    Panel1 = new QFrame(ClientArea);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 697, 57);
    Panel1->setAccessibleName(QCoreApplication::translate("MainWindow", "Toolbar"));
    // Each caption underlines its access letter (Alt and the letter); none
    // is taken by the menu bar's menus, the pages' tabs or the switches.
    button3 = makeToolbarButton(QCoreApplication::translate("MainWindow", "&Edit Tracks"),
                                ToolbarPicture::EditTracks, {0, 0}, true, Panel1);
    Button1 = makeToolbarButton(QCoreApplication::translate("MainWindow", "Font t&ype/color"),
                                ToolbarPicture::FontTypeColor, {88, 0}, false, Panel1);
    BitBtn2 = makeToolbarButton(QCoreApplication::translate("MainWindow", "&Left"),
                                ToolbarPicture::Left, {176, 0}, false, Panel1);
    BitBtn1 = makeToolbarButton(QCoreApplication::translate("MainWindow", "Ce&nter"),
                                ToolbarPicture::Center, {264, 0}, false, Panel1);
    BitBtn5 = makeToolbarButton(QCoreApplication::translate("MainWindow", "&Image"),
                                ToolbarPicture::Image, {352, 0}, true, Panel1);
    button4 = makeToolbarButton(QCoreApplication::translate("MainWindow", "&Print"),
                                ToolbarPicture::Print, {440, 0}, true, Panel1);
    BitBtn3 = makeToolbarButton(QCoreApplication::translate("MainWindow", "Clo&se"),
                                ToolbarPicture::Close, {528, 0}, true, Panel1);
    BitBtn4 = makeToolbarButton(QCoreApplication::translate("MainWindow", "&About"),
                                ToolbarPicture::About, {616, 0}, true, ClientArea);
}

void TForm1::buildNotebook() {
    TabbedNotebook1 = new QTabWidget(ClientArea);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 64, 529, 452);
    TabbedNotebook1->setAccessibleName(QCoreApplication::translate("MainWindow", "Inserts"));
    auto* backPage = new QWidget;
    auto* frontPage = new QWidget;
    //: The tab of the back insert's page; the outline switch "Back" has
    //: another access letter.
    TabbedNotebook1->addTab(backPage, QCoreApplication::translate("MainWindow", "&Back"));
    //: The tab of the front insert's page.
    TabbedNotebook1->addTab(frontPage, QCoreApplication::translate("MainWindow", "Fron&t"));

    // The spines are placed after the back so that they lie above its first
    // and last columns.
    Image1View = placeSurface(Image1, {60, 18}, backPage);
    Image2View = placeSurface(Image2, {39, 18}, backPage);
    Image3View = placeSurface(Image3, {459, 18}, backPage);
    Image4View = placeSurface(Image4, {80, 18}, frontPage);
    Image1View->setObjectName(QStringLiteral("Image1"));
    Image2View->setObjectName(QStringLiteral("Image2"));
    Image3View->setObjectName(QStringLiteral("Image3"));
    Image4View->setObjectName(QStringLiteral("Image4"));
    Image1View->setAccessibleName(QCoreApplication::translate("MainWindow", "Back insert"));
    Image2View->setAccessibleName(QCoreApplication::translate("MainWindow", "Left spine"));
    Image3View->setAccessibleName(QCoreApplication::translate("MainWindow", "Right spine"));
    Image4View->setAccessibleName(QCoreApplication::translate("MainWindow", "Front insert"));

    // The other kinds show their whole piece on each page, drawn again
    // whenever the surfaces are, since every command draws on those.
    // A view's paint must not raise: a cover whose track count reaches past
    // the editor's list shows without its tracks until the next render.
    const auto shownCover = [] {
        try {
            return CurrentCover();
        } catch (const SleevixError&) {
            return CurrentLook();
        }
    };
    BackCaseView = new CaseView(backPage, shownCover);
    FrontCaseView = new CaseView(frontPage, shownCover);
    for (CaseView* view : {BackCaseView, FrontCaseView}) {
        auto* filling = new QVBoxLayout(view->parentWidget());
        filling->setContentsMargins(0, 0, 0, 0);
        filling->addWidget(view);
        view->hide();
    }
    for (SurfaceView* surface : {Image1View, Image2View, Image3View, Image4View})
        connect(surface, &SurfaceView::drawn, this, [this] {
            BackCaseView->update();
            FrontCaseView->update();
        });
}

void TForm1::buildOutlineGroup() {
    GroupBox1 = new QGroupBox(QCoreApplication::translate("MainWindow", "Outlines"), ClientArea);
    GroupBox1->setGeometry(536, 78, 161, 171);
    CheckBox1 = makeCheckBox(QCoreApplication::translate("MainWindow", "&Vertical lines"),
                             {32, 32, 97, 17}, true, GroupBox1);
    //: The switch of the back insert's outline; the tab "Back" has another
    //: access letter.
    CheckBox2 = makeCheckBox(QCoreApplication::translate("MainWindow", "Bac&k"), {32, 56, 97, 17},
                             true, GroupBox1);
    //: The switch of the front insert's outline.
    CheckBox3 = makeCheckBox(QCoreApplication::translate("MainWindow", "F&ront"), {32, 80, 97, 17},
                             true, GroupBox1);
    Button2 = new QPushButton(QCoreApplication::translate("MainWindow", "C&olor"), GroupBox1);
    Button2->setGeometry(43, 104, 75, 25);
    Panel2 = new QFrame(GroupBox1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(64, 136, 33, 25);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setAutoFillBackground(true);
    Panel2->setAccessibleName(QCoreApplication::translate("MainWindow", "Outline colour"));
}

void TForm1::buildPrintGroup() {
    GroupBox2 = new QGroupBox(ClientArea);
    GroupBox2->setAccessibleName(QCoreApplication::translate("MainWindow", "Text options"));
    GroupBox2->setGeometry(536, 250, 161, 105);
    CheckBox4 = makeCheckBox(QCoreApplication::translate("MainWindow", "No te&xt on front cover"),
                             {15, 24, 130, 17}, false, GroupBox2);
    //: The first line of a check box; its second line is "printout is messed up!".
    //: The access letter may stand in either line.
    CheckBox5 = makeCheckBox(QCoreApplication::translate("MainWindow", "The vertical text on the "),
                             {15, 56, 138, 17}, false, GroupBox2);
    CheckBox5->setAccessibleName(QCoreApplication::translate(
        "MainWindow", "The vertical text on the printout is messed up!"));
    //: The second line of the check box "The vertical text on the ".
    Label1 =
        new QLabel(QCoreApplication::translate("MainWindow", "printout is &messed up!"), GroupBox2);
    // Its access letter ticks the box, as the box's own would. With a buddy
    // the marker of the letter takes no room.
    Label1->setBuddy(CheckBox5);
    Label1->setGeometry(34, 72, 105, 14);
    WidenToShowCaption(*Label1);
}

// As the eye reads the window: the toolbar row left to right, About at its
// end, then the notebook, the outline group and the text options.
void TForm1::chainTabOrder() {
    QWidget* order[] = {button3,   Button1,   BitBtn2,   BitBtn1,         BitBtn5,
                        button4,   BitBtn3,   BitBtn4,   TabbedNotebook1, CheckBox1,
                        CheckBox2, CheckBox3, Button2,   CheckBox4,       CheckBox5};
    for (size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

void TForm1::connectHandlers() {
    ConnectHandler(button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ConnectHandler(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    ConnectHandler(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    ConnectHandler(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    ConnectHandler(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    ConnectHandler(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    ConnectHandler(BitBtn5, &QPushButton::clicked, this, [this] { BitBtn5Click(); });
    ConnectHandler(button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    ConnectHandler(BitBtn4, &QPushButton::clicked, this, [this] { BitBtn4Click(); });
    // A switch's handler runs whenever its state changes, by mouse, keyboard
    // or program.
    ConnectHandler(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
    ConnectHandler(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
    ConnectHandler(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
    ConnectHandler(CheckBox4, &QCheckBox::toggled, this, [this] { CheckBox4Click(); });
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) RunHandler([this] { FormShow(); });
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    RunHandler([&] { FormCloseQuery(canClose); });
    event->setAccepted(canClose);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MainMenu1->resize(width(), MainMenu1->height());
}

QColor TForm1::swatchColor() const {
    return Panel2->palette().color(QPalette::Window);
}

void TForm1::setSwatchColor(const QColor& colour) {
    QPalette swatch = Panel2->palette();
    swatch.setColor(QPalette::Window, colour);
    Panel2->setPalette(swatch);
}
