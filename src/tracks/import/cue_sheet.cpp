// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets in the wild vary: keywords in any case, values quoted or not,
// quotes inside quotes, and commands this program has no use for (REM,
// FLAGS, ISRC, ...), which are passed over.

#include "tracks/import/cue_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QVector>

#include "base/sleevix_error.h"
#include "tracks/import/audio_kinds.h"
#include "tracks/import/list_file.h"

namespace {

constexpr int FramesPerSecond = 75;
constexpr int MsPerSecond = 1000;

struct CueTrack {
    ImportedTrack track;
    int file = -1;        // index into the sheet's FILE list
    int startFrame = -1;  // INDEX 01, negative when absent
};

struct Sheet {
    QString performer;
    QString title;
    QStringList files;
    QVector<CueTrack> tracks;
};

// The value after a keyword: between the first quote and the last one on
// the line (so quotes inside survive), up to the line's end when the
// closing quote is missing, or the bare words when unquoted.
QString valueOf(const QString& arguments) {
    if (!arguments.startsWith(QLatin1Char('"'))) return arguments;
    const qsizetype closing = arguments.lastIndexOf(QLatin1Char('"'));
    if (closing <= 0) return arguments.mid(1).trimmed();
    return arguments.mid(1, closing - 1);
}

// FILE "name" TYPE: the name without the type word that follows it.
QString fileNameOf(const QString& arguments) {
    if (arguments.startsWith(QLatin1Char('"'))) return valueOf(arguments);
    const qsizetype lastBlank = arguments.lastIndexOf(QLatin1Char(' '));
    return lastBlank > 0 ? arguments.left(lastBlank).trimmed() : arguments;
}

// mm:ss:ff, with frames at 75 a second; negative when malformed.
int framesOf(const QString& time) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4}):(\\d{1,2}):(\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(time);
    if (!match.hasMatch()) return -1;
    const int seconds = match.captured(2).toInt();
    const int frames = match.captured(3).toInt();
    if (seconds >= 60 || frames >= FramesPerSecond) return -1;
    return (match.captured(1).toInt() * 60 + seconds) * FramesPerSecond + frames;
}

SleevixError malformed(const QString& path, int lineNumber, const QString& what) {
    return SleevixError(QCoreApplication::translate("TrackImport", "%1, line %2: %3")
                            .arg(QuotedFileName(path))
                            .arg(lineNumber)
                            .arg(what));
}

Sheet parse(const QString& path, const QString& text) {
    Sheet sheet;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const qsizetype blank = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString keyword = (blank < 0 ? line : line.left(blank)).toUpper();
        const QString arguments = blank < 0 ? QString() : line.mid(blank).trimmed();
        CueTrack* track = sheet.tracks.isEmpty() ? nullptr : &sheet.tracks.last();
        if (keyword == QLatin1String("FILE")) {
            sheet.files << fileNameOf(arguments);
        } else if (keyword == QLatin1String("TRACK")) {
            bool numbered = false;
            arguments.section(QRegularExpression(QStringLiteral("\\s+")), 0, 0).toInt(&numbered);
            if (!numbered)
                throw malformed(
                    path, i + 1,
                    QCoreApplication::translate("TrackImport", "TRACK without a number"));
            sheet.tracks << CueTrack();
        } else if (keyword == QLatin1String("TITLE")) {
            (track ? track->track.title : sheet.title) = valueOf(arguments);
        } else if (keyword == QLatin1String("PERFORMER")) {
            (track ? track->track.artist : sheet.performer) = valueOf(arguments);
        } else if (keyword == QLatin1String("INDEX") && track) {
            const QStringList parts =
                arguments.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            const int frames = parts.size() == 2 ? framesOf(parts[1]) : -1;
            if (frames < 0)
                throw malformed(path, i + 1,
                                QCoreApplication::translate(
                                    "TrackImport", "INDEX needs a number and a time mm:ss:ff"));
            // A track's audio starts at INDEX 01, in the FILE named last before
            // it (after a pregap that may lie in the previous file).
            if (parts[0].toInt() == 1) {
                track->startFrame = frames;
                track->file = int(sheet.files.size()) - 1;
            }
        }
    }
    if (sheet.tracks.isEmpty())
        throw SleevixError(
            QCoreApplication::translate("TrackImport", "%1 is no CUE sheet: it has no TRACK")
                .arg(QuotedFileName(path)));
    return sheet;
}

// The named file, or one of the same name with another audio extension
// (sheets often name the WAV a rip was later compressed from).
QString findAudioFile(const QDir& folder, const QString& name) {
    const QString named = folder.absoluteFilePath(name);
    if (QFileInfo::exists(named)) return named;
    const QString stem = QFileInfo(named).completeBaseName();
    for (const QString& extension : AudioFileExtensions()) {
        const QString other = folder.absoluteFilePath(stem + QLatin1Char('.') + extension);
        if (QFileInfo::exists(other)) return other;
    }
    return {};
}

void measureLengths(Sheet& sheet, const QDir& folder, const AudioLengthReader& audioLength) {
    QVector<int> fileFrames(sheet.files.size(), -2);  // -2: not read yet
    auto framesOfFile = [&](int file) {
        if (fileFrames[file] == -2) {
            const QString found = findAudioFile(folder, sheet.files[file]);
            const int ms = found.isEmpty() ? -1 : audioLength(found);
            fileFrames[file] = ms < 0 ? -1 : int(qint64(ms) * FramesPerSecond / MsPerSecond);
        }
        return fileFrames[file];
    };
    for (int i = 0; i < sheet.tracks.size(); ++i) {
        CueTrack& track = sheet.tracks[i];
        if (track.startFrame < 0) continue;
        int endFrame = -1;
        if (i + 1 < sheet.tracks.size() && sheet.tracks[i + 1].file == track.file)
            endFrame = sheet.tracks[i + 1].startFrame;
        else if (track.file >= 0)
            endFrame = framesOfFile(track.file);
        if (endFrame > track.startFrame)
            track.track.lengthMs =
                int(qint64(endFrame - track.startFrame) * MsPerSecond / FramesPerSecond);
    }
}

// The disc's performer, or else the one all tracks share.
QString listArtist(const Sheet& sheet) {
    if (!sheet.performer.isEmpty()) return sheet.performer;
    QString shared;
    for (const CueTrack& track : sheet.tracks) {
        if (track.track.artist.isEmpty() || (!shared.isEmpty() && track.track.artist != shared))
            return {};
        shared = track.track.artist;
    }
    return shared;
}

}  // namespace

ImportedTracks ReadCueSheet(const QString& path, const AudioLengthReader& audioLength) {
    Sheet sheet = parse(path, ReadListFile(path));
    measureLengths(sheet, QFileInfo(path).absoluteDir(), audioLength);
    ImportedTracks imported;
    imported.artist = listArtist(sheet);
    imported.album = sheet.title;
    for (const CueTrack& track : sheet.tracks) imported.tracks << track.track;
    DropTrackNumbers(imported.tracks);
    return imported;
}
