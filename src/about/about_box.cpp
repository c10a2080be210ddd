// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/about_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/application_title.h"
#include "base/handler_guard.h"

const char* const SleevixWebAddress = "https://example.org/sleevix";

namespace {

constexpr QSize DesignSize(418, 421);
constexpr int PanelMiddleX = 200;
constexpr int WindowFontPixels = 11;
const char* const Typeface = "arial";

QFont fontOfPixels(int pixels) {
    QFont font(QString::fromLatin1(Typeface));
    font.setPixelSize(pixels);
    return font;
}

// Labels stand centred on the panel's middle, whatever their text.
QLabel* centredLabel(const QString& text, int top, int height, QWidget* panel) {
    auto* label = new QLabel(text, panel);
    label->adjustSize();
    const int width = label->sizeHint().width();
    label->setGeometry(PanelMiddleX - width / 2, top, width,
                       std::max(height, label->sizeHint().height()));
    return label;
}

QFrame* bevel(int top, QWidget* panel) {
    auto* line = new QFrame(panel);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(20, top, 361, 2);
    return line;
}

}  // namespace

TForm3::TForm3() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QCoreApplication::translate("AboutBox", "%1 - About")
                       .arg(QString::fromUtf8(ApplicationTitle)));
    setModal(true);
    setFont(fontOfPixels(WindowFontPixels));
    resize(DesignSize);
    setMouseTracking(true);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, 401, 369);
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("Sleevix"), Panel1);
    Label1->setFont(fontOfPixels(19));
    Label1->setStyleSheet(QStringLiteral("color: teal"));
    Label1->adjustSize();
    Label1->move(PanelMiddleX - Label1->width() / 2, 16);
    Label5 = centredLabel(QCoreApplication::translate("AboutBox", "Version %1")
                              .arg(QLatin1String(ApplicationVersion)),
                          56, 13, Panel1);
    Label2 = centredLabel(
        QCoreApplication::translate("AboutBox", "Inserts for compact-disc jewel cases"), 80, 13,
        Panel1);
    Label3 = centredLabel(QStringLiteral("2026"), 96, 13, Panel1);
    Label4 = centredLabel(QCoreApplication::translate("AboutBox", "Free to use, copy and share."),
                          112, 13, Panel1);
    Bevel1 = bevel(152, Panel1);
    Label7 = centredLabel(
        QCoreApplication::translate(
            "AboutBox", "If you have questions, comments or need support fell free to contact me:"),
        176, 13, Panel1);
    Label8 = centredLabel(QString::fromLatin1(MaintainerAddress), 208, 16, Panel1);
    Label8->setFont(fontOfPixels(13));
    Label8->adjustSize();
    Label8->move(PanelMiddleX - Label8->width() / 2, 208);
    Bevel2 = bevel(248, Panel1);
    Label6 = new QLabel(QString::fromLatin1(SleevixWebAddress), Panel1);
    Label6->setFont(fontOfPixels(16));
    Label6->setStyleSheet(QStringLiteral("color: blue; background-color: palette(mid)"));
    Label6->adjustSize();
    Label6->move(PanelMiddleX - Label6->width() / 2, 284);
    Label6->setMouseTracking(true);
    Label6->setFocusPolicy(Qt::TabFocus);
    Label6->setAccessibleName(QCoreApplication::translate("AboutBox", "Web address"));
    Label6->installEventFilter(this);
    Button1 = new QPushButton(QCoreApplication::translate("AboutBox", "Close"), Panel1);
    Button1->setGeometry(163, 320, 75, 25);
    // The pointer over the button is not over the panel: the hand stays.
    Button1->setAttribute(Qt::WA_NoMousePropagation);

    WebBrowser1 = std::make_unique<DesktopWebBrowser>();
    ConnectHandler(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TForm3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) RunHandler([this] { FormShow(); });
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == Label6) {
            RunHandler([this] { Label6MouseMove(); });
            return true;  // the panel behind does not see it
        }
        if (watched == Panel1) RunHandler([this] { Panel1MouseMove(); });
    }
    if (watched == Label6 && event->type() == QEvent::MouseButtonRelease) {
        RunHandler([this] { Label6Click(); });
        return true;
    }
    if (watched == Label6 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            RunHandler([this] { Label6Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    RunHandler([this] { FormMouseMove(); });
}
