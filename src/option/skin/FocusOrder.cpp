#include "option/skin/FocusOrder.h"

#include "option/skin/SkinnedDialog.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <numeric>

namespace orvyn {

std::vector<int> readingOrder(std::span<const FocusStop> stops) {
    std::vector<int> byTop;
    std::vector<int> pages;
    for (int i = 0; i < static_cast<int>(stops.size()); ++i)
        (stops[i].kind == StopKind::Page ? pages : byTop).push_back(i);
    auto rect = [&stops](int i) -> const QRect & { return stops[i].rect; };
    std::stable_sort(byTop.begin(), byTop.end(), [&rect](int a, int b) {
        return rect(a).top() != rect(b).top() ? rect(a).top() < rect(b).top()
                                              : rect(a).left() < rect(b).left();
    });
    std::vector<int> order;
    order.reserve(stops.size());
    auto rowStart = byTop.begin();
    while (rowStart != byTop.end()) {
        const int rowMiddle = rect(*rowStart).top() + rect(*rowStart).height() / 2;
        auto rowEnd = std::find_if(rowStart, byTop.end(), [&](int i) { return rect(i).top() > rowMiddle; });
        std::stable_sort(rowStart, rowEnd, [&rect](int a, int b) { return rect(a).left() < rect(b).left(); });
        order.insert(order.end(), rowStart, rowEnd);
        rowStart = rowEnd;
    }
    for (int page : pages) {
        const QRect &p = rect(page);
        auto at = std::find_if(order.begin(), order.end(), [&](int i) {
            if (stops[i].kind == StopKind::Page || rect(i).top() < p.top())
                return false;
            const bool leftColumn = rect(i).right() < p.left() && rect(i).top() <= p.bottom();
            return !leftColumn;
        });
        order.insert(at, page);
    }
    return order;
}

namespace {

bool takesTab(const QWidget &widget) {
    return (widget.focusPolicy() & Qt::TabFocus) != 0 && widget.isEnabled() &&
           widget.isVisibleTo(widget.window());
}

void collectStops(QWidget &container, QWidget &origin, std::vector<QWidget *> &widgets,
                  std::vector<FocusStop> &stops) {
    for (QObject *object : container.children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child == nullptr || child->isWindow() || child->isHidden())
            continue;
        const QRect rect(child->mapTo(&origin, QPoint(0, 0)), child->size());
        if (qobject_cast<SkinnedDialog *>(child) != nullptr) {
            widgets.push_back(child);
            stops.push_back({rect, StopKind::Page});
        } else if (takesTab(*child)) {
            widgets.push_back(child);
            stops.push_back({rect, StopKind::Control});
        } else {
            collectStops(*child, origin, widgets, stops);
        }
    }
}

void appendInOrder(QWidget &window, std::vector<QWidget *> &order) {
    std::vector<QWidget *> widgets;
    std::vector<FocusStop> stops;
    collectStops(window, window, widgets, stops);
    for (int i : readingOrder(stops)) {
        if (stops[i].kind == StopKind::Page)
            appendInOrder(*widgets[i], order);
        else
            order.push_back(widgets[i]);
    }
}

} // namespace

std::vector<QWidget *> focusOrder(QWidget &window) {
    std::vector<QWidget *> order;
    appendInOrder(window, order);
    return order;
}

bool stepFocus(QWidget &window, FocusStep step) {
    const std::vector<QWidget *> order = focusOrder(window);
    if (order.empty())
        return false;
    const int count = static_cast<int>(order.size());
    // The focus may sit inside a control (the edit field of a list).
    const QWidget *focus = QApplication::focusWidget();
    auto at = std::find_if(order.begin(), order.end(), [focus](const QWidget *w) {
        return focus != nullptr && (w == focus || w->isAncestorOf(focus));
    });
    int next = 0;
    if (at == order.end())
        next = step == FocusStep::Next ? 0 : count - 1;
    else
        next = (static_cast<int>(at - order.begin()) + (step == FocusStep::Next ? 1 : count - 1)) % count;
    order[next]->setFocus(step == FocusStep::Next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

int nearestToward(const QRect &from, std::span<const QRect> candidates, Direction direction) {
    const bool across = direction == Direction::Left || direction == Direction::Right;
    const int sign = direction == Direction::Right || direction == Direction::Down ? 1 : -1;
    // The gap between two intervals on one axis; 0 when they overlap.
    auto gap = [](int aFirst, int aLast, int bFirst, int bLast) {
        return std::max({0, bFirst - aLast, aFirst - bLast});
    };
    int best = -1;
    std::pair<int, int> bestScore;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        const QRect &c = candidates[i];
        const QPoint d = c.center() - from.center();
        const int along = sign * (across ? d.x() : d.y());
        if (along <= 0)
            continue;
        const int side = across ? gap(from.top(), from.bottom(), c.top(), c.bottom())
                                : gap(from.left(), from.right(), c.left(), c.right());
        const std::pair<int, int> score{along + 4 * side, std::abs(across ? d.y() : d.x())};
        if (best < 0 || score < bestScore) {
            best = i;
            bestScore = score;
        }
    }
    return best;
}

bool moveFocusToward(QWidget &control, Direction direction) {
    QWidget *scope = control.parentWidget();
    while (scope != nullptr && qobject_cast<SkinnedDialog *>(scope) == nullptr)
        scope = scope->parentWidget();
    if (scope == nullptr)
        return false;
    std::vector<QWidget *> others = focusOrder(*scope);
    std::erase(others, &control);
    std::vector<QRect> rects;
    rects.reserve(others.size());
    for (QWidget *w : others)
        rects.emplace_back(w->mapTo(scope, QPoint(0, 0)), w->size());
    const int next =
        nearestToward(QRect(control.mapTo(scope, QPoint(0, 0)), control.size()), rects, direction);
    if (next < 0)
        return false;
    others[next]->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace orvyn
