// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/document_format.h"

#include <cmath>
#include <limits>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "render/cover_value.h"
#include "base/sleevix_error.h"
#include "pictures/picture_loader.h"

namespace {

const QString LeftLayout = QStringLiteral("left");
const QString CentredLayout = QStringLiteral("centred");
const QString SolidBrush = QStringLiteral("solid");
const QString ClearBrush = QStringLiteral("clear");

[[noreturn]] void refuse(const QString& reason) {
    throw SleevixError(reason);
}

// ---- writing ----

QString colourText(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QJsonValue pictureValue(const PictureEntry& picture, const QDir& folder) {
    if (!picture.png.isEmpty())
        return QJsonObject{{"png", QString::fromLatin1(picture.png.toBase64())}};
    if (!picture.isSet()) return QJsonValue::Null;
    const QString relative = folder.relativeFilePath(picture.path);
    const bool inside = !QDir::isAbsolutePath(relative) && relative != QLatin1String("..") &&
                        !relative.startsWith(QLatin1String("../"));
    return inside ? relative : QDir::cleanPath(picture.path);
}

const QStringList FitWords = {QStringLiteral("stretch"), QStringLiteral("fill"),
                              QStringLiteral("fit")};

// How the picture lies, beside it; a stretched picture writes nothing, as
// every document before framing.
void insertFrame(QJsonObject& insert, const PictureFrame& frame) {
    const PictureFrame usual;
    if (frame.fit != usual.fit) insert.insert("fit", FitWords[int(frame.fit)]);
    if (frame.zoomPercent != usual.zoomPercent) insert.insert("zoom", frame.zoomPercent);
    if (frame.offsetMm != usual.offsetMm)
        insert.insert("offset", QJsonArray{frame.offsetMm.x(), frame.offsetMm.y()});
    if (frame.turn != usual.turn) insert.insert("turn", frame.turn);
    if (frame.mirror != usual.mirror) insert.insert("mirror", frame.mirror);
    if (frame.background != usual.background)
        insert.insert("background", colourText(frame.background));
}

QJsonObject insertObject(const InsertLook& look, const QDir& folder) {
    QJsonObject insert{{"typeface", look.typeface},
                       {"color", colourText(look.color)},
                       {"picture", pictureValue(look.picture, folder)}};
    insertFrame(insert, look.frame);
    return insert;
}

QString brushText(BrushStyle style) {
    return style == BrushStyle::Solid ? SolidBrush : ClearBrush;
}

QJsonObject brushesObject(const SurfaceBrushes& brushes) {
    return QJsonObject{{"brush", brushText(brushes.current)},
                       {"savedBrush", brushText(brushes.saved)}};
}

QJsonObject surfacesObject(const SurfaceStyles& styles) {
    QJsonObject back = brushesObject(styles.back);
    back.insert("pen", colourText(styles.backPen));
    QJsonObject front = brushesObject(styles.front);
    front.insert("pen", colourText(styles.frontPen));
    return QJsonObject{{"back", back},
                       {"leftSpine", brushesObject(styles.leftSpine)},
                       {"rightSpine", brushesObject(styles.rightSpine)},
                       {"front", front}};
}

// ---- reading ----

// The fields of one JSON object, each read with its type checked; a key
// left out takes the fallback given. Messages name the key as a path from
// the top ("back.color").
class Fields {
  public:
    Fields(QJsonObject object, QString where)
        : object_(std::move(object)), where_(std::move(where)) {}

    QString text(const char* key, const QString& fallback = QString()) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) return fallback;
        if (!value.isString()) wrong(key, QCoreApplication::translate("DocumentFormat", "a text"));
        return checkedText(value.toString(), quotedName(key));
    }

