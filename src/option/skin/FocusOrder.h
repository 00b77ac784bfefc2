// Keyboard focus order of a skinned window: its controls in reading order
// (rows top to bottom, each row left to right), a page inside the window
// taking its turn as one block at its place.
#pragma once

#include <QRect>
#include <span>
#include <vector>

class QWidget;

namespace orvyn {

// A place Tab stops at: one control, or a page that stands for its own.
enum class StopKind { Control, Page };
struct FocusStop {
    QRect rect;
    StopKind kind = StopKind::Control;
};

// The indices of `stops` in reading order. Controls: rows top to bottom,
// each left to right; a control whose top lies above the vertical middle
// of a row's first control shares that row. A page comes before the first
// control at or below its top that is not in a column to its left (the
// profile buttons beside a page come before it, the buttons under it after).
std::vector<int> readingOrder(std::span<const FocusStop> stops);

// The controls of `window` that Tab visits, in order: visible, enabled,
// taking the focus by Tab. Child windows that are not separate windows
// (pages) are expanded in their place.
std::vector<QWidget *> focusOrder(QWidget &window);

// Moves the focus to the next (or previous) control of focusOrder(window),
// wrapping around. False when the window has none.
enum class FocusStep { Next, Previous };
bool stepFocus(QWidget &window, FocusStep step);

// Arrow keys: the control nearest in a direction, by centres: the distance
// along the direction plus four times the gap across it (0 where the two
// overlap across it), so the next key of a row beats a nearer one of
// another row. -1 when nothing lies that way.
enum class Direction { Left, Right, Up, Down };
int nearestToward(const QRect &from, std::span<const QRect> candidates, Direction direction);

// Moves the focus from `control` to the nearest control that way within its
// page or dialog. False when there is none.
bool moveFocusToward(QWidget &control, Direction direction);

} // namespace orvyn
