// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdf_pages.h"

#include <algorithm>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "support/image_probe.h"

namespace {

constexpr double MmPerInch = 25.4;

// The first page, or the `window` of it in pixels when one is given.
QImage renderPdf(const QString& pdf, int dotsPerInch, const QRect& window = QRect()) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return QImage();
    QTemporaryDir folder;
    QStringList arguments{"-r", QString::number(dotsPerInch), "-png", "-singlefile"};
    if (!window.isEmpty())
        arguments << "-x" << QString::number(window.x()) << "-y" << QString::number(window.y())
                  << "-W" << QString::number(window.width()) << "-H"
                  << QString::number(window.height());
    QProcess render;
    render.setStandardErrorFile(QProcess::nullDevice());  // font warnings
    render.start(pdftoppm, arguments << pdf << folder.filePath("page"));
    if (!render.waitForFinished(60000) || render.exitCode() != 0) return QImage();
    return QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage RenderPdfPage(const QString& pdf, int dotsPerInch) {
    return renderPdf(pdf, dotsPerInch);
}

QRectF InkBoxMm(const QString& pdf, const QRectF& expectedMm) {
    constexpr double SlackMm = 3;
    const auto pixels = [](double mm) { return int(mm / MmPerInch * InkBoxDotsPerInch); };
    // The ink within a window around a point, in pixels of the page.
    const auto inkAround = [&](QPointF pointMm) -> QRect {
        const QRect window(pixels(pointMm.x() - SlackMm), pixels(pointMm.y() - SlackMm),
                           pixels(2 * SlackMm), pixels(2 * SlackMm));
        const QImage seen = renderPdf(pdf, InkBoxDotsPerInch, window);
        const QRect ink = seen.isNull() ? QRect() : InkBounds(seen);
        return ink.isEmpty() ? QRect() : ink.translated(window.topLeft());
    };
    // Each side's outermost ink lies where the side's middle is, for a
    // rectangle and a circle alike.
    const QPointF middle = expectedMm.center();
    const QRect left = inkAround({expectedMm.left(), middle.y()});
    const QRect top = inkAround({middle.x(), expectedMm.top()});
    const QRect right = inkAround({expectedMm.right(), middle.y()});
    const QRect bottom = inkAround({middle.x(), expectedMm.bottom()});
    if (left.isEmpty() || top.isEmpty() || right.isEmpty() || bottom.isEmpty()) return QRectF();
    const QRectF inkPixels(QPointF(left.left(), top.top()),
                           QPointF(right.right() + 1, bottom.bottom() + 1));
    constexpr double MmPerPixel = MmPerInch / InkBoxDotsPerInch;
    return QRectF(inkPixels.topLeft() * MmPerPixel, inkPixels.size() * MmPerPixel);
}

QList<PdfWord> PdfWords(const QString& pdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return {};
    QProcess read;
    read.setStandardErrorFile(QProcess::nullDevice());
    read.start(pdftotext, {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    if (!read.waitForFinished(60000) || read.exitCode() != 0) return {};
    constexpr double MmPerPoint = MmPerInch / 72;
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<PdfWord> words;
    const QString page = QString::fromUtf8(read.readAllStandardOutput());
    for (auto match = word.globalMatch(page); match.hasNext();) {
        const auto m = match.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.push_back({m.captured(5), QRectF(topLeft * MmPerPoint, bottomRight * MmPerPoint)});
    }
    return words;
}

namespace {

// The backend writes the file where it lies: it is whole once it ends in
// the trailer's end mark and has stopped growing.
bool looksWhole(const QString& path, qint64& sizeBefore) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    const bool settled = size > 0 && size == sizeBefore;
    sizeBefore = size;
    if (!settled) return false;
    constexpr qint64 TailBytes = 32;
    file.seek(std::max<qint64>(0, size - TailBytes));
    return file.read(TailBytes).contains("%%EOF");
}

}  // namespace

QString WaitForPdf(const QString& folder, const QString& part) {
    constexpr int WaitForPdfMs = 30000;
    constexpr int PollMs = 50;
    QElapsedTimer waited;
    waited.start();
    qint64 sizeBefore = -1;
    while (waited.elapsed() < WaitForPdfMs) {
        const QFileInfoList found = QDir(folder).entryInfoList({"*" + part + "*.pdf"}, QDir::Files);
        if (!found.isEmpty() && looksWhole(found.front().filePath(), sizeBefore))
            return found.front().filePath();
        QTest::qWait(PollMs);
    }
    return QString();
}
