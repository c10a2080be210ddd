// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/picture_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "pictures/preview_decoder.h"
#include "pictures/preview_stages.h"
#include "pictures/preview_window.h"
#include "widgets/dialog_placement.h"

namespace {

constexpr QSize PaneSize(180, 180);
constexpr int PaneBorder = 1;
const char* const NoPictureLabel = QT_TRANSLATE_NOOP("PictureDialog", "Picture:");
const char* const NoPictureText = QT_TRANSLATE_NOOP("PictureDialog", "(None)");

// "*.jpg" matching "PHOTO.JPG" too.
QString caseInsensitiveMask(const QString& mask) {
    QString pattern;
    for (const QChar c : mask) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            pattern += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        else
            pattern += c;
    }
    return pattern;
}

// Draws the picture: natural size and centred when it fits, otherwise
// scaled to fit with its aspect kept, from the top-left corner.
class PaintPanelWidget : public QWidget {
  public:
    PaintPanelWidget(const PictureBitmap& picture, QWidget* parent)
        : QWidget(parent), picture_(picture) {
        setFixedSize(PaneSize);
        setAutoFillBackground(true);
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (picture_.isNull()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(rect(), Qt::AlignCenter,
                             QCoreApplication::translate("PictureDialog", NoPictureText));
            return;
        }
        const QSize natural(picture_.width(), picture_.height());
        const QRect inside = rect().adjusted(PaneBorder, PaneBorder, -PaneBorder, -PaneBorder);
        if (natural.width() <= inside.width() && natural.height() <= inside.height()) {
            const QPoint at = inside.topLeft() + QPoint((inside.width() - natural.width()) / 2,
                                                        (inside.height() - natural.height()) / 2);
            painter.drawImage(QRect(at, natural), picture_.pixels());
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(
                QRect(inside.topLeft(), natural.scaled(inside.size(), Qt::KeepAspectRatio)),
                picture_.pixels());
        }
    }

  private:
    const PictureBitmap& picture_;
};

}  // namespace

QStringList QtNameFilters(const QString& platformFilter) {
    QStringList choices;
    const QStringList parts = platformFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks;
        for (const QString& mask : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
            masks << caseInsensitiveMask(mask);
        choices << QStringLiteral("%1 (%2)").arg(parts[i], masks.join(QLatin1Char(' ')));
    }
    return choices;
}

PicturePreviewPane::PicturePreviewPane(QWidget* parent) : QWidget(parent) {
    PictureLabel = new QLabel(QCoreApplication::translate("PictureDialog", NoPictureLabel), this);
    PaintPanel = new PaintPanelWidget(picture_, this);
    PaintPanel->installEventFilter(this);
    PaintPanel->setAccessibleName(QCoreApplication::translate("PictureDialog", "Picture preview"));
    PreviewButton = new QPushButton(QCoreApplication::translate("PictureDialog", "&Preview"), this);
    PreviewButton->setEnabled(false);
    PreviewButton->setAutoDefault(false);
    connect(PreviewButton, &QPushButton::clicked, this, &PicturePreviewPane::openPreviewWindow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PictureLabel);
    layout->addWidget(PaintPanel);
    layout->addWidget(PreviewButton, 0, Qt::AlignLeft);
    layout->addStretch();

    decoder_ = new PreviewDecoder(DecodePreview, this);
    connect(decoder_, &PreviewDecoder::firstReady, this, [this](const PictureBitmap& picture) {
        showPicture(picture);
        emit thumbnailShown();
    });
    connect(decoder_, &PreviewDecoder::pictureReady, this, [this](const PictureBitmap& picture) {
        pending_ = false;
        showPicture(picture);
        emit previewShown();
    });
}

void PicturePreviewPane::showFile(const QString& path) {
    // A row made current and the name it puts in the file name box are one
    // choice: it is read once.
    if (path == path_) return;
    path_ = path;
    pending_ = true;
    // Nothing of the file highlighted before stays while this one is read.
    showPicture(PictureBitmap());
    // Only as many pixels as the pane can show.
    const qreal ratio = devicePixelRatioF();
    const QSize inside = PaneSize - QSize(2 * PaneBorder, 2 * PaneBorder);
    decoder_->request({path, PaneSize * ratio, inside * ratio});
}

void PicturePreviewPane::showPicture(const PictureBitmap& picture) {
    picture_ = picture;
    PictureLabel->setText(
        hasPicture() ? QStringLiteral(" (%1x%2)").arg(picture_.width()).arg(picture_.height())
                     : QCoreApplication::translate("PictureDialog", NoPictureLabel));
    PreviewButton->setEnabled(hasPicture());
    PaintPanel->update();
}

QString PicturePreviewPane::caption() const {
    return PictureLabel->text();
}

void PicturePreviewPane::openPreviewWindow() {
    if (!hasPicture()) return;
    ShowPreviewWindow(this, path_, picture_.pixels(), QSize(picture_.width(), picture_.height()));
}

bool PicturePreviewPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PaintPanel && event->type() == QEvent::MouseButtonRelease) openPreviewWindow();
    return QWidget::eventFilter(watched, event);
}

namespace {

// A name typed in the file name box (or one the dialog starts with) picks a
// file without making any row current: the preview follows it too.
void followTypedName(QFileDialog& dialog, PicturePreviewPane* preview) {
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) return;
    const auto follow = [&dialog, preview](const QString& text) {
        const QFileInfo file(dialog.directory(), text);
        if (!text.isEmpty() && file.isFile()) preview->showFile(file.absoluteFilePath());
    };
    QObject::connect(name, &QLineEdit::textChanged, preview, follow);
    follow(name->text());
}

}  // namespace

bool ScreenOpenPictureDialog::Execute(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    CentreOverOwner(dialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a typed name need not exist
    dialog.setNameFilters(QtNameFilters(Filter));
    dialog.setDefaultSuffix(DefaultExt);
    if (!FileName.isEmpty()) dialog.selectFile(FileName);

    auto* preview = new PicturePreviewPane(&dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreviewPane::showFile);
    followTypedName(dialog, preview);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}
