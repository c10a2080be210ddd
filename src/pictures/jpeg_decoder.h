#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG file's bytes at full size and best quality: 24 bits per
// pixel, or 8 bits with a grey palette for a greyscale file. CMYK files
// (Adobe's inverted ones too) come out as RGB. Raises "JPEG error #%d" with
// libjpeg's message code, or the picture size error.
QImage DecodeJpeg(const QByteArray& data);