    bool flag(const char* key, bool fallback) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) return fallback;
        if (!value.isBool())
            wrong(key, QCoreApplication::translate("DocumentFormat", "true or false"));
        return value.toBool();
    }

    QColor colour(const char* key, const QColor& fallback) const {
        static const QRegularExpression rgb(QStringLiteral("\\A#[0-9A-Fa-f]{6}\\z"));
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) return fallback;
        if (!value.isString() || !rgb.match(value.toString()).hasMatch())
            wrong(key,
                  QCoreApplication::translate("DocumentFormat", "a colour written \"#rrggbb\""));
        return QColor(value.toString());
    }

    // One of the given words.
    QString word(const char* key, const QStringList& words, const QString& fallback) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) return fallback;
        if (!value.isString() || !words.contains(value.toString()))
            wrong(key, QLatin1Char('"') +
                           words.join(QCoreApplication::translate("DocumentFormat", "\" or \"")) +
                           QLatin1Char('"'));
        return value.toString();
    }

    Fields object(const char* key) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined()) return Fields(QJsonObject(), name(key));
        if (!value.isObject())
            wrong(key, QCoreApplication::translate("DocumentFormat", "an object"));
        return Fields(value.toObject(), name(key));
    }

    QJsonValue value(const char* key) const { return object_.value(QLatin1String(key)); }

    QString quotedName(const char* key) const {
        return QLatin1Char('"') + name(key) + QLatin1Char('"');
    }

    QString name(const char* key) const {
        const QString own = QString::fromLatin1(key);
        return where_.isEmpty() ? own : where_ + QLatin1Char('.') + own;
    }

    [[noreturn]] void wrong(const char* key, const QString& expected) const {
        refuse(QCoreApplication::translate("DocumentFormat", "%1 must be %2")
                   .arg(quotedName(key), expected));
    }

    // A text as the cover may hold it: no NUL (no field can hold one) and
    // no broken UTF-16 from a lone surrogate escape.
    static QString checkedText(const QString& text, const QString& what) {
        if (text.contains(QChar(0)))
            refuse(QCoreApplication::translate("DocumentFormat", "%1 holds a NUL character")
                       .arg(what));
        if (!QStringView(text).isValidUtf16())
            refuse(QCoreApplication::translate("DocumentFormat",
                                               "%1 holds text that is not valid Unicode")
                       .arg(what));
        return text;
    }

  private:
    QJsonObject object_;
    QString where_;
};

QStringList readTracks(const Fields& top) {
    const QJsonValue value = top.value("tracks");
    if (value.isUndefined()) return {};
    if (!value.isArray())
        top.wrong("tracks", QCoreApplication::translate("DocumentFormat", "a list of texts"));
    const QJsonArray entries = value.toArray();
    if (entries.size() > MaxTracks)
        refuse(QCoreApplication::translate("DocumentFormat",
                                           "\"tracks\" holds %1 tracks; a cover holds at most %2")
                   .arg(entries.size())
                   .arg(MaxTracks));
    QStringList tracks;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString what =
            QCoreApplication::translate("DocumentFormat", "track %1 of \"tracks\"").arg(i + 1);
        if (!entries[i].isString())
            refuse(QCoreApplication::translate("DocumentFormat", "%1 must be %2")
                       .arg(what, QCoreApplication::translate("DocumentFormat", "a text")));
        tracks << Fields::checkedText(entries[i].toString(), what);
    }
    return tracks;
}

// A picture the document carries: a PNG file in base64, readable within
// the picture limits.
PictureEntry readCarriedPicture(const Fields& picture) {
    const QString what = picture.quotedName("png");
    const QByteArray::FromBase64Result png = QByteArray::fromBase64Encoding(
        picture.text("png").toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!png || png.decoded.isEmpty())
        picture.wrong("png", QCoreApplication::translate("DocumentFormat", "a PNG file in base64"));
    try {
        DecodePictureBytes(QStringLiteral("picture.png"), png.decoded, QSize());
    } catch (const SleevixError& error) {
        refuse(QCoreApplication::translate("DocumentFormat",
                                           "%1 holds no picture that can be shown (%2)")
                   .arg(what, error.message()));
    }
    return PictureEntry{QString(), png.decoded};
}

PictureEntry readPicture(const Fields& insert, const QDir& folder) {
    const QJsonValue value = insert.value("picture");
    if (value.isUndefined() || value.isNull()) return {};
    if (value.isObject()) return readCarriedPicture(insert.object("picture"));
    if (!value.isString())
        insert.wrong("picture",
                     QCoreApplication::translate(
                         "DocumentFormat", "a file path or null, or an object carrying a picture"));
    const QString stored = Fields::checkedText(value.toString(), insert.quotedName("picture"));
    if (stored.isEmpty()) return {};
    return PictureEntry{QDir::cleanPath(folder.absoluteFilePath(stored)), QByteArray()};
}

double readNumber(const Fields& insert, const char* key, double fallback, double least,
                  double most, const QString& saying) {
    const QJsonValue value = insert.value(key);
    if (value.isUndefined()) return fallback;
    const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || !(number >= least && number <= most)) insert.wrong(key, saying);
    return number;
}

