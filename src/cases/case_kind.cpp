// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/case_kind.h"

#include <QCoreApplication>

namespace {
struct KindNames {
    CaseKind kind;
    const char* name;
    const char* caption;
};
constexpr KindNames Names[] = {
    {CaseKind::Jewel, "jewel", QT_TRANSLATE_NOOP("Cases", "Jewel case")},
    {CaseKind::Slim, "slim", QT_TRANSLATE_NOOP("Cases", "Slim case")},
    {CaseKind::Dvd, "dvd", QT_TRANSLATE_NOOP("Cases", "DVD case")},
    {CaseKind::Disc, "disc", QT_TRANSLATE_NOOP("Cases", "Disc label")},
};

const KindNames& namesOf(CaseKind kind) {
    for (const KindNames& names : Names)
        if (names.kind == kind) return names;
    return Names[0];
}
}  // namespace

QString CaseKindName(CaseKind kind) {
    return QString::fromLatin1(namesOf(kind).name);
}

std::optional<CaseKind> CaseKindNamed(const QString& name) {
    for (const KindNames& names : Names)
        if (name == QLatin1String(names.name)) return names.kind;
    return std::nullopt;
}

QString CaseKindCaption(CaseKind kind) {
    return QCoreApplication::translate("Cases", namesOf(kind).caption);
}

bool operator==(const CaseChoice& a, const CaseChoice& b) {
    return a.kind == b.kind && a.hole == b.hole && a.discTrackList == b.discTrackList &&
           a.discArcs == b.discArcs;
}
