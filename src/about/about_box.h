#pragma once

#include <QDialog>

// The about box; shown modally from "About".
class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3();
};
