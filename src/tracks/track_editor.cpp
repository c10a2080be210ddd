// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/track_editor.h"

#include <limits>

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "base/application_title.h"
#include "base/handler_guard.h"
#include "base/sleevix_error.h"
#include "tracks/text_field.h"
#include "tracks/track_list_box.h"
#include "widgets/caption_fit.h"

namespace {

constexpr QSize DesignSize(523, 453);
// "MS Sans Serif" 8 points for the window, 12 points for the captions.
constexpr int WindowFontPixels = 11;
constexpr int CaptionFontPixels = 16;
const char* const WindowTypeface = "arial";

// The caption of a field, whose access letter reaches the field; set before
// the widening, the field makes the letter's marker take no room.
QLabel* makeCaption(const QString& text, QRect geometry, QWidget* field) {
    auto* label = new QLabel(text, field->parentWidget());
    QFont captionFont(QString::fromLatin1(WindowTypeface));
    captionFont.setPixelSize(CaptionFontPixels);
    label->setFont(captionFont);
    label->setGeometry(geometry);
    label->setBuddy(field);
    WidenToShowCaption(*label);
    return label;
}

QLineEdit* makeEdit(const QString& text, QRect geometry, QWidget* parent) {
    auto* edit = new TextField(parent);
    edit->setText(text);
    edit->setGeometry(geometry);
    return edit;
}

// Neither button reacts to Enter unless it has the focus: Enter only
// inserts, and only from the track field.
QPushButton* makeButton(const QString& caption, QRect geometry, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

QString TForm2::ArtistPrompt() {
    return QCoreApplication::translate("TrackEditor", "<Type in name of the artist here>");
}

QString TForm2::TitlePrompt() {
    return QCoreApplication::translate("TrackEditor", "<Type in title here>");
}

TForm2::TForm2() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("TrackEditor", "%1 - Edit Tracks")
                       .arg(QString::fromUtf8(ApplicationTitle)));
    QFont windowFont(QString::fromLatin1(WindowTypeface));
    windowFont.setPixelSize(WindowFontPixels);
    setFont(windowFont);
    setModal(true);
    resize(DesignSize);

    buildTrackGroup();
    buildTitleGroup();
    Button1 = makeButton(QCoreApplication::translate("TrackEditor", "&Continue"),
                         {218, 392, 75, 25}, this);
    Button1->setEnabled(false);
    buildEditingTools();
    chainTabOrder();
    connectHandlers();
}

void TForm2::buildTrackGroup() {
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setGeometry(16, 8, 225, 337);
    GroupBox1->setAccessibleName(QCoreApplication::translate("TrackEditor", "Tracks"));
    ListBox1 = new TrackListBox(GroupBox1);
    ListBox1->setGeometry(16, 56, 177, 153);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setSortingEnabled(false);
    ListBox1->setAccessibleName(QCoreApplication::translate("TrackEditor", "Tracks on the CD"));
    Label4 = makeCaption(QCoreApplication::translate("TrackEditor", "Tracks &on the CD:"),
                         {49, 24, 127, 20}, ListBox1);
    Edit1 = makeEdit(QString(), {16, 248, 177, 21}, GroupBox1);
    Edit1->setAccessibleName(QCoreApplication::translate("TrackEditor", "Type in track"));
    Label1 = makeCaption(QCoreApplication::translate("TrackEditor", "&Type in track:"),
                         {66, 216, 93, 20}, Edit1);
    Button3 = makeButton(QCoreApplication::translate("TrackEditor", "&Insert"), {75, 288, 75, 25},
                         GroupBox1);
}

void TForm2::buildTitleGroup() {
    GroupBox2 = new QGroupBox(this);
    GroupBox2->setGeometry(272, 8, 225, 337);
    GroupBox2->setAccessibleName(QCoreApplication::translate("TrackEditor", "Artist and title"));
    Edit3 = makeEdit(ArtistPrompt(), {24, 56, 177, 21}, GroupBox2);
    Edit3->setAccessibleName(QCoreApplication::translate("TrackEditor", "Artist"));
    Label5 = makeCaption(QCoreApplication::translate("TrackEditor", "&Artist:"), {92, 24, 41, 20},
                         Edit3);
    Edit2 = makeEdit(TitlePrompt(), {24, 248, 177, 21}, GroupBox2);
    Edit2->setAccessibleName(QCoreApplication::translate("TrackEditor", "Title"));
    Label6 = makeCaption(QCoreApplication::translate("TrackEditor", "Tit&le:"), {96, 216, 33, 20},
                         Edit2);
}

void TForm2::chainTabOrder() {
    QWidget* order[] = {Button1, Button3, ImportButton, Edit1, ListBox1, Edit3, Edit2};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void TForm2::connectHandlers() {
    ConnectHandler(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    ConnectHandler(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    // A click on an entry, or a selection moved with the keyboard.
    ConnectHandler(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    ConnectHandler(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    Edit1->installEventFilter(this);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) RunHandler([this] { FormShow(); });
}

bool TForm2::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) RunHandler([this] { FormActivate(); });
    return handled;
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (takeFileDrop(watched, event)) return true;
    if (event->type() == QEvent::KeyPress) {
        bool handled = false;
        RunHandler([&] { handled = handleEditingKey(watched, *static_cast<QKeyEvent*>(event)); });
        if (handled) return true;
    }
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        RunHandler([&] { Edit1KeyDown(key->key(), key->modifiers()); });
    }
    return QDialog::eventFilter(watched, event);  // the key keeps its usual meaning
}

void TForm2::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the editor; only its close control and
    // "Continue" do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    bool handled = false;
    RunHandler([&] { handled = handleEditingKey(this, *event); });
    if (!handled) QDialog::keyPressEvent(event);
}

QString TForm2::trackEntry(int index) const {
    const QListWidgetItem* item = ListBox1->item(index);
    if (!item)
        throw SleevixError(
            QCoreApplication::translate("TrackEditor", "List index out of bounds (%1)").arg(index));
    return item->text();
}
