// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "about/about_box.h"
#include "app/main_window.h"
#include "support/window_fixture.h"
#include "tracks/track_editor.h"
#include "widgets/captioned_button.h"

namespace {
// Every control of the window says what it is to assistive technology.
void expectAllNamed(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool meaningful =
            control->focusPolicy() != Qt::NoFocus || qobject_cast<QGroupBox*>(control) ||
            control->objectName().startsWith("Image") || control->objectName().startsWith("Panel");
        if (!meaningful || control->parentWidget()->inherits("QAbstractButton")) continue;
        if (control->inherits("QTabBar") || control->inherits("QScrollBar") ||
            control->parentWidget()->inherits("QAbstractScrollArea") ||
            control->parentWidget()->inherits("QTabWidget") ||
            control->parentWidget()->inherits("QStackedWidget"))
            continue;  // parts of a named control
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
}
}  // namespace

using Accessibility = WindowFixture;

TEST_F(Accessibility, EveryControlHasANameForAssistiveTechnology) {
    expectAllNamed(Form1);
    expectAllNamed(Form2);
    expectAllNamed(Form3);
}

TEST_F(Accessibility, TheEditorCanBeUsedFromTheKeyboardInItsTabOrder) {
    std::vector<QWidget*> visited;
    whenModalOpens([&] {
        QTRY_VERIFY(Form2->isActiveWindow());
        QTest::keyClicks(QApplication::focusWidget(), "Intro");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        for (int step = 0; step < 6; ++step) {
            visited.push_back(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // From the track field round to "Continue", then Space presses it;
        // a tab order that never reaches it fails instead of looping.
        for (int step = 0; step < 6 && QApplication::focusWidget() != Form2->Button1; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() != Form2->Button1) {
            ADD_FAILURE() << "the tab order does not reach \"Continue\"";
            Form2->close();
            return;
        }
        QTest::keyClick(Form2->Button1, Qt::Key_Space);
    });
    QTest::mouseClick(Form1->button3, Qt::LeftButton);  // "Edit Tracks"
    ASSERT_EQ(visited.size(), 6u);
    const std::vector<QWidget*> expected = {Form2->Edit1, Form2->ListBox1, Form2->Edit3,
                                            Form2->Edit2, Form2->Button1,  Form2->Button3};
    EXPECT_EQ(visited, expected);
    EXPECT_FALSE(Form2->isVisible());  // "Continue" was pressed from the keyboard
}
