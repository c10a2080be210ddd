// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/open_file.h"

#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "app/cover_transfer.h"
#include "app/open_track_list.h"
#include "base/sleevix_error.h"
#include "document/document_file.h"
#include "pictures/picture_loader.h"
#include "tracks/import/track_import.h"

namespace {

QString missingPicturesNote(const QStringList& missing) {
    if (missing.isEmpty()) return QString();
    QStringList shown;
    for (const QString& path : missing) shown << QDir::toNativeSeparators(path);
    if (shown.size() == 1)
        return QCoreApplication::translate(
                   "Document", "The picture %1 was not found; the cover opens without it")
            .arg(shown.constFirst());
    return QCoreApplication::translate(
               "Document", "The pictures %1 were not found; the cover opens without them")
        .arg(shown.join(QCoreApplication::translate("Document", " and ")));
}

// A picture of a kind no decoder reads is refused with its insert and file
// named: the loader's words name neither, and a document may hold two.
void checkPictureKinds(const CoverDocument& cover, const QStringList& missing) {
    const std::pair<const InsertLook&, const char*> inserts[] = {
        {cover.back, QT_TRANSLATE_NOOP("Document", "%1 for the back picture %2")},
        {cover.front, QT_TRANSLATE_NOOP("Document", "%1 for the front picture %2")}};
    for (const auto& [look, refusal] : inserts) {
        const QString& picture = look.picture.path;
        if (picture.isEmpty() || missing.contains(picture)) continue;
        try {
            CheckPictureFileName(picture);
        } catch (const SleevixError& error) {
            throw SleevixError(QCoreApplication::translate("Document", refusal)
                                   .arg(error.message(), QDir::toNativeSeparators(picture)));
        }
    }
}

FileToOpen readCover(const QString& path) {
    const CoverDocument cover = LoadCoverFile(path);
    return FileToOpen{[cover] {
                          // Looked for before the drawing, which passes over a
                          // missing file without a word.
                          const QStringList missing = MissingPictures(cover);
                          checkPictureKinds(cover, missing);
                          const QString note = missingPicturesNote(missing);
                          ApplyCover(cover);
                          return note;
                      },
                      path};
}

// The kinds of file the program opens, by extension.
struct OpenableKind {
    QString extension;  // lower case, without the dot
    const char* description;  // translated where it is shown
    FileToOpen (*read)(const QString& path);
};

const std::vector<OpenableKind>& openableKinds() {
    static const std::vector<OpenableKind> kinds = {
        {QString::fromLatin1(CoverFileExtension), QT_TRANSLATE_NOOP("Document", "Sleevix covers"),
         readCover},
    };
    return kinds;
}

}  // namespace

FileToOpen ReadFileToOpen(const QString& path) {
    // Track lists, audio files and folders of them fill the track list.
    if (IsImportable(path)) return ReadTrackListToOpen(path);
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const OpenableKind& kind : openableKinds())
        if (kind.extension == extension) return kind.read(path);
    QStringList known;
    for (const OpenableKind& kind : openableKinds())
        known << QStringLiteral("%1 (.%2)")
                     .arg(QCoreApplication::translate("Document", kind.description),
                          kind.extension);
    known << QCoreApplication::translate("Document", "track lists (.cue, .m3u, .m3u8, .txt)")
          << QCoreApplication::translate("Document", "audio files and folders of them");
    throw SleevixError(QCoreApplication::translate("Document", "Cannot open %1: Sleevix opens %2")
                           .arg(QDir::toNativeSeparators(path), known.join(QStringLiteral(", "))));
}

QString OpenableFileFilters() {
    QStringList filters;
    for (const OpenableKind& kind : openableKinds())
        filters << QStringLiteral("%1 (*.%2)")
                       .arg(QCoreApplication::translate("Document", kind.description),
                            kind.extension);
    filters << ImportNameFilters();
    return filters.join(QStringLiteral(";;"));
}
