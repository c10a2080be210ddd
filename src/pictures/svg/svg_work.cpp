// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg/svg_work.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// Far beyond any budget, and small enough that sums of it never overflow.
constexpr long long Endless = 1LL << 50;
// References nest a few levels in real drawings; a longer chain is weighed
// as endless rather than followed down the stack.
constexpr int MaxReferenceDepth = 64;

long long capped(long long work) {
    return std::min(work, Endless);
}

// A count of references times what each draws, endless past the budget.
long long times(long long count, long long each) {
    return each > 0 && count > Endless / each ? Endless : capped(count * each);
}

// Numbers in path data or a point list: two make a point, and a segment
// of a path needs at least one. Counting them is cheaper than parsing and
// never counts less than the renderer will draw.
long long pointsIn(QStringView data) {
    long long numbers = 0;
    bool inNumber = false;
    for (const QChar c : data) {
        const bool digit = c.isDigit();
        if (digit && !inNumber) ++numbers;
        inNumber = digit || c == QLatin1Char('.');
    }
    return (numbers + 1) / 2;
}

// The properties that name what an element draws again, and those that
// make the renderer composite it as a layer of its own.
constexpr const char* ReferringProperties[] = {"filter", "mask", "clip-path", "fill",
                                               "stroke", "marker-start", "marker-mid",
                                               "marker-end", "marker"};
constexpr const char* LayerProperties[] = {"filter", "mask", "clip-path", "opacity",
                                           "mix-blend-mode"};

bool isMarker(QStringView property) {
    return property.startsWith(QLatin1String("marker"));
}

// What leaves a layer property without effect: drawing programs write
// full opacity and normal blending on every element.
bool isInert(QStringView property, QStringView value) {
    value = value.trimmed();
    if (value == QLatin1String("none")) return true;
    if (property == QLatin1String("mix-blend-mode")) return value == QLatin1String("normal");
    if (property != QLatin1String("opacity")) return false;
    bool number = false;
    const double opacity = value.endsWith(u'%') ? value.chopped(1).toDouble(&number) / 100
                                                : value.toDouble(&number);
    return number && opacity >= 1;
}

bool isLayer(QStringView property, QStringView value) {
    if (isInert(property, value)) return false;
    for (const char* layer : LayerProperties)
        if (property == QLatin1String(layer)) return true;
    return false;
}

bool refers(QStringView property) {
    for (const char* referring : ReferringProperties)
        if (property == QLatin1String(referring)) return true;
    return false;
}

// The ids a property's value names as url(#id).
std::vector<QString> urlTargets(QStringView value) {
    std::vector<QString> targets;
    for (qsizetype at = value.indexOf(QLatin1String("url(")); at >= 0;
         at = value.indexOf(QLatin1String("url("), at + 4)) {
        QStringView rest = value.mid(at + 4).trimmed();
        if (rest.startsWith(u'\'') || rest.startsWith(u'"')) rest = rest.mid(1);
        if (!rest.startsWith(u'#')) continue;
        qsizetype stop = 1;
        while (stop < rest.size() && !QStringLiteral(")'\" ").contains(rest[stop])) ++stop;
        targets.push_back(rest.mid(1, stop - 1).toString());
    }
    return targets;
}

// Each `property: value` of a style attribute or a style sheet's rules.
template <typename Visit>
void forEachDeclaration(QStringView style, Visit visit) {
    for (QStringView declaration : style.tokenize(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        if (colon < 0) continue;
        QStringView property = declaration.left(colon).trimmed();
        // A rule's selector stands before its first declaration.
        if (const qsizetype brace = property.lastIndexOf(u'{'); brace >= 0)
            property = property.mid(brace + 1).trimmed();
        visit(property, declaration.mid(colon + 1).trimmed());
    }
}

// Each property an element sets, as an attribute or in its style.
template <typename Visit>
void forEachProperty(const QXmlStreamReader& xml, Visit visit) {
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        if (attribute.name() == QLatin1String("style"))
            forEachDeclaration(attribute.value(), visit);
        else
            visit(attribute.name(), attribute.value());
    }
}

