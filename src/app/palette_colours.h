#pragma once
// Colours the program adds to the desktop's own, chosen against the palette so
// that they stay readable under a dark theme as under a light one.

#include <QColor>
#include <QPalette>

namespace strandel {

// The palette's fields are dark (a dark desktop theme).
inline bool DarkFields(const QPalette& palette) {
  return palette.color(QPalette::Base).lightness() < 128;
}

// The blue of names that stand out (the unit lists).
inline QColor AccentText(const QPalette& palette) {
  return DarkFields(palette) ? QColor(150, 185, 255) : QColor(Qt::blue);
}

// The red of a refusal's reason.
inline QColor WarningText(const QPalette& palette) {
  return DarkFields(palette) ? QColor(255, 130, 120) : QColor(176, 0, 0);
}

} // namespace strandel
