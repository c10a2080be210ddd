#pragma once

#include <QImage>
#include <QString>

// The first page of a PDF as an image, rendered by pdftoppm (poppler-utils);
// a null image when pdftoppm is missing or fails.
QImage RenderPdfPage(const QString& pdf, int dotsPerInch);
