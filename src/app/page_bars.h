#pragma once
// The bars every page has: a tool bar 25 pixels high over the drawing area and
// a status bar 21 pixels high under it.

class QLabel;
class QStatusBar;
class QToolBar;
class QWidget;

namespace strandel {

inline constexpr int kToolBarHeight = 25;
inline constexpr int kStatusBarHeight = 21;

QToolBar* MakePageToolBar(QWidget* page);
QStatusBar* MakePageStatusBar(QWidget* page);
// A status panel that takes the width the others leave and cuts a long text
// rather than widening the window.
QLabel* AddStretchingPanel(QStatusBar* bar);

} // namespace strandel
