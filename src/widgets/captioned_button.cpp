// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/captioned_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int PictureSize = 16;
constexpr int CaptionToPictureGap = 4;
}  // namespace

CaptionedButton::CaptionedButton(const QString& caption, const QIcon& picture, QWidget* parent)
    : QPushButton(caption, parent) {
    setIcon(picture);
    setIconSize(QSize(PictureSize, PictureSize));
}

void CaptionedButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QFontMetrics metrics = fontMetrics();
    const int blockHeight = metrics.height() + CaptionToPictureGap + PictureSize;
    int top = (height() - blockHeight) / 2;
    if (isDown()) top += 1;  // the pressed look shifts the content a little
    const QRect captionRect(0, top, width(), metrics.height());
    // The access letter is underlined where the desktop's style wants it.
    const int mnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                             ? Qt::TextShowMnemonic
                             : Qt::TextHideMnemonic;
    painter.drawItemText(captionRect, Qt::AlignCenter | mnemonic, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QRect pictureRect((width() - PictureSize) / 2,
                            captionRect.bottom() + 1 + CaptionToPictureGap, PictureSize,
                            PictureSize);
    icon().paint(&painter, pictureRect, Qt::AlignCenter, mode);
}
