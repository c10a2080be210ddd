// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs as the window manager places them, and the options
// the export dialogs add.

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "app/main_window.h"
#include "base/handler_guard.h"
#include "support/window_fixture.h"

using StandardDialogs = WindowFixture;

TEST_F(StandardDialogs, StandCentredOverTheMainWindowWithTheirOptionsInTheirRows) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server with a window manager: tests/wm/under_openbox.sh";
    ASSERT_TRUE(waitUntilFramed(Form1));
    const QPoint windowCentre = outerRect(Form1).center();
    const struct {
        const char* name;
        std::function<void()> open;
        QString option;  // the export's own, in a labelled row
    } dialogs[] = {
        {"open", [] { Form1->Open1Click(); }, {}},
        {"save", [] { Form1->SaveAs1Click(); }, {}},
        {"export PDF", [] { Form1->ExportPdf1Click(); }, "Paper:"},
        {"export PNG", [] { Form1->ExportPng1Click(); }, "Scale:"},
        {"print", [] { Form1->Button4Click(); }, {}},
        {"picture", [] { Form1->BitBtn5Click(); }, {}},
    };
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.name);
        QPoint centre;
        whenModalOpens([&] {
            QWidget* window = QApplication::activeModalWidget();
            EXPECT_TRUE(waitUntilFramed(window));
            centre = outerRect(window).center();
            const QWidget* lookIn = window->findChild<QWidget*>("lookInLabel");
            const QWidget* nameRow = window->findChild<QWidget*>("fileNameEdit");
            EXPECT_TRUE(dialog.option.isEmpty() || (lookIn && nameRow));
            if (!dialog.option.isEmpty() && lookIn && nameRow) {
                const QRect lookInPlace(lookIn->mapTo(window, QPoint()), lookIn->size());
                int optionRows = 0;
                for (const QLabel* label : window->findChildren<QLabel*>()) {
                    if (QString(label->text()).remove('&') != dialog.option) continue;
                    ++optionRows;
                    EXPECT_GT(label->buddy() == nullptr ? -1 : label->buddy()->mapTo(window, QPoint()).y(),
                              nameRow->mapTo(window, QPoint()).y());
                }
                EXPECT_EQ(optionRows, 1);
                // Nothing stands over "Look in:".
                for (const QWidget* box : window->findChildren<QWidget*>()) {
                    if (!box->isVisible() ||
                        !(qobject_cast<const QComboBox*>(box) ||
                          qobject_cast<const QAbstractSpinBox*>(box)))
                        continue;
                    EXPECT_FALSE(QRect(box->mapTo(window, QPoint()), box->size())
                                     .intersects(lookInPlace))
                        << box->metaObject()->className();
                }
            }
            window->close();
        });
        RunHandler(dialog.open);
        EXPECT_LE((centre - windowCentre).manhattanLength(), 2)
            << "centre " << centre.x() << "," << centre.y() << " under the window's "
            << windowCentre.x() << "," << windowCentre.y();
    }
}
