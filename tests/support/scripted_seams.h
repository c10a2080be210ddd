// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Platform seams that answer from a script instead of asking a user.

#include <deque>

#include <QPrinter>
#include <QStringList>

#include "base/error_box.h"
#include "widgets/platform_seams.h"

class ScriptedErrorBox : public ErrorBox {
  public:
    void Show(const QString& message) override { shown.push_back(ErrorBoxText(message)); }
    QStringList shown;
};

class ScriptedColorDialog : public ColorDialog {
  public:
    // Each Execute takes the next answer: a colour for OK, an invalid colour
    // for Cancel.
    std::deque<QColor> answers;
    int executions = 0;
    bool Execute(QWidget*) override {
        ++executions;
        if (answers.empty()) return false;
        const QColor answer = answers.front();
        answers.pop_front();
        if (!answer.isValid()) return false;
        Color = answer;
        return true;
    }
};

class ScriptedPrintDialog : public PrintDialog {
  public:
    bool accept = true;
    int executions = 0;
    QString documentName;  // what the dialog offered as the job's name
    bool Execute(QPrinter& printer, QWidget*) override {
        ++executions;
        documentName = printer.docName();
        return accept;
    }
};

class ScriptedWebBrowser : public WebBrowser {
  public:
    QStringList opened;
    void Open(const QString& address) override { opened << address; }
};

class ScriptedFontDialog : public FontDialog {
  public:
    // Each Execute takes the next answer; none left means Cancel.
    struct Answer {
        QFont font;
        QColor colour;
    };
    std::deque<Answer> answers;
    int executions = 0;
    bool Execute(QWidget*) override {
        ++executions;
        if (answers.empty()) return false;
        Font = answers.front().font;
        Color = answers.front().colour;
        answers.pop_front();
        return true;
    }
};

class ScriptedOpenPictureDialog : public OpenPictureDialog {
  public:
    // Each Execute takes the next answer: a file name for OK, an empty
    // string for Cancel.
    std::deque<QString> answers;
    bool Execute(QWidget*) override {
        if (answers.empty()) return false;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) return false;
        FileName = answer;
        return true;
    }
};