PictureFrame readFrame(const Fields& insert) {
    PictureFrame frame;
    frame.fit = PictureFit(FitWords.indexOf(insert.word("fit", FitWords, FitWords[0])));
    frame.zoomPercent = readNumber(
        insert, "zoom", frame.zoomPercent, LeastZoomPercent, MostZoomPercent,
        QCoreApplication::translate("DocumentFormat", "a percentage from 100 to 800"));
    const QJsonValue offset = insert.value("offset");
    if (!offset.isUndefined()) {
        const QJsonArray pair = offset.toArray();
        constexpr double FarthestMm = 1000;
        if (!offset.isArray() || pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble() ||
            std::abs(pair[0].toDouble()) > FarthestMm || std::abs(pair[1].toDouble()) > FarthestMm)
            insert.wrong("offset", QCoreApplication::translate(
                                       "DocumentFormat", "two numbers of millimetres, across and down"));
        frame.offsetMm = QPointF(pair[0].toDouble(), pair[1].toDouble());
    }
    const double turn = readNumber(insert, "turn", 0, 0, 270,
                                   QCoreApplication::translate("DocumentFormat", "0, 90, 180 or 270"));
    if (int(turn) != turn || int(turn) % 90 != 0)
        insert.wrong("turn", QCoreApplication::translate("DocumentFormat", "0, 90, 180 or 270"));
    frame.turn = int(turn);
    frame.mirror = insert.flag("mirror", frame.mirror);
    frame.background = insert.colour("background", frame.background);
    return frame;
}

InsertLook readInsert(const Fields& insert, const QDir& folder) {
    InsertLook look;
    look.typeface = insert.text("typeface");
    look.color = insert.colour("color", look.color);
    look.picture = readPicture(insert, folder);
    look.frame = readFrame(insert);
    return look;
}

BrushStyle readBrush(const Fields& surface, const char* key, BrushStyle fallback) {
    const QString word = surface.word(key, {SolidBrush, ClearBrush}, brushText(fallback));
    return word == SolidBrush ? BrushStyle::Solid : BrushStyle::Clear;
}

SurfaceBrushes readBrushes(const Fields& surface, const SurfaceBrushes& usual) {
    return SurfaceBrushes{readBrush(surface, "brush", usual.current),
                          readBrush(surface, "savedBrush", usual.saved)};
}

SurfaceStyles readSurfaces(const Fields& surfaces, const SurfaceStyles& usual) {
    const Fields back = surfaces.object("back");
    const Fields front = surfaces.object("front");
    SurfaceStyles styles;
    styles.back = readBrushes(back, usual.back);
    styles.leftSpine = readBrushes(surfaces.object("leftSpine"), usual.leftSpine);
    styles.rightSpine = readBrushes(surfaces.object("rightSpine"), usual.rightSpine);
    styles.front = readBrushes(front, usual.front);
    styles.backPen = back.colour("pen", usual.backPen);
    styles.frontPen = front.colour("pen", usual.frontPen);
    return styles;
}

CaseChoice readCaseChoice(const Fields& top) {
    QStringList kinds;
    for (CaseKind kind : AllCaseKinds) kinds << CaseKindName(kind);
    CaseChoice choice;
    choice.kind = *CaseKindNamed(top.word("case", kinds, CaseKindName(choice.kind)));
    const QJsonValue hole = top.value("hole");
    if (!hole.isUndefined()) {
        if (hole != QJsonValue(int(DiscHole::Standard)) && hole != QJsonValue(int(DiscHole::FullFace)))
            top.wrong("hole", QCoreApplication::translate("DocumentFormat", "41 or 17 (millimetres)"));
        choice.hole = DiscHole(hole.toInt());
    }
    choice.discTrackList = top.flag("discTrackList", choice.discTrackList);
    const QString discText = top.word("discText", {QStringLiteral("straight"), QStringLiteral("arcs")},
                                      QStringLiteral("straight"));
    choice.discArcs = discText == QLatin1String("arcs");
    return choice;
}

// A disc label's sheet by its maker and product; none for plain paper.
const LabelSheet* readLabelSheet(const Fields& top) {
    const QJsonValue name = top.value("sheet");
    if (name.isUndefined()) return nullptr;
    const LabelSheet* sheet = LabelSheetNamed(name.toString());
    if (!sheet)
        top.wrong("sheet", QCoreApplication::translate(
                               "DocumentFormat", "a label sheet's maker and product, such as \"%1\"")
                               .arg(QStringLiteral("Avery L6015")));
    return sheet;
}

