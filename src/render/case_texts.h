// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of a cover as every layout reads them, with how they look.

#include <QColor>
#include <QString>
#include <QStringList>

struct CaseTexts {
    QStringList tracks;
    QString artist;
    QString separator;  // between artist and title, as the commit chose it
    QString title;
    QString backTypeface;  // empty: the default typeface
    QColor backColour = QColor(Qt::black);
    QString frontTypeface;
    QColor frontColour = QColor(Qt::black);
    bool centred = false;      // track lines centred, else flush left
    bool noFrontText = false;  // "No text on front cover"
    bool spinesTurned = false; // the spine reads the other way
    bool trackList = true;     // a disc label may leave it out
    bool discArcs = false;     // a disc label's texts along its arcs
};
