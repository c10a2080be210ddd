// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "pictures/picture_bitmap.h"
#include "widgets/platform_seams.h"

class PreviewDecoder;
class QPushButton;

// Qt's file dialog takes its masks from the parentheses of each choice,
// separated by blanks. Each choice of the "shown|masks|..." filter becomes
// the shown text followed by its masks in that form (the dialog hides
// them again), every mask matching without regard to case.
QStringList QtNameFilters(const QString& platformFilter);

// The pane beside the file list: the selected picture, or "(None)".
class PicturePreviewPane : public QWidget {
    Q_OBJECT
  public:
    explicit PicturePreviewPane(QWidget* parent = nullptr);
    // Shows the file when it is a loadable picture; never reports an error.
    // Returns at once, showing "(None)": the file is decoded off the GUI
    // thread and shown when it is (previewShown), unless another file was
    // asked for meanwhile.
    void showFile(const QString& path);
    bool hasPicture() const { return !picture_.isNull(); }
    // From showFile until previewShown.
    bool previewPending() const { return pending_; }
    const PictureBitmap& picture() const { return picture_; }
    QString caption() const;
    // Opens the picture in a window of its own, titled "Preview", fitted
    // to the screen.
    void openPreviewWindow();

    QLabel* PictureLabel;
    QWidget* PaintPanel;
    QPushButton* PreviewButton;

  signals:
    // The photo's embedded thumbnail stands in until the photo is decoded.
    void thumbnailShown();
    // The pane shows what the file holds: its picture, or none.
    void previewShown();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showPicture(const PictureBitmap& picture);

    PictureBitmap picture_;
    QString path_;
    PreviewDecoder* decoder_;
    bool pending_ = false;
};

class ScreenOpenPictureDialog : public OpenPictureDialog {
  public:
    bool Execute(QWidget* parent) override;
};
