#pragma once
// Whether a screen fits: every control a person reads or touches lies inside the window and
// inside each widget that holds it, is as wide as its text needs, and lies over no other
// control. From the widgets' geometry after layout, so it works offscreen at any size.

#include <QStringList>

class QWidget;

// One line per fault ("deleteButton: text cut, 80 of 112 px wide"); empty when the screen
// fits. A panel shown over the screen (an alert, a sheet) covers what lies beneath it, so
// only its own controls must keep clear of each other. Hidden widgets and Qt's own internals (qt_*) are left out; inside a scroll area only
// the width counts, since scrolling down is how such a screen is meant to be read.
QStringList layoutProblems(const QWidget* root);

// One line per text field that lies (partly) out of sight once it has the focus: each is
// focused in turn, as a tap would, and must then lie inside the window and inside the
// viewport of every scroll area that holds it. Focus moves; it is left on the last field.
QStringList focusProblems(QWidget* root);