// Each filter step's own work for a pixel of its region, by its kind (the
// rest cost about as much as laying down a layer), in tenths of a unit:
// at or above the figures measured (see SvgPixelWorkPerUnit).
constexpr double LightingPixelWork = 220;
constexpr double OctavePixelWork = 200;
constexpr double TapPixelWork = 20;
constexpr double OtherStepPixelWork = 10;
// A morphology step, for each device pixel of its radius.
constexpr double RadiusPixelWork = 900;
// Each step's result, on a surface as large as the whole drawing; a blur
// makes several.
constexpr long long StepSurfacePixelWork = 2;
constexpr long long BlurSurfacePixelWork = 8;

}  // namespace

std::pair<double, double> SvgNumberPair(QStringView value, double fallback) {
    const auto parts = value.split(QRegularExpression(QStringLiteral("[\\s,]+")),
                                   Qt::SkipEmptyParts);
    bool ok = false;
    const double first = parts.isEmpty() ? fallback : parts[0].toDouble(&ok);
    const double x = ok && std::isfinite(first) ? std::abs(first) : fallback;
    ok = false;
    const double second = parts.size() < 2 ? x : parts[1].toDouble(&ok);
    return {x, parts.size() < 2 ? x : ok && std::isfinite(second) ? std::abs(second) : fallback};
}

namespace {

double filterStepWork(const QXmlStreamReader& xml) {
    const QStringView name = xml.name();
    if (!name.startsWith(QLatin1String("fe")) || name.startsWith(QLatin1String("feFunc")) ||
        name.endsWith(QLatin1String("Light")) || name == QLatin1String("feMergeNode"))
        return 0;
    const QXmlStreamAttributes attributes = xml.attributes();
    if (name == QLatin1String("feGaussianBlur") || name == QLatin1String("feDropShadow"))
        return double(SvgBlurPixelWork);
    if (name.endsWith(QLatin1String("Lighting"))) return LightingPixelWork;
    if (name == QLatin1String("feTurbulence"))
        return OctavePixelWork * std::min(1e6, SvgNumberPair(attributes.value("numOctaves"), 1).first);
    if (name == QLatin1String("feConvolveMatrix")) {
        const auto [x, y] = SvgNumberPair(attributes.value("order"), 3);
        return TapPixelWork * std::min(1e6, x * y);
    }
    return OtherStepPixelWork;
}

// A step's work over the whole area, beside its own over its region.
long long filterStepSurfaceWork(const QXmlStreamReader& xml) {
    if (filterStepWork(xml) <= 0) return 0;
    const QStringView name = xml.name();
    return name == QLatin1String("feGaussianBlur") || name == QLatin1String("feDropShadow")
               ? BlurSurfacePixelWork
               : StepSurfacePixelWork;
}

// The part of a step's work that grows with the scale it is drawn at.
double scaledFilterStepWork(const QXmlStreamReader& xml) {
    if (xml.name() != QLatin1String("feMorphology")) return 0;
    const auto [x, y] = SvgNumberPair(xml.attributes().value("radius"), 0);
    return RadiusPixelWork * std::min(1e6, x + y);
}

// Elements drawn only where something refers to them.
bool isDefinition(QStringView name) {
    for (const char* definition : {"defs", "filter", "mask", "clipPath", "pattern", "marker",
                                   "symbol"})
        if (name == QLatin1String(definition)) return true;
    return name.endsWith(QLatin1String("Gradient"));
}

// A length of a filter's region in units of the element's bounds: a
// fraction or a percentage.
double boundsFraction(QStringView value, double fallback) {
    value = value.trimmed();
    bool number = false;
    const double fraction = value.endsWith(u'%') ? value.chopped(1).toDouble(&number) / 100
                                                 : value.toDouble(&number);
    return number && std::isfinite(fraction) ? fraction : fallback;
}

// A filter's region around the element's bounds (by default a tenth more
// on each side), or empty when it is given in the drawing's own units.
QRectF filterRegion(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    if (attributes.value("filterUnits").trimmed() == QLatin1String("userSpaceOnUse"))
        return QRectF();
    return QRectF(boundsFraction(attributes.value("x"), -0.1),
                  boundsFraction(attributes.value("y"), -0.1),
                  std::abs(boundsFraction(attributes.value("width"), 1.2)),
                  std::abs(boundsFraction(attributes.value("height"), 1.2)));
}

// The id a `use` (or a filter's image, a pattern's template) draws again:
// only references within the drawing are drawn.
QString referencedId(const QXmlStreamReader& xml) {
    for (const QXmlStreamAttribute& attribute : xml.attributes())
        if (attribute.name() == QLatin1String("href") && attribute.value().startsWith(u'#'))
            return attribute.value().mid(1).toString();
    return QString();
}

// The points of a path, polygon or polyline: its segments.
long long shapePoints(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    if (xml.name() == QLatin1String("path")) return pointsIn(attributes.value("d"));
    if (xml.name() == QLatin1String("polygon") || xml.name() == QLatin1String("polyline"))
        return pointsIn(attributes.value("points"));
    return 0;
}

// The points of a shape, where a marker is drawn at each.
long long vertices(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    return std::max(2LL, pointsIn(attributes.value("d")) + pointsIn(attributes.value("points")));
}

}  // namespace

