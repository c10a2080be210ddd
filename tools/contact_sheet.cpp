// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every picture file of one or more folders through the program's
// own loader into one PNG. Alone, each picture gets a labelled cell:
//   sleevix_contact_sheet <folder> <out.png> [cell size]
// With --references, a comparison sheet: one row per picture, the
// program's drawing first, then each reference drawing of the same file
// found there as <file name>.<renderer>.png:
//   sleevix_contact_sheet --references <dir> [--cell N] [--save <dir>]
//       <out.png> <folder>...
// --save also writes the program's drawings there as <file name>.sleevix.png.
// tools/metafile_comparison/compare.sh writes both of docs/'s comparison
// sheets: metafile-comparison-sheet.png, the samples the fuzz build's
// sleevix_fuzz_seeds writes into <corpus>/metafile (one per drawing fault)
// and the reference metafiles beside the clone, each beside an independent
// renderer's PNG at the same size; and metafile-comparison-real-world.png,
// charts and drawings as a chart tool, an office suite and a drawing
// program write them, each beside two renderers' PNGs.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include "base/sleevix_error.h"
#include "pictures/picture_loader.h"

namespace {

constexpr int DefaultCell = 300;
constexpr int Label = 36;
constexpr int Columns = 4;
constexpr int Margin = 5;
const QStringList PictureMasks{"*.wmf", "*.emf", "*.bmp", "*.gif", "*.jpg", "*.ico"};

struct Drawing {
    QImage image;  // null when nothing was drawn
    QString label;
};

Drawing drawnByTheProgram(const QString& path) {
    Drawing drawing{QImage(), QFileInfo(path).fileName()};
    try {
        if (const auto picture = LoadPictureBitmap(path)) {
            drawing.image = picture->pixels();
            drawing.label +=
                QStringLiteral(" (%1x%2)").arg(drawing.image.width()).arg(drawing.image.height());
        }
    } catch (const SleevixError& error) {
        drawing.label += QStringLiteral("\n") + error.message();
    }
    return drawing;
}

// One drawing scaled into a cell under its label.
void drawCell(QPainter& painter, QRect cell, const Drawing& drawing) {
    painter.setPen(Qt::black);
    painter.drawText(QRect(cell.x() + 4, cell.y(), cell.width() - 8, Label),
                     Qt::TextWordWrap | Qt::AlignBottom, drawing.label);
    if (drawing.image.isNull()) return;
    const QImage shown =
        drawing.image.scaled(cell.width() - 2 * Margin, cell.height() - Label - 2 * Margin,
                             Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPoint at = cell.topLeft() + QPoint(Margin, Label + Margin);
    painter.fillRect(QRect(at, shown.size()), Qt::white);
    painter.drawImage(at, shown);
}

int contactSheet(const QDir& folder, const QString& out, int cell) {
    const QStringList names = folder.entryList(PictureMasks, QDir::Files, QDir::Name);
    const int rows = int((names.size() + Columns - 1) / Columns);
    QImage sheet(Columns * cell, std::max(1, rows) * (cell + Label), QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 230));
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        const QRect place((i % Columns) * cell, (i / Columns) * (cell + Label), cell, cell + Label);
        drawCell(painter, place, drawnByTheProgram(folder.filePath(names[i])));
    }
    painter.end();
    return sheet.save(out) ? 0 : 1;
}

int comparisonSheet(const QStringList& folders, const QDir& references, const QString& out,
                    int cell, const QString& saveTo) {
    QList<QList<Drawing>> rows;
    int columns = 1;
    for (const QString& name : folders) {
        const QDir folder(name);
        for (const QString& file : folder.entryList(PictureMasks, QDir::Files, QDir::Name)) {
            QList<Drawing> row{drawnByTheProgram(folder.filePath(file))};
            row[0].label.prepend(QStringLiteral("Sleevix: "));
            if (!saveTo.isEmpty() && !row[0].image.isNull())
                row[0].image.save(QDir(saveTo).filePath(file + ".sleevix.png"));
            for (const QString& reference :
                 references.entryList({file + ".*.png"}, QDir::Files, QDir::Name)) {
                const QString renderer = reference.mid(file.size() + 1).chopped(4);
                if (renderer == QLatin1String("sleevix")) continue;
                row.append({QImage(references.filePath(reference)), renderer + ": " + file});
            }
            columns = std::max(columns, int(row.size()));
            rows.append(row);
        }
    }
    QImage sheet(columns * cell, std::max<int>(1, rows.size()) * (cell + Label),
                 QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 230));
    QPainter painter(&sheet);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            drawCell(painter, QRect(c * cell, r * (cell + Label), cell, cell + Label), rows[r][c]);
    painter.end();
    return sheet.save(out) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QString references, saveTo;
    int cell = DefaultCell;
    for (qsizetype i = 0; i + 1 < arguments.size();) {
        if (arguments[i] == QLatin1String("--references"))
            references = arguments[i + 1];
        else if (arguments[i] == QLatin1String("--cell"))
            cell = std::max(100, arguments[i + 1].toInt());
        else if (arguments[i] == QLatin1String("--save"))
            saveTo = arguments[i + 1];
        else {
            ++i;
            continue;
        }
        arguments.remove(i, 2);
    }
    if (!references.isEmpty() && arguments.size() >= 2)
        return comparisonSheet(arguments.mid(1), QDir(references), arguments[0], cell, saveTo);
    if (references.isEmpty() && arguments.size() >= 2)
        return contactSheet(QDir(arguments[0]), arguments[1],
                            arguments.size() > 2 ? std::max(100, arguments[2].toInt()) : cell);
    std::fprintf(stderr,
                 "usage: %s <folder> <out.png> [cell size]\n"
                 "       %s --references <dir> [--cell N] [--save <dir>] <out.png> <folder>...\n",
                 argv[0], argv[0]);
    return 2;
}
