#pragma once
// A phone's touch screen: scrolling as a finger expects it, targets a finger can hit, pages
// that scroll rather than squeeze and dialogs that fill a small screen.

class QAbstractScrollArea;
class QPointerEvent;
class QScrollArea;
class QWidget;

// Whether the screen is about a phone's size, in either orientation.
bool isPhoneSizedScreen(const QWidget* widget);
// Shows a window of its own (a dialog) maximised on a phone-sized screen, as a phone's
// compositor leaves dialogs at their own size, and as it is elsewhere.
void showFitting(QWidget* window);

// The least height and width of what a finger taps (rows, buttons, pins), in logical pixels.
constexpr int kTouchTarget = 44;

// Kinetic scrolling by a finger dragged over the area. Only a touch screen drives it: a
// mouse's press and drag keep selecting text and pressing rows as on the desktop.
void enableTouchScrolling(QAbstractScrollArea* area);

// Keeps the field with the focus in view: when it gets the focus, and when the area's place
// changes (the on-screen keyboard takes half the window, the phone turns).
void keepFocusInView(QScrollArea* area);

// Makes a scroll area holding its page such a page (below).
void makePage(QScrollArea* area);

// A frameless scroll area around `content` that gives it the window's width and scrolls it
// up and down once the place is shorter than it needs, by finger too, keeping the focus in view.
QScrollArea* scrollingPage(QWidget* content, QWidget* parent = nullptr);

// How far a press may move and still count as a tap: the platform's drag distance, which
// follows its scale, and twice that for a finger, which wobbles more than a mouse.
int tapSlack(const QPointerEvent* event);
int fingerTapSlack();
