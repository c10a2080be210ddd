// SPDX-License-Identifier: GPL-3.0-or-later
#include "cases/label_templates.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "base/input_file.h"
#include "helper/decode_helper.h"

namespace {

constexpr double MillimetresPerPoint = 25.4 / 72;
const QMap<QString, double> MillimetresPerUnit = {{QStringLiteral("pt"), MillimetresPerPoint},
                                                  {QStringLiteral("mm"), 1},
                                                  {QStringLiteral("cm"), 10},
                                                  {QStringLiteral("in"), 25.4},
                                                  {QStringLiteral("pc"), 12 * MillimetresPerPoint}};
// A template file is a page of XML; a larger one is no template.
constexpr long long LargestTemplate = 8LL << 20;
// Parsing a template takes milliseconds.
constexpr JobDeadline TemplateDeadline{5};

// "166.5pt", "58.5mm", "4.6in": a length in mm; points where no unit is
// written, as the format has it.
double millimetres(const QString& length) {
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9.+-eE]+)\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch found = form.match(length);
    bool number = false;
    const double value = found.hasMatch() ? found.captured(1).toDouble(&number) : 0;
    const QString unit = found.captured(2).isEmpty() ? QStringLiteral("pt") : found.captured(2);
    if (!number || !MillimetresPerUnit.contains(unit)) return -1;
    return value * MillimetresPerUnit.value(unit);
}

struct Disc {
    QString paper;  // "A4" or "Letter"
    double radius = 0;
    double hole = 0;
    QJsonArray centres;
};

QJsonObject sheetObject(const QString& maker, const QString& product, const Disc& disc) {
    return {{"maker", maker}, {"product", product}, {"paper", disc.paper},
            {"outer", 2 * disc.radius}, {"hole", 2 * disc.hole}, {"centres", disc.centres}};
}

// The disc label and its layouts inside a <Template>; the reader stands on
// its start.
std::optional<Disc> readTemplate(QXmlStreamReader& xml, const QString& paper) {
    std::optional<Disc> disc;
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Label-cd")) {
            xml.skipCurrentElement();
            continue;
        }
        Disc found;
        found.paper = paper;
        found.radius = millimetres(xml.attributes().value("radius").toString());
        found.hole = millimetres(xml.attributes().value("hole").toString());
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("Layout")) {
                const auto at = xml.attributes();
                const int across = at.value("nx").toInt(), down = at.value("ny").toInt();
                const double x0 = millimetres(at.value("x0").toString());
                const double y0 = millimetres(at.value("y0").toString());
                const double dx = millimetres(at.value("dx").toString());
                const double dy = millimetres(at.value("dy").toString());
                for (int i = 0; i < across && i < 10; ++i)
                    for (int j = 0; j < down && j < 10; ++j)
                        found.centres.append(QJsonArray{x0 + i * dx + found.radius,
                                                        y0 + j * dy + found.radius});
            }
            xml.skipCurrentElement();
        }
        if (!disc) disc = found;
    }
    return disc;
}

}  // namespace

QByteArray ParseLabelTemplatesHere(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    QMap<QString, Disc> discs;  // by brand and part, for the equivalents
    QJsonArray sheets;
    if (!xml.readNextStartElement()) return QJsonDocument(sheets).toJson();
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Template")) {
            xml.skipCurrentElement();
            continue;
        }
        const auto at = xml.attributes();
        const QString brand = at.value("brand").toString().simplified();
        const QString part = at.value("part").toString().simplified();
        const QString size = at.value("size").toString();
        const QString equivalent = at.value("equiv").toString().simplified();
        const QString paper = size == QLatin1String("A4")          ? QStringLiteral("A4")
                              : size == QLatin1String("US-Letter") ? QStringLiteral("Letter")
                                                                   : QString();
        std::optional<Disc> disc;
        if (!equivalent.isEmpty() && discs.contains(brand + QLatin1Char(' ') + equivalent)) {
            disc = discs.value(brand + QLatin1Char(' ') + equivalent);
            xml.skipCurrentElement();
        } else {
            disc = readTemplate(xml, paper);
        }
        const double diameter = disc ? 2 * disc->radius : 0;
        if (!disc || disc->paper.isEmpty() || brand.isEmpty() || part.isEmpty() ||
            disc->centres.isEmpty() || diameter < LeastSheetDiscMm || diameter > LargestSheetDiscMm)
            continue;
        discs.insert(brand + QLatin1Char(' ') + part, *disc);
        sheets.append(sheetObject(brand, part, *disc));
    }
    return QJsonDocument(sheets).toJson(QJsonDocument::Compact);
}

std::vector<LabelSheet> DecodeTemplateSheets(const QByteArray& reply, const QString& file) {
    std::vector<LabelSheet> sheets;
    for (const QJsonValue& value : QJsonDocument::fromJson(reply).array()) {
        const QJsonObject sheet = value.toObject();
        std::vector<QPointF> centres;
        for (const QJsonValue& centre : sheet.value("centres").toArray())
            centres.emplace_back(centre.toArray().at(0).toDouble(), centre.toArray().at(1).toDouble());
        sheets.push_back({sheet.value("maker").toString(), sheet.value("product").toString(),
                          sheet.value("paper").toString() == QLatin1String("A4") ? QPageSize::A4
                                                                                  : QPageSize::Letter,
                          centres, sheet.value("outer").toDouble(), sheet.value("hole").toDouble(),
                          QCoreApplication::translate("Cases", "the label designer's template %1")
                              .arg(QDir::toNativeSeparators(file))});
    }
    return sheets;
}

std::vector<LabelSheet> InstalledTemplateSheets() {
    QStringList folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                    QStringLiteral("libglabels-3.0/templates"),
                                                    QStandardPaths::LocateDirectory);
    folders += QStandardPaths::locateAll(QStandardPaths::GenericConfigLocation,
                                         QStringLiteral("libglabels/templates"),
                                         QStandardPaths::LocateDirectory);
    std::vector<LabelSheet> sheets;
    for (const QString& folder : folders) {
        for (const QFileInfo& file :
             QDir(folder).entryInfoList({QStringLiteral("*.xml"), QStringLiteral("*.template")},
                                        QDir::Files, QDir::Name)) {
            try {
                InputFile input(file.filePath(),
                                {QT_TRANSLATE_NOOP("InputFile", "a label template"), LargestTemplate});
                HelperJob job;
                job.kind = HelperJobKind::LabelTemplates;
                job.fileName = file.fileName();
                job.bytes = input.readWhole();
                const HelperReply reply = ProgramDecodeHelper().run(job, TemplateDeadline);
                for (LabelSheet& sheet : DecodeTemplateSheets(reply.data, file.filePath()))
                    sheets.push_back(std::move(sheet));
            } catch (const SleevixError&) {
                // A template that cannot be read offers no sheet; the rest still do.
            }
        }
    }
    return sheets;
}
