// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracks/editor_seams.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "base/application_title.h"
#include "widgets/access_letters.h"
#include "tracks/import/track_import.h"

namespace {
QString entriesText(int count) {
    return count == 1 ? QCoreApplication::translate("TrackEditor", "1 track")
                      : QCoreApplication::translate("TrackEditor", "%1 tracks").arg(count);
}
}  // namespace

bool ScreenTrackSourceDialog::Execute(QWidget* parent, Choose what) {
    QFileDialog dialog(parent, QCoreApplication::translate("TrackEditor", "Import tracks"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (what == Choose::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setNameFilters(ImportNameFilters());
    }
    if (!Paths.isEmpty()) dialog.setDirectory(QFileInfo(Paths.constFirst()).absolutePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    Paths = dialog.selectedFiles();
    return true;
}

TrackListQuestions::ImportMode ScreenTrackListQuestions::AskImportMode(QWidget* parent, int entries,
                                                                       int incoming) {
    QMessageBox box(
        QMessageBox::Question, QString::fromUtf8(ApplicationTitle),
        QCoreApplication::translate("TrackEditor",
                                    "The list already holds %1. Replace them with the %2 "
                                    "imported, or add those after them?")
            .arg(entriesText(entries), entriesText(incoming)),
        QMessageBox::NoButton, parent);
    QPushButton* replace = box.addButton(QCoreApplication::translate("TrackEditor", "&Replace"),
                                         QMessageBox::DestructiveRole);
    QPushButton* append = box.addButton(QCoreApplication::translate("TrackEditor", "&Append"),
                                        QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(append);
    AddMissingAccessLetters(box);
    box.exec();
    if (box.clickedButton() == replace) return ImportMode::Replace;
    if (box.clickedButton() == append) return ImportMode::Append;
    return ImportMode::Cancel;
}

bool ScreenTrackListQuestions::ConfirmClear(QWidget* parent, int entries) {
    const auto answer =
        QMessageBox::question(parent, QString::fromUtf8(ApplicationTitle),
                              QCoreApplication::translate("TrackEditor", "Clear the list of %1?")
                                  .arg(entriesText(entries)),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

bool ScreenTrackListQuestions::OfferAlbumArt(QWidget* parent, const QString& file) {
    const auto answer = QMessageBox::question(
        parent, QString::fromUtf8(ApplicationTitle),
        QCoreApplication::translate(
            "TrackEditor",
            "The imported files carry album art (in \"%1\"). Lay it on the front "
            "insert?")
            .arg(QFileInfo(file).fileName()),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}
