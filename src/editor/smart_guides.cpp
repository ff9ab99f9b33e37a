#include "editor/smart_guides.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vistrelle {

namespace {

// Anchors this close to a candidate line up (the offset applied is exact; this is rounding).
constexpr double sameLine = 0.01;

} // namespace

SmartGuides::SmartGuides(const QList<QRectF>& others, QSizeF screen)
    : others_(others)
    , screen_(screen) {
    xs_.reserve(std::size_t(others.size()) * 3 + 3);
    ys_.reserve(std::size_t(others.size()) * 3 + 3);
    for (qsizetype i = 0; i < others.size(); ++i) {
        const QRectF& r = others[i];
        xs_.insert(xs_.end(), {{r.left(), i}, {r.center().x(), i}, {r.right(), i}});
        ys_.insert(ys_.end(), {{r.top(), i}, {r.center().y(), i}, {r.bottom(), i}});
    }
    xs_.insert(xs_.end(), {{0, -1}, {screen.width() / 2, -1}, {screen.width(), -1}});
    ys_.insert(ys_.end(), {{0, -1}, {screen.height() / 2, -1}, {screen.height(), -1}});
    const auto byPlace = [](const Candidate& a, const Candidate& b) { return a.at < b.at; };
    std::sort(xs_.begin(), xs_.end(), byPlace);
    std::sort(ys_.begin(), ys_.end(), byPlace);
}

std::optional<double> SmartGuides::nearestOffset(const std::vector<Candidate>& sorted,
                                                 std::initializer_list<double> anchors, double threshold) {
    std::optional<double> best;
    for (const double anchor : anchors) {
        auto it = std::lower_bound(sorted.begin(), sorted.end(), anchor,
                                   [](const Candidate& c, double value) { return c.at < value; });
        for (auto candidate : {it, it == sorted.begin() ? sorted.end() : std::prev(it)}) {
            if (candidate == sorted.end())
                continue;
            const double offset = candidate->at - anchor;
            if (std::abs(offset) <= threshold && (!best || std::abs(offset) < std::abs(*best)))
                best = offset;
        }
    }
    return best;
}

QList<GuideLine> SmartGuides::linesAt(const std::vector<Candidate>& sorted, bool vertical,
                                      const QRectF& frame, std::initializer_list<double> anchors) const {
    QList<GuideLine> lines;
    for (const double anchor : anchors) {
        auto it = std::lower_bound(sorted.begin(), sorted.end(), anchor - sameLine,
                                   [](const Candidate& c, double value) { return c.at < value; });
        double from = vertical ? frame.top() : frame.left();
        double to = vertical ? frame.bottom() : frame.right();
        bool found = false;
        for (; it != sorted.end() && it->at <= anchor + sameLine; ++it) {
            found = true;
            const QRectF owner = it->owner < 0 ? QRectF(QPointF(0, 0), screen_) : others_[it->owner];
            from = std::min(from, vertical ? owner.top() : owner.left());
            to = std::max(to, vertical ? owner.bottom() : owner.right());
        }
        if (found)
            lines.append({vertical ? QLineF(anchor, from, anchor, to) : QLineF(from, anchor, to, anchor)});
    }
    return lines;
}

std::optional<double> SmartGuides::equalGapOffset(const QRectF& moving, bool horizontal, double threshold,
                                                  QList<QLineF>& spacing) const {
    // The nearest neighbours before and after the frame that share some of its height (or width).
    const QRectF* before = nullptr;
    const QRectF* after = nullptr;
    for (const QRectF& other : others_) {
        const bool overlaps = horizontal ? other.top() < moving.bottom() && other.bottom() > moving.top()
                                         : other.left() < moving.right() && other.right() > moving.left();
        if (!overlaps)
            continue;
        const double otherEnd = horizontal ? other.right() : other.bottom();
        const double otherStart = horizontal ? other.left() : other.top();
        if (otherEnd <= (horizontal ? moving.left() : moving.top()) + threshold &&
            (!before || otherEnd > (horizontal ? before->right() : before->bottom())))
            before = &other;
        if (otherStart >= (horizontal ? moving.right() : moving.bottom()) - threshold &&
            (!after || otherStart < (horizontal ? after->left() : after->top())))
            after = &other;
    }
    if (!before || !after)
        return std::nullopt;
    const double gapStart = horizontal ? before->right() : before->bottom();
    const double gapEnd = horizontal ? after->left() : after->top();
    const double length = horizontal ? moving.width() : moving.height();
    const double target = (gapStart + gapEnd - length) / 2;
    const double offset = target - (horizontal ? moving.left() : moving.top());
    if (std::abs(offset) > threshold || target < gapStart)
        return std::nullopt;
    if (horizontal) {
        const double y = (std::max({moving.top(), before->top(), after->top()}) +
                          std::min({moving.bottom(), before->bottom(), after->bottom()})) /
                         2;
        spacing.append(QLineF(gapStart, y, target, y));
        spacing.append(QLineF(target + length, y, gapEnd, y));
    } else {
        const double x = (std::max({moving.left(), before->left(), after->left()}) +
                          std::min({moving.right(), before->right(), after->right()})) /
                         2;
        spacing.append(QLineF(x, gapStart, x, target));
        spacing.append(QLineF(x, target + length, x, gapEnd));
    }
    return offset;
}

GuideSnap SmartGuides::snapMove(const QRectF& moving, double threshold) const {
    GuideSnap snap;
    const std::optional<double> dx =
        nearestOffset(xs_, {moving.left(), moving.center().x(), moving.right()}, threshold);
    const std::optional<double> dy =
        nearestOffset(ys_, {moving.top(), moving.center().y(), moving.bottom()}, threshold);
    QList<QLineF> spacingX;
    QList<QLineF> spacingY;
    const std::optional<double> gapX = dx ? std::nullopt : equalGapOffset(moving, true, threshold, spacingX);
    const std::optional<double> gapY = dy ? std::nullopt : equalGapOffset(moving, false, threshold, spacingY);
    snap.offset = {dx.value_or(gapX.value_or(0)), dy.value_or(gapY.value_or(0))};
    snap.snappedX = dx || gapX;
    snap.snappedY = dy || gapY;
    const QRectF snapped = moving.translated(snap.offset);
    if (dx)
        snap.lines += linesAt(xs_, true, snapped, {snapped.left(), snapped.center().x(), snapped.right()});
    if (dy)
        snap.lines += linesAt(ys_, false, snapped, {snapped.top(), snapped.center().y(), snapped.bottom()});
    // The gaps are measured where the other axis ended up.
    for (const QLineF& line : spacingX)
        snap.spacing.append(line.translated(0, snap.offset.y()));
    for (const QLineF& line : spacingY)
        snap.spacing.append(line.translated(snap.offset.x(), 0));
    return snap;
}

GuideSnap SmartGuides::snapResize(const QRectF& resized, double threshold) const {
    GuideSnap snap;
    const std::optional<double> dx = nearestOffset(xs_, {resized.right()}, threshold);
    const std::optional<double> dy = nearestOffset(ys_, {resized.bottom()}, threshold);
    snap.offset = {dx.value_or(0), dy.value_or(0)};
    snap.snappedX = dx.has_value();
    snap.snappedY = dy.has_value();
    const QRectF snapped = resized.adjusted(0, 0, snap.offset.x(), snap.offset.y());
    if (dx)
        snap.lines += linesAt(xs_, true, snapped, {snapped.right()});
    if (dy)
        snap.lines += linesAt(ys_, false, snapped, {snapped.bottom()});
    return snap;
}

} // namespace vistrelle
