#pragma once

#include <QByteArray>
#include <QImage>

// A device-independent bitmap with its own pixel format.
QImage DecodeBitmap(const QByteArray& data);

// The largest image of an icon file, with its transparency.
QImage DecodeIcon(const QByteArray& data);