void checkFormatAndVersion(const Fields& top) {
    if (top.value("format").toString() != QLatin1String(CoverFormatName))
        refuse(QCoreApplication::translate(
                   "DocumentFormat", "it is not a Sleevix cover (its \"format\" is not \"%1\")")
                   .arg(QLatin1String(CoverFormatName)));
    const QJsonValue version = top.value("version");
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number != double(qint64(number)))
        top.wrong("version", QCoreApplication::translate("DocumentFormat", "a whole number"));
    if (number != CoverFormatVersion)
        refuse(QCoreApplication::translate(
                   "DocumentFormat",
                   "it is a cover of format version %1; this Sleevix reads version %2")
                   .arg(qint64(number))
                   .arg(CoverFormatVersion));
}

}  // namespace

QByteArray CoverToJson(const CoverDocument& cover, const QDir& folder) {
    QJsonArray tracks;
    for (const QString& track : cover.tracks) tracks.append(track);
    QJsonObject top{
        {"format", QLatin1String(CoverFormatName)},
        {"version", CoverFormatVersion},
        {"tracks", tracks},
        {"artist", cover.artist},
        {"title", cover.title},
        {"committed", cover.committed},
        {"layout", cover.layout == CoverLayout::Centred ? CentredLayout : LeftLayout},
        {"back", insertObject(cover.back, folder)},
        {"front", insertObject(cover.front, folder)},
        {"outlines", QJsonObject{{"fold", cover.outlines.fold},
                                 {"back", cover.outlines.back},
                                 {"front", cover.outlines.front},
                                 {"color", colourText(cover.outlines.color)}}},
        {"noFrontText", cover.noFrontText},
        {"turnSpinesOtherWay", cover.turnSpinesOtherWay},
    };
    // Written for the other kinds only, so a jewel case's document reads as
    // it always did.
    if (cover.caseChoice.kind != CaseKind::Jewel)
        top.insert("case", CaseKindName(cover.caseChoice.kind));
    if (cover.caseChoice.kind == CaseKind::Disc) {
        top.insert("hole", int(cover.caseChoice.hole));
        top.insert("discTrackList", cover.caseChoice.discTrackList);
        top.insert("discText", QLatin1String(cover.caseChoice.discArcs ? "arcs" : "straight"));
        if (cover.labelSheet) top.insert("sheet", LabelSheetName(*cover.labelSheet));
    }
    // Written only where the commands left something unusual, so a cover a
    // tool writes and one saved here read alike.
    if (!(cover.surfaces == UsualSurfaceStyles(cover)))
        top.insert("surfaces", surfacesObject(cover.surfaces));
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

CoverDocument CoverFromJson(const QByteArray& json, const QDir& folder) {
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        refuse(QCoreApplication::translate("DocumentFormat", "it is not valid JSON (%1 at byte %2)")
                   .arg(error.errorString())
                   .arg(error.offset));
    if (!parsed.isObject())
        refuse(QCoreApplication::translate("DocumentFormat",
                                           "it is not a Sleevix cover (no JSON object)"));
    const Fields top(parsed.object(), QString());
    checkFormatAndVersion(top);

    CoverDocument cover;
    cover.tracks = readTracks(top);
    cover.artist = top.text("artist");
    cover.title = top.text("title");
    // Another program's cover that lists tracks is meant to be printed.
    cover.committed = top.flag("committed", !cover.tracks.isEmpty());
    cover.layout = top.word("layout", {LeftLayout, CentredLayout}, LeftLayout) == CentredLayout
                       ? CoverLayout::Centred
                       : CoverLayout::Left;
    cover.back = readInsert(top.object("back"), folder);
    cover.front = readInsert(top.object("front"), folder);
    const Fields outlines = top.object("outlines");
    cover.outlines.fold = outlines.flag("fold", cover.outlines.fold);
    cover.outlines.back = outlines.flag("back", cover.outlines.back);
    cover.outlines.front = outlines.flag("front", cover.outlines.front);
    cover.outlines.color = outlines.colour("color", cover.outlines.color);
    cover.noFrontText = top.flag("noFrontText", cover.noFrontText);
    cover.turnSpinesOtherWay = top.flag("turnSpinesOtherWay", cover.turnSpinesOtherWay);
    cover.surfaces = readSurfaces(top.object("surfaces"), UsualSurfaceStyles(cover));
    cover.caseChoice = readCaseChoice(top);
    cover.labelSheet = readLabelSheet(top);
    return cover;
}
