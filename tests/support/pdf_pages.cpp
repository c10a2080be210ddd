#include "support/pdf_pages.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

QImage RenderPdfPage(const QString& pdf, int dotsPerInch) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return QImage();
    QTemporaryDir folder;
    QProcess render;
    render.setStandardErrorFile(QProcess::nullDevice());  // font warnings
    render.start(pdftoppm, {"-r", QString::number(dotsPerInch), "-png", "-singlefile", pdf,
                            folder.filePath("page")});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) return QImage();
    return QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}
