// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <QDialog>

#include "widgets/platform_seams.h"

class QFrame;
class QLabel;
class QPushButton;

// The about box: name, version, notices, a contact address and the web
// address as a link; shown modally from "About".
class TForm3 : public QDialog {
    Q_OBJECT
  public:
    TForm3();

    QFrame* Panel1;
    QLabel* Label1;  // program name
    QLabel* Label5;  // version
    QLabel* Label2;  // notice lines
    QLabel* Label3;
    QLabel* Label4;
    QFrame* Bevel1;
    QLabel* Label7;  // support sentence
    QLabel* Label8;  // contact address
    QFrame* Bevel2;
    QLabel* Label6;        // the web address, a link
    QPushButton* Button1;  // "Close"

    std::unique_ptr<WebBrowser> WebBrowser1;

    void FormShow();
    void Button1Click();
    void Label6Click();
    void Label6MouseMove();
    void Panel1MouseMove();
    void FormMouseMove();

    // Whether the application-wide cursor is the pointing hand.
    static bool handCursorShowing();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

// The web address the link shows and opens.
extern const char* const SleevixWebAddress;
