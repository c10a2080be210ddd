// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/svg_work.h"

#include <algorithm>

#include <QXmlStreamReader>

namespace {

constexpr long long Endless = SvgWorkBudget + 1;
// References nest a few levels in real drawings; a longer chain is weighed
// as endless rather than followed down the stack.
constexpr int MaxReferenceDepth = 64;

long long capped(long long work) {
    return std::min(work, Endless);
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

// The work of drawing one element itself, before its children.
long long ownWork(const QXmlStreamReader& xml) {
    const QXmlStreamAttributes attributes = xml.attributes();
    long long work = 1;
    if (xml.name() == QLatin1String("path"))
        work += SvgSegmentWork * pointsIn(attributes.value("d"));
    if (xml.name() == QLatin1String("polygon") || xml.name() == QLatin1String("polyline"))
        work += SvgSegmentWork * pointsIn(attributes.value("points"));
    return work;
}

// The id a `use` draws again: only references within the drawing are drawn.
QString referencedId(const QXmlStreamReader& xml) {
    for (const QXmlStreamAttribute& attribute : xml.attributes())
        if (attribute.name() == QLatin1String("href") && attribute.value().startsWith(u'#'))
            return attribute.value().mid(1).toString();
    return QString();
}

}  // namespace

void SvgWorkTally::add(const QXmlStreamReader& xml) {
    if (xml.isStartElement()) {
        Open element;
        element.id = xml.attributes().value("id").toString();
        element.work = ownWork(xml);
        direct_ = capped(direct_ + element.work);
        if (xml.name() == QLatin1String("use")) {
            const QString target = referencedId(xml);
            if (!target.isEmpty()) element.uses[target] = 1;
        }
        open_.push_back(std::move(element));
    } else if (xml.isCharacters() && !xml.isWhitespace()) {
        const long long glyphs = xml.text().size();
        open_.back().work = capped(open_.back().work + glyphs);
        direct_ = capped(direct_ + glyphs);
    } else if (xml.isEndElement() && open_.size() > 1) {
        Open element = std::move(open_.back());
        open_.pop_back();
        Open& parent = open_.back();
        parent.work = capped(parent.work + element.work);
        for (auto use = element.uses.cbegin(); use != element.uses.cend(); ++use)
            parent.uses[use.key()] = capped(parent.uses.value(use.key()) + use.value());
        if (!element.id.isEmpty() && !byId_.contains(element.id))
            byId_.insert(element.id, Closed{element.work, std::move(element.uses)});
    }
}

long long SvgWorkTally::resolve(const QString& id, QHash<QString, long long>& weights,
                                QHash<QString, bool>& resolving, int depth) const {
    if (depth > MaxReferenceDepth) return Endless;
    if (const auto known = weights.constFind(id); known != weights.cend()) return *known;
    const auto element = byId_.constFind(id);
    if (element == byId_.cend()) return 0;  // the renderer draws nothing for it
    if (resolving.value(id)) return Endless;
    resolving[id] = true;
    long long work = element->work;
    for (auto use = element->uses.cbegin(); use != element->uses.cend() && work < Endless; ++use) {
        const long long each = resolve(use.key(), weights, resolving, depth + 1);
        work =
            each > 0 && use.value() > Endless / each ? Endless : capped(work + use.value() * each);
    }
    resolving[id] = false;
    weights.insert(id, work);
    return work;
}

long long SvgWorkTally::total() const {
    QHash<QString, long long> weights;
    QHash<QString, bool> resolving;
    long long work = direct_;
    for (const Open& element : open_) {
        for (auto use = element.uses.cbegin(); use != element.uses.cend() && work < Endless;
             ++use) {
            const long long each = resolve(use.key(), weights, resolving, 0);
            work = each > 0 && use.value() > Endless / each ? Endless
                                                            : capped(work + use.value() * each);
        }
    }
    return work;
}
