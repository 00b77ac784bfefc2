// What screen readers learn about the skinned controls: Qt sees only a
// painted widget, so each control gets an interface that tells its kind,
// name, help text, states and the actions that press it.
#pragma once

#include <QString>
#include <QWidget>

namespace orvyn {

class SkinControl;

// Makes Qt's accessibility ask us for every skinned control. Safe to call
// more than once.
void installSkinAccessibility();

// A painted line of text that says how things stand (its accessible name is
// the text): a label to assistive technology, not an unnamed filler.
void markAsStatusLine(QWidget *line);

// What a screen reader calls a control: the name made for it (a key and its
// assignment), else the name set on the widget, its caption, its help text,
// its window title.
QString spokenNameOf(const SkinControl &control);

} // namespace orvyn
