#pragma once
// Small pictures for the dialogs' buttons and menus: the support symbol turned
// into each of its four directions, and the cross-section of each of the ten
// profile shapes, drawn by the same code that draws the model.

#include <QImage>

namespace strandel {

// The support symbol of `direction` (1..4), fitted into a square of `size`
// pixels on a transparent ground.
QImage SupportPicture(int direction, int size);

// The cross-section of profile shape `shape` (1..10), web upright, flanges
// across, in the square; an unknown shape gives an empty square.
QImage ProfilePicture(int shape, int size);

} // namespace strandel
