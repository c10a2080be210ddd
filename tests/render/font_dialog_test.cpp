// SPDX-License-Identifier: GPL-3.0-or-later
// "Font type/color" through the real dialog, as the user meets it.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/cover_state.h"
#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "base/handler_guard.h"
#include "support/window_fixture.h"
#include "tracks/track_editor.h"

namespace {

QDialogButtonBox* visibleButtons(QWidget* dialog) {
    for (auto* buttons : dialog->findChildren<QDialogButtonBox*>())
        if (buttons->isVisible()) return buttons;
    return nullptr;
}

QComboBox* colourList(QWidget* dialog) {
    for (auto* list : dialog->findChildren<QComboBox*>())
        if (list->findText(QStringLiteral("Red")) >= 0) return list;
    return nullptr;
}

}  // namespace

class RealFontDialog : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        Form2->Edit1->setText(QStringLiteral("Gypsy song"));
        Form2->Button3->click();
        RunHandler([] { Form2->Button1Click(); });
    }

    // Runs "Font type/color"; `act` does what the user does in the dialog.
    void chooseFont(const std::function<void(QWidget*)>& act) {
        bool opened = false;
        whenModalOpens([&] {
            QWidget* dialog = QApplication::activeModalWidget();
            opened = true;
            act(dialog);
            if (dialog->isVisible()) {  // whatever went wrong, do not hang
                ADD_FAILURE() << "the dialog is still open";
                dialog->close();
            }
        });
        RunHandler([] { Form1->Button1Click(); });
        EXPECT_TRUE(opened);
    }
};

TEST_F(RealFontDialog, OkWithoutAChoiceKeepsTheTypefaceAndOnlyAColourChangesTheColour) {
    const QImage before = Form1->Image1.image().copy();
    const CoverDocument stored = CaptureCover();
    const int lineHeight = TrackLineHeight;
    chooseFont(
        [](QWidget* dialog) { visibleButtons(dialog)->button(QDialogButtonBox::Ok)->click(); });
    EXPECT_EQ(Form1->Image1.image(), before) << "the cover changed although nothing was chosen";
    EXPECT_TRUE(CaptureCover() == stored) << "a save would write another cover";

    chooseFont([](QWidget* dialog) {
        QComboBox* colours = colourList(dialog);
        colours->setCurrentIndex(colours->findText(QStringLiteral("Red")));
        emit colours->activated(colours->currentIndex());
        visibleButtons(dialog)->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(BackFontColor, QColor(Qt::red));
    EXPECT_EQ(QFontInfo(QFont(BackFontName)).family(), "Liberation Sans");
    EXPECT_EQ(TrackLineHeight, lineHeight) << "the size changed with the colour";
}

TEST_F(RealFontDialog, OneEscapeCancelsTheDialog) {
    const QColor colour = BackFontColor;
    chooseFont([](QWidget* dialog) {
        QComboBox* colours = colourList(dialog);
        colours->setCurrentIndex(colours->findText(QStringLiteral("Red")));
        emit colours->activated(colours->currentIndex());
        // The key goes where the dialog puts the focus once it is active:
        // into the chooser.
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog, WindowSystemHangMs));
        QWidget* focused = dialog->focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_TRUE(
            QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, WindowSystemHangMs))
            << "one Escape left the dialog open";
    });
    EXPECT_EQ(BackFontColor, colour);
}

TEST_F(RealFontDialog, ReturnOnTheColourBoxPressesOk) {
    chooseFont([](QWidget* dialog) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog, WindowSystemHangMs));
        QComboBox* colours = colourList(dialog);
        colours->setFocus();
        colours->setCurrentIndex(colours->findText(QStringLiteral("Red")));
        emit colours->activated(colours->currentIndex());
        QTest::keyClick(colours, Qt::Key_Return);
        EXPECT_TRUE(
            QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, WindowSystemHangMs))
            << "Return left the dialog open";
    });
    EXPECT_EQ(BackFontColor, QColor(Qt::red));
}
