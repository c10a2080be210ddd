// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/case_kind_question.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QStringList>

#include "widgets/access_letters.h"
#include "widgets/dialog_placement.h"

std::optional<CaseKind> ScreenCaseKindQuestion::Ask(QWidget* parent) {
    QStringList captions;
    for (CaseKind kind : AllCaseKinds) captions << CaseKindCaption(kind);
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("Cases", "New Cover"));
    dialog.setLabelText(QCoreApplication::translate("Cases", "&Kind of cover:"));
    dialog.setComboBoxItems(captions);
    dialog.setComboBoxEditable(false);
    dialog.okButtonText();  // the dialog makes its buttons when first asked for one
    AddMissingAccessLetters(dialog);
    CentreOverOwner(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const qsizetype chosen = captions.indexOf(dialog.textValue());
    if (chosen < 0) return std::nullopt;
    return AllCaseKinds[chosen];
}
