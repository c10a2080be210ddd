// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_session.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/application_title.h"
#include "app/captioned_button.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "document/cover_transfer.h"
#include "tracks/track_editor.h"

DocumentSession* CurrentDocument = nullptr;

QString DocumentWindowTitle(const QString& path, bool modified) {
    const QString application = QString::fromUtf8(ApplicationTitle);
    if (path.isEmpty()) return application;
    return QFileInfo(path).fileName() + (modified ? QStringLiteral("*") : QString()) +
           QStringLiteral(" - ") + application;
}

DocumentSession::DocumentSession() : saved_(CaptureCover()) {
    watchWindows();
}

bool DocumentSession::isModified() const {
    return CaptureCover() != saved_;
}

void DocumentSession::setDocument(const QString& path) {
    path_ = path;
    saved_ = CaptureCover();
    updateTitle();
}

void DocumentSession::updateTitle() {
    Form1->setWindowTitle(DocumentWindowTitle(path_, !path_.isEmpty() && isModified()));
}

void DocumentSession::watchWindows() {
    // Every way the cover changes ends in one of these; each is connected
    // after the control's own handler, so it sees the handler's outcome.
    const auto changed = [this] {
        if (!path_.isEmpty()) updateTitle();
    };
    TForm1& window = *Form1;
    for (QCheckBox* box :
         {window.CheckBox1, window.CheckBox2, window.CheckBox3, window.CheckBox4, window.CheckBox5})
        connect(box, &QCheckBox::toggled, this, changed);
    const QAbstractButton* const commands[] = {window.button3, window.Button1, window.BitBtn1,
                                               window.BitBtn2, window.BitBtn5, window.Button2,
                                               Form2->Button1};
    for (const QAbstractButton* button : commands)
        connect(button, &QAbstractButton::clicked, this, changed);
    const QAbstractItemModel* tracks = Form2->ListBox1->model();
    connect(tracks, &QAbstractItemModel::rowsInserted, this, changed);
    connect(tracks, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(tracks, &QAbstractItemModel::dataChanged, this, changed);
    connect(tracks, &QAbstractItemModel::modelReset, this, changed);
    connect(Form2->Edit3, &QLineEdit::textChanged, this, changed);
    connect(Form2->Edit2, &QLineEdit::textChanged, this, changed);
}
