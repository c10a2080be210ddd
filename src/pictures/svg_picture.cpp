// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg_picture.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "app/error_box.h"
#include "pictures/svg_document.h"

SvgPicture::SvgPicture(const QByteArray& text) : renderer_(std::make_unique<QSvgRenderer>()) {
    const QByteArray drawing = SelfContainedSvg(text);
    // Through the XML reader: the renderer would inflate compressed bytes
    // itself, without a bound.
    QXmlStreamReader xml(drawing);
    if (!renderer_->load(&xml) || !renderer_->isValid())
        throw SleevixError(QCoreApplication::translate("Pictures", "SVG image is not valid"));
    natural_ = renderer_->defaultSize();
    if (natural_.isEmpty())
        throw SleevixError(QCoreApplication::translate("Pictures", "SVG image has no size"));
    // Stretched like every other picture: the inserts do not keep aspects.
    renderer_->setAspectRatioMode(Qt::IgnoreAspectRatio);
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::drawAt(QPainter& painter, QPoint at) const {
    drawStretched(painter, QRect(at, natural_));
}

void SvgPicture::drawStretched(QPainter& painter, const QRect& target) const {
    painter.save();
    renderer_->render(&painter, QRectF(target));
    painter.restore();
}
