// Renders every picture file of a folder through the program's own loader
// into one PNG, each labelled with its name and natural size:
//   sleevix_contact_sheet <folder> <out.png> [cell size]

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include "app/error_box.h"
#include "pictures/picture_loader.h"

namespace {
constexpr int DefaultCell = 300;
constexpr int Label = 36;
constexpr int Columns = 4;
}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <folder> <out.png> [cell size]\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int Cell = argc > 3 ? std::max(100, QByteArray(argv[3]).toInt()) : DefaultCell;
    const QStringList names = folder.entryList(
        {"*.wmf", "*.emf", "*.bmp", "*.gif", "*.jpg", "*.ico"}, QDir::Files, QDir::Name);
    const int rows = int((names.size() + Columns - 1) / Columns);
    QImage sheet(Columns * Cell, std::max(1, rows) * (Cell + Label), QImage::Format_RGB32);
    sheet.fill(QColor(230, 230, 230));
    QPainter painter(&sheet);
    for (int i = 0; i < names.size(); ++i) {
        const QRect cell((i % Columns) * Cell, (i / Columns) * (Cell + Label), Cell, Cell + Label);
        QString label = names[i];
        try {
            if (const auto picture = LoadPictureBitmap(folder.filePath(names[i]))) {
                QImage shown = picture->pixels();
                label += QStringLiteral(" (%1x%2)").arg(shown.width()).arg(shown.height());
                shown = shown.scaled(Cell - 10, Cell - 10, Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation);
                painter.drawImage(cell.x() + 5, cell.y() + 5, shown);
            }
        } catch (const SleevixError& error) {
            label += QStringLiteral("\n") + error.message();
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(cell.x() + 4, cell.y() + Cell, Cell - 8, Label), Qt::TextWordWrap,
                         label);
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
