// SPDX-License-Identifier: GPL-3.0-or-later
// Window titles as the window manager shows them, read from the X server.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "about/about_box.h"
#include "app/main_window.h"
#include "base/handler_guard.h"
#include "support/window_fixture.h"
#include "tracks/track_editor.h"

namespace {

// The window's _NET_WM_NAME, the title a window manager shows, or the
// output of xprop when it has none.
QString managerTitle(const QWidget* window) {
    static const QRegularExpression value(
        QStringLiteral("^_NET_WM_NAME\\(UTF8_STRING\\) = \"(.*)\"$"));
    QString answer;
    QElapsedTimer waited;
    waited.start();
    do {  // the title travels to the server with the next flush
        QTest::qWait(20);
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {"-id", QString::number(window->window()->winId()), "_NET_WM_NAME"});
        xprop.waitForFinished();
        answer = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
        const QRegularExpressionMatch found = value.match(answer);
        if (found.hasMatch()) return found.captured(1);
    } while (waited.elapsed() < 1000);
    return answer;
}

}  // namespace

using WindowTitles = WindowFixture;

TEST_F(WindowTitles, TheWindowManagerShowsEachCaptionExactly) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server with a window manager: tests/wm/under_openbox.sh";
    EXPECT_EQ(managerTitle(Form1), "Sleevix v2.0");

    // Each modal window, opened by its button, as the user opens it.
    const struct {
        std::function<void()> open;
        QString title;
    } modals[] = {
        {[] { Form1->Button3Click(); }, "Sleevix v2.0 - Edit Tracks"},
        {[] { Form1->BitBtn4Click(); }, "Sleevix v2.0 - About"},
        {[] { Form1->BitBtn5Click(); }, "Open"},
        {[] { Form1->Button1Click(); }, "Font"},
    };
    for (const auto& modal : modals) {
        QString shown;
        whenModalOpens([&] {
            QWidget* window = QApplication::activeModalWidget();
            shown = managerTitle(window);
            window->close();
        });
        RunHandler(modal.open);
        EXPECT_EQ(shown, modal.title);
    }
}
