// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QSignalSpy>
#include <QTest>

#include "about/about_box.h"
#include "app/cover_state.h"
#include "app/main_window.h"
#include "support/image_probe.h"
#include "support/placement.h"
#include "support/window_fixture.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

using MainWindow = WindowFixture;

namespace {
struct Expected {
    const QWidget* control;
    QString caption;
    QRect geometry;
    bool enabled;
};

QString captionOf(const QWidget* control) {
    // As shown: an access letter's marker is no part of it.
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return QString(button->text()).remove(QLatin1Char('&'));
    if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return QString();
}
}  // namespace

TEST_F(MainWindow, ControlsStandAtTheirPlacesWithTheirCaptionsAndStartStates) {
    const Expected controls[] = {
        {Form1->Panel1, "", {0, 0, 697, 57}, true},
        {Form1->button3, "Edit Tracks", {0, 0, 81, 57}, true},
        {Form1->Button1, "Font type/color", {88, 0, 81, 57}, false},
        {Form1->BitBtn2, "Left", {176, 0, 81, 57}, false},
        {Form1->BitBtn1, "Center", {264, 0, 81, 57}, false},
        {Form1->BitBtn5, "Image", {352, 0, 81, 57}, true},
        {Form1->button4, "Print", {440, 0, 81, 57}, true},
        {Form1->BitBtn3, "Close", {528, 0, 81, 57}, true},
        {Form1->BitBtn4, "About", {616, 0, 81, 57}, true},
        {Form1->TabbedNotebook1, "", {0, 64, 529, 452}, true},
        {Form1->GroupBox1, "Outlines", {536, 78, 161, 171}, true},
        {Form1->CheckBox1, "Vertical lines", {32, 32, 97, 17}, true},
        {Form1->CheckBox2, "Back", {32, 56, 97, 17}, true},
        {Form1->CheckBox3, "Front", {32, 80, 97, 17}, true},
        {Form1->Button2, "Color", {43, 104, 75, 25}, true},
        {Form1->Panel2, "", {64, 136, 33, 25}, true},
        {Form1->GroupBox2, "", {536, 250, 161, 105}, true},
        {Form1->CheckBox4, "No text on front cover", {15, 24, 130, 17}, true},
        {Form1->CheckBox5, "The vertical text on the ", {15, 56, 138, 17}, true},
        {Form1->Label1, "printout is &messed up!", {34, 72, 105, 14}, true},
    };
    for (const Expected& expected : controls) {
        SCOPED_TRACE(expected.control->objectName() + " " + expected.caption);
        EXPECT_EQ(captionOf(expected.control), expected.caption);
        ExpectPlaced(expected.control, expected.geometry);
        EXPECT_EQ(expected.control->isEnabled(), expected.enabled);
    }
    // The places are in the area under the menu bar.
    const QWidget* const outermost[] = {Form1->Panel1, Form1->BitBtn4, Form1->TabbedNotebook1,
                                        Form1->GroupBox1, Form1->GroupBox2};
    for (const QWidget* control : outermost) EXPECT_EQ(control->parentWidget(), Form1->ClientArea);
    EXPECT_TRUE(Form1->CheckBox1->isChecked());
    EXPECT_TRUE(Form1->CheckBox2->isChecked());
    EXPECT_TRUE(Form1->CheckBox3->isChecked());
    EXPECT_FALSE(Form1->CheckBox4->isChecked());
    EXPECT_FALSE(Form1->CheckBox5->isChecked());
    EXPECT_EQ(Form1->TabbedNotebook1->count(), 2);
    EXPECT_EQ(Form1->TabbedNotebook1->tabText(0), "&Back");
    EXPECT_EQ(Form1->TabbedNotebook1->tabText(1), "Fron&t");
    EXPECT_EQ(Form1->TabbedNotebook1->currentIndex(), 0);
}

