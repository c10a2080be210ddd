// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

// The first page of a PDF as an image, rendered by pdftoppm (poppler-utils);
// a null image when pdftoppm is missing or fails.
QImage RenderPdfPage(const QString& pdf, int dotsPerInch);

// The box of the first page's ink around `expectedMm` (millimetres from the
// page's corner), measured at InkBoxDotsPerInch from small windows around
// the middle of each of its sides: a whole page at that resolution is
// beyond the picture reader's memory limit. Empty when nothing is inked
// there or pdftoppm fails.
inline constexpr int InkBoxDotsPerInch = 1200;
QRectF InkBoxMm(const QString& pdf, const QRectF& expectedMm);

struct PdfWord {
    QString text;
    QRectF box;  // millimetres from the page's top-left corner
};

// The words of a PDF's first page with their boxes, read by pdftotext -bbox
// (poppler-utils); empty when pdftotext is missing or fails.
QList<PdfWord> PdfWords(const QString& pdf);

// The first PDF in `folder` whose name contains `part`, once a print queue's
// backend has written it (up to 30 seconds); empty when none came.
QString WaitForPdf(const QString& folder, const QString& part);
