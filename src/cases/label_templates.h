// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The disc label sheets of the label designer's templates (its XML format,
// as glabels installs it under libglabels-3.0/templates, and the user's own
// under libglabels/templates): the templates' bytes are read through the
// gate and parsed in the decode helper, like every file's.

#include <vector>

#include <QByteArray>
#include <QString>

#include "cases/label_sheets.h"

// The sheets of every template file installed on this machine; none where
// there are none. A file that cannot be read or parsed is passed over.
std::vector<LabelSheet> InstalledTemplateSheets();

// In the decode helper: the disc sheets one template file describes (A4 and
// Letter, discs of the size Sleevix prints), encoded for the reply.
QByteArray ParseLabelTemplatesHere(const QByteArray& xml);
// In the program: the reply's sheets, named after the file they came from.
std::vector<LabelSheet> DecodeTemplateSheets(const QByteArray& reply, const QString& file);
