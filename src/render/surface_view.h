// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Canvas;

// Shows a surface's raster at its place in a window, repainting whenever the
// surface is drawn on.
class SurfaceView : public QWidget {
    Q_OBJECT
  public:
    SurfaceView(Canvas& surface, QWidget* parent);

  signals:
    // The surface was drawn on.
    void drawn();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Canvas& surface_;
};
