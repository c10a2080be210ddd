// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/metafile/metafile_format.h"

#include <cmath>

#include <QCoreApplication>

#include "base/sleevix_error.h"
#include "pictures/metafile/emfplus_records.h"
#include "pictures/metafile/metafile_records.h"

namespace {

constexpr uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableHeaderSize = 22;
constexpr qsizetype WmfHeaderSize = 18;
constexpr int WmfHeaderWords = 9;
constexpr uint16_t WmfEof = 0x0000;
constexpr uint16_t WmfSetWindowOrg = 0x020B;
constexpr uint16_t WmfSetWindowExt = 0x020C;
constexpr int WmfUnitsPerInch = 1440;  // without a placeable header

constexpr uint32_t EmfHeader = 1;
constexpr uint32_t EmfEof = 14;
constexpr uint32_t EmfSignature = 0x464D4520;  // " EMF"
constexpr qsizetype EmfMinimumHeader = 88;
constexpr double HundredthsOfMmPerInch = 2540;
constexpr double ScreenPixelsPerInch = 96;

[[noreturn]] void invalid(const QString& what) {
    // The reason itself is the file format's own vocabulary and stays as it is.
    throw SleevixError(QCoreApplication::translate("Pictures", "Invalid metafile: %1").arg(what));
}

[[noreturn]] void badRecord(std::size_t index, const char* what) {
    invalid(QStringLiteral("record %1 %2").arg(index + 1).arg(QLatin1String(what)));
}

int pixels(double units, double unitsPerInch) {
    return int(std::lround(std::abs(units) * ScreenPixelsPerInch / unitsPerInch));
}

MetafileStructure parseWmf(const ByteView file) {
    MetafileStructure meta;
    meta.kind = MetafileKind::Wmf;
    qsizetype base = 0;
    bool placeable = false;
    QRectF box;
    int inch = 0;
    if (file.has(0, 4) && file.u32(0) == PlaceableKey) {
        if (!file.has(0, PlaceableHeaderSize)) invalid(QStringLiteral("the header is cut short"));
        placeable = true;
        const int left = file.i16(6), top = file.i16(8), right = file.i16(10),
                  bottom = file.i16(12);
        box = QRectF(QPointF(left, top), QPointF(right, bottom));
        inch = file.u16(14);
        if (inch == 0) invalid(QStringLiteral("the header gives no units per inch"));
        base = PlaceableHeaderSize;
    }
    if (!file.has(base, WmfHeaderSize)) invalid(QStringLiteral("the header is cut short"));
    const uint16_t type = file.u16(base);
    if ((type != 1 && type != 2) || file.u16(base + 2) != WmfHeaderWords)
        invalid(QStringLiteral("the header is damaged"));

    QPointF windowOrigin;
    QSizeF windowExtent;
    qsizetype at = base + WmfHeaderSize;
    while (at < file.size()) {
        const std::size_t index = meta.records.size();
        if (!file.has(at, 6)) badRecord(index, "is cut short");
        const qint64 words = file.u32(at);
        if (words < 3) badRecord(index, "has a bad size");
        if (words > (file.size() - at) / 2) badRecord(index, "runs past the end of the file");
        const uint16_t function = file.u16(at + 4);
        const ByteView record = file.sub(at, qsizetype(words * 2));
        meta.records.push_back({function, record});
        if (function == WmfEof) break;
        if (function == WmfSetWindowOrg && record.has(6, 4) && windowExtent.isEmpty())
            windowOrigin = QPointF(record.i16(8), record.i16(6));
        if (function == WmfSetWindowExt && record.has(6, 4) && windowExtent.isEmpty())
            windowExtent = QSizeF(record.i16(8), record.i16(6));
        at += qsizetype(words * 2);
    }

    if (placeable) {
        meta.frame = box;
        meta.naturalSize = QSize(pixels(box.width(), inch), pixels(box.height(), inch));
    } else {
        meta.frame = QRectF(windowOrigin, windowExtent);
        meta.naturalSize = QSize(pixels(windowExtent.width(), WmfUnitsPerInch),
                                 pixels(windowExtent.height(), WmfUnitsPerInch));
    }
    if (meta.naturalSize.isEmpty()) invalid(QStringLiteral("it has no size"));
    return meta;
}

// Whether the EMF+ records draw the picture, and whether anything does.
void surveyDrawing(MetafileStructure& meta) {
    emfplus::Contents plus;
    bool olderDraw = false, anyContent = false;
    for (const MetafileRecord& record : meta.records) {
        if (record.type != EmfHeader && record.type != EmfEof) anyContent = true;
        if (EmfRecordDraws(record.type)) olderDraw = true;
        try {
            if (emfplus::IsEmfPlusComment(record.bytes)) emfplus::Survey(record.bytes, plus);
        } catch (const OutOfBounds&) {
        }
    }
    // A file that carries both kinds is drawn by its EMF+ records, as the
    // program that wrote it drew it, unless they hold a drawing record this
    // player lacks: then its older records show the whole picture.
    meta.drawnByEmfPlus = plus.header && plus.plays && !(plus.dual && plus.unplayed && olderDraw);
    if (anyContent && !olderDraw && !meta.drawnByEmfPlus)
        throw SleevixError(
            QCoreApplication::translate("Pictures", "Metafile holds nothing this program can draw"));
}

MetafileStructure parseEmf(const ByteView file) {
    MetafileStructure meta;
    meta.kind = MetafileKind::Emf;
    if (!file.has(0, EmfMinimumHeader) || file.u32(0) != EmfHeader || file.u32(40) != EmfSignature)
        invalid(QStringLiteral("the header is damaged"));
    const QRectF frame(QPointF(file.i32(24), file.i32(28)), QPointF(file.i32(32), file.i32(36)));
    const double deviceX = file.i32(72), deviceY = file.i32(76);
    const double millimetresX = file.i32(80), millimetresY = file.i32(84);
    if (deviceX > 0 && deviceY > 0 && millimetresX > 0 && millimetresY > 0) {
        meta.devicePixelsPerMmX = deviceX / millimetresX;
        meta.devicePixelsPerMmY = deviceY / millimetresY;
    }
    meta.frame = QRectF(frame.left() * meta.devicePixelsPerMmX / 100,
                        frame.top() * meta.devicePixelsPerMmY / 100,
                        frame.width() * meta.devicePixelsPerMmX / 100,
                        frame.height() * meta.devicePixelsPerMmY / 100);
    meta.naturalSize = QSize(pixels(frame.width(), HundredthsOfMmPerInch),
                             pixels(frame.height(), HundredthsOfMmPerInch));
    if (meta.naturalSize.isEmpty()) invalid(QStringLiteral("it has no size"));

    qsizetype at = 0;
    while (at < file.size()) {
        const std::size_t index = meta.records.size();
        if (!file.has(at, 8)) badRecord(index, "is cut short");
        const uint32_t type = file.u32(at);
        const qint64 size = file.u32(at + 4);
        if (size < 8 || size % 4 != 0) badRecord(index, "has a bad size");
        if (size > file.size() - at) badRecord(index, "runs past the end of the file");
        meta.records.push_back({type, file.sub(at, qsizetype(size))});
        if (type == EmfEof) break;
        at += qsizetype(size);
    }
    surveyDrawing(meta);
    return meta;
}

}  // namespace

MetafileStructure ParseMetafile(const QByteArray& bytes) {
    const ByteView file(bytes);
    try {
        if (file.has(0, 44) && file.u32(0) == EmfHeader && file.u32(40) == EmfSignature)
            return parseEmf(file);
        if (file.has(0, 4) && (file.u32(0) == PlaceableKey || file.u16(0) == 1 || file.u16(0) == 2))
            return parseWmf(file);
    } catch (const OutOfBounds&) {
        invalid(QStringLiteral("the file is cut short"));
    }
    invalid(QStringLiteral("this is neither a Windows metafile nor an enhanced metafile"));
}