// The tally of one element itself, before its children.
long long SvgWorkTally::ownWork(const QXmlStreamReader& xml, long long points) const {
    if (measure_ != Measure::Work) {
        const double perPixel = measure_ == Measure::PixelWork ? filterStepWork(xml)
                                                               : scaledFilterStepWork(xml);
        // A group with any number of layer properties is one layer; a
        // filter function is a filter of one blur over the whole area.
        bool layered = false, function = false, masked = false, filterNamed = false;
        forEachProperty(xml, [&](QStringView property, QStringView value) {
            if (!isLayer(property, value)) return;
            layered = true;
            const bool filter = property == QLatin1String("filter");
            const bool named = value.contains(QLatin1String("url("));
            function = function || (filter && !named);
            filterNamed = filterNamed || (filter && named);
            masked = masked || property == QLatin1String("mask");
        });
        if (measure_ == Measure::ScaledPixelWork) return (long long)std::ceil(perPixel);
        const bool filtered = layered && filterNamed;
        return (long long)std::ceil(perPixel) + filterStepSurfaceWork(xml) +
               (layered ? SvgLayerPixelWork : 0) + (masked ? SvgMaskPixelWork : 0) +
               (filtered || function ? SvgFilterPixelWork : 0) +
               (function ? BlurSurfacePixelWork + SvgBlurPixelWork : 0);
    }
    return 1 + points;
}

void SvgWorkTally::addSheet(QStringView sheet) {
    forEachDeclaration(sheet, [&](QStringView property, QStringView value) {
        if (measure_ == Measure::PixelWork && isLayer(property, value))
            sheetLayers_ = SvgLayerPixelWork + SvgMaskPixelWork + SvgFilterPixelWork +
                           BlurSurfacePixelWork + SvgBlurPixelWork;
        if (!refers(property)) return;
        QHash<QString, long long>& uses = isMarker(property) ? sheetMarkerUses_ : sheetUses_;
        for (const QString& target : urlTargets(value)) {
            uses[target] = capped(uses.value(target) + 1);
            referenced_.insert(target);
        }
    });
}

QStringList SvgWorkTally::openIds() const {
    QStringList ids;
    for (const Open& element : open_)
        if (!element.id.isEmpty()) ids.append(element.id);
    return ids;
}

std::vector<SvgWorkTally::RegionalFilter> SvgWorkTally::regionalFilters() const {
    std::vector<RegionalFilter> regional;
    if (measure_ != Measure::PixelWork || total() >= Endless) return regional;
    for (const auto& [element, filtered] : filtered_) {
        // One a reference may draw again stays weighed over the whole area.
        const bool again = referenced_.contains(element) ||
                           std::any_of(filtered.within.cbegin(), filtered.within.cend(),
                                       [&](const QString& outer) { return referenced_.contains(outer); });
        const long long work = filterStepWork_.value(filtered.filter);
        if (!again && work > 0)
            regional.push_back({element, filterRegions_.value(filtered.filter), work});
    }
    return regional;
}

