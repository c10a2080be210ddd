// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The File menu's dialogs answering from a script.

#include <deque>
#include <optional>

#include "cases/case_kind_question.h"
#include "document/document_dialogs.h"

class ScriptedDocumentFileDialog : public DocumentFileDialog {
  public:
    // Each Execute takes the next answer: a file name for OK, an empty
    // string for Cancel.
    std::deque<QString> answers;
    int executions = 0;
    bool Execute(QWidget*) override {
        ++executions;
        if (answers.empty()) return false;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) return false;
        FileName = answer;
        return true;
    }
};

class ScriptedExportDialog : public ExportDialog {
  public:
    struct Answer {
        QString fileName;  // empty for Cancel
        PaperSize paper = PaperSize::A4;
        int scale = MinExportScale;
    };
    std::deque<Answer> answers;
    std::deque<ExportKind> asked;
    bool Execute(ExportKind kind, QWidget*) override {
        asked.push_back(kind);
        if (answers.empty()) return false;
        const Answer answer = answers.front();
        answers.pop_front();
        if (answer.fileName.isEmpty()) return false;
        FileName = answer.fileName;
        Paper = answer.paper;
        Scale = answer.scale;
        return true;
    }
};

class ScriptedSaveChangesQuestion : public SaveChangesQuestion {
  public:
    std::deque<Answer> answers;
    QStringList askedAbout;  // the document names, one per question
    Answer Ask(const QString& documentName, QWidget*) override {
        askedAbout << documentName;
        if (answers.empty()) return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// File > New's question: a jewel case unless told otherwise; no answer
// cancels.
class ScriptedCaseKindQuestion : public CaseKindQuestion {
  public:
    std::optional<CaseKind> answer = CaseKind::Jewel;
    std::optional<CaseKind> Ask(QWidget*) override { return answer; }
};
