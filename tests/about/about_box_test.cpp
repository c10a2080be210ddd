// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "about/about_box.h"
#include "app/main_window.h"
#include "support/window_fixture.h"
#include "widgets/captioned_button.h"

using AboutBox = WindowFixture;

TEST_F(AboutBox, ShowsAt409By397EveryTimeWithItsTexts) {
    EXPECT_EQ(Form3->windowTitle(), "Sleevix v2.0 - About");
    for (int showing = 1; showing <= 2; ++showing) {
        QSize size;
        whenModalOpens([&] {
            EXPECT_TRUE(waitUntilFramed(Form3));
            size = outerRect(Form3).size();
            QTest::mouseClick(Form3->Button1, Qt::LeftButton);
        });
        QTest::mouseClick(Form1->BitBtn4, Qt::LeftButton);
        EXPECT_EQ(size, QSize(409, 397)) << showing;
        EXPECT_FALSE(Form3->isVisible());
    }
    EXPECT_EQ(Form3->Label1->text(), "Sleevix");
    EXPECT_EQ(Form3->Label5->text(), "Version 2.0");
    EXPECT_EQ(Form3->Label7->text(),
              "If you have questions, comments or need support fell free to contact me:");
    for (const QLabel* label :
         {Form3->Label1, Form3->Label5, Form3->Label2, Form3->Label7, Form3->Label6})
        EXPECT_NEAR(label->geometry().center().x(), 200, 1) << label->text().toStdString();
    EXPECT_EQ(Form3->Button1->geometry(), QRect(163, 320, 75, 25));
}

TEST_F(AboutBox, TheLinkOpensItsAddressThroughTheBrowser) {
    auto browser = std::make_unique<ScriptedWebBrowser>();
    ScriptedWebBrowser* opened = browser.get();
    Form3->WebBrowser1 = std::move(browser);
    Form3->show();
    QTest::mouseClick(Form3->Label6, Qt::LeftButton);
    EXPECT_EQ(opened->opened, QStringList{QString::fromLatin1(SleevixWebAddress)});
    EXPECT_EQ(Form3->Label6->text(), QString::fromLatin1(SleevixWebAddress));
    Form3->close();
}

namespace {
// The pointer moving over a widget, as the window system reports it.
void moveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
}  // namespace

TEST_F(AboutBox, TheHandStaysUntilThePointerCrossesThePanelOrTheWindow) {
    Form3->show();
    moveOver(Form3->Label6, Form3->Label6->rect().center());
    EXPECT_TRUE(TForm3::handCursorShowing());
    moveOver(Form3->Button1, Form3->Button1->rect().center());  // straight onto the button
    EXPECT_TRUE(TForm3::handCursorShowing());
    moveOver(Form3->Panel1, QPoint(5, 5));
    EXPECT_FALSE(TForm3::handCursorShowing());

    moveOver(Form3->Label6, Form3->Label6->rect().center());
    Form3->close();  // closed from the keyboard: the hand stays for now
    EXPECT_TRUE(TForm3::handCursorShowing());
    moveOver(Form3, QPoint(400, 380));  // the window's own area
    EXPECT_FALSE(TForm3::handCursorShowing());
}
