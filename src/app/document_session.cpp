// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/document_session.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>

#include "app/cover_transfer.h"
#include "app/main_window.h"
#include "app/program_windows.h"
#include "base/application_title.h"
#include "base/handler_guard.h"
#include "tracks/track_editor.h"

DocumentSession* CurrentDocument = nullptr;

namespace {
const char* const UntitledName = QT_TRANSLATE_NOOP("Document", "Untitled");
}

QString DocumentWindowTitle(const QString& path, bool modified) {
    const QString application = QString::fromUtf8(ApplicationTitle);
    // A cover never saved is named only once it holds something to lose.
    if (path.isEmpty() && !modified) return application;
    const QString name = path.isEmpty() ? QCoreApplication::translate("Document", UntitledName)
                                        : QFileInfo(path).fileName();
    return name + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") +
           application;
}

DocumentSession::DocumentSession() : saved_(CaptureCover()) {
    watchWindows();
}

DocumentSession::~DocumentSession() {
    SetAfterEveryHandler({});
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
    Form1->setWindowTitle(DocumentWindowTitle(path_, isModified()));
}

void DocumentSession::watchWindows() {
    const auto changed = [this] { updateTitle(); };
    // Every command runs as a handler; typing in the editor's fields and a
    // switch without a handler of its own change the cover too.
    SetAfterEveryHandler(changed);
    TForm1& window = *Form1;
    for (QCheckBox* box : {window.CheckBox1, window.CheckBox2, window.CheckBox3, window.CheckBox4,
                           window.CheckBox5})
        connect(box, &QCheckBox::toggled, this, changed);
    const QAbstractItemModel* tracks = Form2->ListBox1->model();
    connect(tracks, &QAbstractItemModel::rowsInserted, this, changed);
    connect(tracks, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(tracks, &QAbstractItemModel::dataChanged, this, changed);
    connect(tracks, &QAbstractItemModel::modelReset, this, changed);
    connect(Form2->Edit3, &QLineEdit::textChanged, this, changed);
    connect(Form2->Edit2, &QLineEdit::textChanged, this, changed);
}