TEST_F(MainWindow, ShowsCaptionedCentredAt706By545BelowItsMenuBarWithEveryControlInside) {
    EXPECT_EQ(Form1->windowTitle(), "Sleevix v2.0");
    EXPECT_TRUE(Form1->isVisible());
    ASSERT_TRUE(waitUntilFramed(Form1));
    // The menu bar spans the top; the designed window lies under it whole.
    const int menuHeight = Form1->MainMenu1->height();
    EXPECT_GT(menuHeight, 10);
    EXPECT_EQ(Form1->MainMenu1->geometry(), QRect(0, 0, Form1->width(), menuHeight));
    EXPECT_EQ(Form1->ClientArea->pos(), QPoint(0, menuHeight));
    EXPECT_EQ(outerRect(Form1).size(), QSize(706, 545 + menuHeight));
    EXPECT_TRUE(Form1->rect().contains(Form1->childrenRect()));
    EXPECT_LE(distanceFromScreenCentre(Form1), 1);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form3->isVisible());
}

TEST_F(MainWindow, SurfacesStartBlankAtTheirSizesAndPlaces) {
    const struct {
        const Canvas* surface;
        QSize size;
        const char* view;
        QPoint place;
        int page;
    } surfaces[] = {
        {&Form1->Image1, {400, 353}, "Image1", {60, 18}, 0},
        {&Form1->Image2, {22, 353}, "Image2", {39, 18}, 0},
        {&Form1->Image3, {22, 353}, "Image3", {459, 18}, 0},
        {&Form1->Image4, {361, 353}, "Image4", {80, 18}, 1},
    };
    for (const auto& s : surfaces) {
        SCOPED_TRACE(s.view);
        EXPECT_EQ(s.surface->image().size(), s.size);
        // White inside the outlines (their pixels are checked with the outlines).
        EXPECT_TRUE(AllPixels(s.surface->image(), s.surface->image().rect().adjusted(1, 1, -1, -1),
                              0xffffffff));
        EXPECT_EQ(s.surface->brushStyle, BrushStyle::Solid);
        EXPECT_EQ(s.surface->pen.width, 1);
        const QWidget* view = Form1->TabbedNotebook1->widget(s.page)->findChild<QWidget*>(s.view);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->geometry(), QRect(s.place, s.size));
    }
    EXPECT_EQ(Form1->Image5.image().size(), QSize(442, 353));

    // The spines lie above the back's first and last columns.
    const QWidget* back = Form1->findChild<QWidget*>("Image1");
    const QWidget* page = back->parentWidget();
    EXPECT_EQ(page->childAt(60, 100)->objectName(), "Image2");
    EXPECT_EQ(page->childAt(459, 100)->objectName(), "Image3");
    EXPECT_EQ(page->childAt(61, 100)->objectName(), "Image1");

    EXPECT_EQ(Form1->swatchColor().rgb(), QColor(Qt::black).rgb());
    EXPECT_FALSE(CenteredLayout);
}

TEST_F(MainWindow, TabOrderFollowsTheToolbarThenNotebookAndGroupsAndAltReachesTheSwitches) {
    // The disabled toolbar buttons are skipped until the editor was closed.
    QApplication::setActiveWindow(Form1);
    Form1->BitBtn5->setFocus();
    QWidget* const expectedAfterImage[] = {
        Form1->button4,   Form1->BitBtn3,   Form1->BitBtn4, Form1->TabbedNotebook1,
        Form1->CheckBox1, Form1->CheckBox2, Form1->CheckBox3, Form1->Button2,
        Form1->CheckBox4, Form1->CheckBox5, Form1->button3,  Form1->BitBtn5};
    for (QWidget* expected : expectedAfterImage) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* target = expected->focusProxy() ? expected->focusProxy() : expected;
        EXPECT_EQ(QApplication::focusWidget(), target)
            << QApplication::focusWidget()->metaObject()->className();
    }
    // Alt and a switch's letter flips it a moment later, as a click looks;
    // the second line's letter flips the two-line switch.
    QTest::keyClick(Form1, Qt::Key_V, Qt::AltModifier);
    QTest::keyClick(Form1, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return !Form1->CheckBox1->isChecked() && Form1->CheckBox5->isChecked(); }, 2000));
}