void SvgWorkTally::add(const QXmlStreamReader& xml) {
    if (xml.isStartElement()) {
        Open element;
        element.id = xml.attributes().value("id").toString();
        // Path data may be long: its points are counted once, and only
        // where they weigh.
        const long long points = measure_ == Measure::Work ? shapePoints(xml) : 0;
        const long long shapeVertices = vertices(xml);
        element.work = ownWork(xml, points);
        element.styleSheet = xml.name() == QLatin1String("style");
        element.definition = open_.back().definition || isDefinition(xml.name());
        direct_ = capped(direct_ + element.work);
        // One path of too many points is refused however few it is drawn.
        if (1 + times(points, SvgSegmentWork) > SvgWorkBudget) direct_ = Endless;
        elements_ = capped(elements_ + 1);
        vertices_ = capped(vertices_ + shapeVertices);
        // What it draws again: a `use`'s (or any) reference within the
        // drawing, and what its properties name.
        const QString target = referencedId(xml);
        if (!target.isEmpty()) element.uses[target] = 1;
        forEachProperty(xml, [&](QStringView property, QStringView value) {
            if (!refers(property)) return;
            const long long times = isMarker(property) ? shapeVertices : 1;
            for (const QString& named : urlTargets(value)) {
                element.uses[named] = capped(element.uses.value(named) + times);
                if (property == QLatin1String("filter") && !element.id.isEmpty() &&
                    !element.definition)
                    filtered_.push_back({element.id, {named, openIds()}});
            }
        });
        for (auto use = element.uses.cbegin(); use != element.uses.cend(); ++use)
            referenced_.insert(use.key());
        if (xml.name() == QLatin1String("filter")) {
            readFilter_ = element.id;
            if (!element.id.isEmpty()) filterRegions_.insert(element.id, filterRegion(xml));
        }
        if (measure_ == Measure::PixelWork && !readFilter_.isEmpty())
            filterStepWork_[readFilter_] = capped(filterStepWork_.value(readFilter_) +
                                                  (long long)std::ceil(filterStepWork(xml)));
        open_.push_back(std::move(element));
    } else if (xml.isCharacters() && !xml.isWhitespace()) {
        if (open_.back().styleSheet) addSheet(xml.text());
        if (measure_ != Measure::Work) return;
        const long long glyphs = xml.text().size();
        open_.back().work = capped(open_.back().work + glyphs);
        direct_ = capped(direct_ + glyphs);
    } else if (xml.isEndElement() && open_.size() > 1) {
        if (xml.name() == QLatin1String("filter")) readFilter_.clear();
        Open element = std::move(open_.back());
        open_.pop_back();
        Open& parent = open_.back();
        // A definition is composited only where it is referenced.
        if (measure_ == Measure::Work || !isDefinition(xml.name())) {
            parent.work = capped(parent.work + element.work);
            for (auto use = element.uses.cbegin(); use != element.uses.cend(); ++use)
                parent.uses[use.key()] = capped(parent.uses.value(use.key()) + use.value());
        }
        // A gradient is paint: referring to it draws nothing again.
        const bool paint = xml.name().endsWith(QLatin1String("Gradient"));
        if (!element.id.isEmpty() && !byId_.contains(element.id))
            byId_.insert(element.id, paint ? Closed() : Closed{element.work, std::move(element.uses)});
    }
}

long long SvgWorkTally::withUses(long long work, const QHash<QString, long long>& uses,
                                 QHash<QString, long long>& weights,
                                 QHash<QString, bool>& resolving, int depth) const {
    for (auto use = uses.cbegin(); use != uses.cend() && work < Endless; ++use) {
        const long long each = resolve(use.key(), weights, resolving, depth);
        work = capped(work + times(use.value(), each));
    }
    return work;
}

long long SvgWorkTally::resolve(const QString& id, QHash<QString, long long>& weights,
                                QHash<QString, bool>& resolving, int depth) const {
    if (depth > MaxReferenceDepth) return Endless;
    if (const auto known = weights.constFind(id); known != weights.cend()) return *known;
    const auto element = byId_.constFind(id);
    if (element == byId_.cend()) return 0;  // the renderer draws nothing for it
    if (resolving.value(id)) return Endless;
    resolving[id] = true;
    const long long work = withUses(element->work, element->uses, weights, resolving, depth + 1);
    resolving[id] = false;
    weights.insert(id, work);
    return work;
}

long long SvgWorkTally::total() const {
    QHash<QString, long long> weights;
    QHash<QString, bool> resolving;
    // The document's own tally, definitions left out, once it is all read.
    long long work = measure_ == Measure::Work || open_.size() > 1 ? direct_ : open_.front().work;
    for (const Open& element : open_) work = withUses(work, element.uses, weights, resolving, 0);
    // A style sheet's references may apply to every element, and a marker
    // at every point.
    const long long sheet = withUses(sheetLayers_, sheetUses_, weights, resolving, 0);
    const long long markers = withUses(0, sheetMarkerUses_, weights, resolving, 0);
    const long long total = capped(capped(work + times(elements_, sheet)) + times(vertices_, markers));
    return measure_ == Measure::Work ? std::min(total, SvgWorkBudget + 1) : total;
}
