// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The track editor: the track list, the artist and the title are typed here,
// and its controls keep them for the whole run, also while it is hidden.
class TForm2 : public QDialog {
    Q_OBJECT
  public:
    TForm2();

    QGroupBox* GroupBox1;
    QLabel* Label4;         // "Tracks on the CD:"
    QListWidget* ListBox1;  // the track list
    QLabel* Label1;         // "Type in track:"
    QLineEdit* Edit1;       // the track being typed
    QPushButton* Button3;   // "Insert"
    QGroupBox* GroupBox2;
    QLabel* Label5;        // "Artist:"
    QLineEdit* Edit3;      // artist
    QLabel* Label6;        // "Title:"
    QLineEdit* Edit2;      // title
    QPushButton* Button1;  // "Continue"

    void FormShow();
    void FormActivate();
    void Button3Click();
    void Edit1KeyDown(int key, Qt::KeyboardModifiers shift);
    void ListBox1Click();
    // The commit: carries the editor's texts onto the cover and closes it.
    void Button1Click();

    // The text of entry i, as the cover reads it.
    QString trackEntry(int index) const;

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildTrackGroup();
    void buildTitleGroup();
    void chainTabOrder();
    void connectHandlers();
};