TEST_F(MainWindow, ShowsEachToolbarCommandInTheMenusWithItsShortcutAndAccessLetter) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "the window must become active again after each dialog: "
                        "tests/wm/under_openbox.sh";
    QApplication::setActiveWindow(Form1);
    const struct {
        QAction* item;
        QAbstractButton* button;
        QKeySequence shortcut;
        QKeySequence accessKey;
        bool opensWindow;
    } commands[] = {
        // The editor first: its closing opens the look commands.
        {Form1->EditTracks1, Form1->button3, QKeySequence("Ctrl+E"), QKeySequence("Alt+E"), true},
        {Form1->FontTypeColor1, Form1->Button1, QKeySequence("Ctrl+T"), QKeySequence("Alt+Y"), true},
        {Form1->Left1, Form1->BitBtn2, QKeySequence("Ctrl+L"), QKeySequence("Alt+L"), false},
        {Form1->Center1, Form1->BitBtn1, QKeySequence("Ctrl+M"), QKeySequence("Alt+N"), false},
        {Form1->Image1Item, Form1->BitBtn5, QKeySequence("Ctrl+I"), QKeySequence("Alt+I"), true},
        {Form1->Print1, Form1->button4, QKeySequence("Ctrl+P"), QKeySequence("Alt+P"), true},
        {Form1->About1, Form1->BitBtn4, QKeySequence("F1"), QKeySequence("Alt+A"), true},
        {Form1->Quit1, Form1->BitBtn3, QKeySequence("Ctrl+Q"), QKeySequence("Alt+S"), false},
    };
    EXPECT_FALSE(Form1->Left1->isEnabled()) << "the menu offers a command the toolbar withholds";
    // A committed cover: the editor's closing opens the look commands.
    Form2->Edit1->setText(QStringLiteral("Intro"));
    Form2->Button3Click();
    Form2->Button1Click();
    for (const auto& command : commands) {
        SCOPED_TRACE(command.shortcut.toString().toStdString());
        EXPECT_EQ(command.item->shortcut(), command.shortcut);
        EXPECT_EQ(QKeySequence::mnemonic(command.button->text()), command.accessKey);
        if (command.item == Form1->Quit1) continue;  // it would end the test's window
        QSignalSpy clicks(command.button, &QAbstractButton::clicked);
        for (const QKeySequence& keys : {command.shortcut, command.accessKey}) {
            const qsizetype before = clicks.count();
            // Whatever window the command opens is closed again.
            if (command.opensWindow)
                whenModalOpens([] { QApplication::activeModalWidget()->close(); });
            EXPECT_TRUE(QTest::qWaitForWindowActive(Form1, WindowSystemHangMs));
            QTest::keySequence(Form1, keys);
            // An access letter clicks the button a moment later, as a click looks.
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return clicks.count() > before; }, WindowSystemHangMs))
                << keys.toString().toStdString();
        }
    }
}

TEST_F(MainWindow, EditTracksOpensTheEditorModallyAndOnlyACommittedCoverEnablesTheLookButtons) {
    bool editorWasModal = false;
    whenModalOpens([&] {
        editorWasModal = QApplication::activeModalWidget() == Form2;
        Form2->close();  // the close control: nothing committed
    });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);

    EXPECT_TRUE(editorWasModal);
    EXPECT_FALSE(Form2->isVisible());
    // Closed without "Continue": the look commands would lay out the prompts.
    EXPECT_FALSE(Form1->Button1->isEnabled());
    EXPECT_FALSE(Form1->BitBtn1->isEnabled());
    EXPECT_FALSE(Form1->BitBtn2->isEnabled());
    EXPECT_TRUE(Form1->button4->isEnabled());
    EXPECT_FALSE(CoverCommitted);
    EXPECT_TRUE(errors->shown.isEmpty());

    whenModalOpens([] { Form2->Button1Click(); });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);
    EXPECT_TRUE(Form1->Button1->isEnabled());
    EXPECT_TRUE(Form1->BitBtn1->isEnabled());
    EXPECT_TRUE(Form1->BitBtn2->isEnabled());
}

TEST_F(MainWindow, CloseEndsTheMainWindow) {
    QTest::mouseClick(Form1->BitBtn3, Qt::LeftButton);
    EXPECT_FALSE(Form1->isVisible());
}
