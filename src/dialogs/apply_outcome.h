#pragma once
// What OK of a property dialog came to. Only Applied changed the document; the
// window keeps the dialog open on a field the user can correct, and closes it
// with a word when the object it was opened for has gone.

namespace strandel {

enum class ApplyOutcome {
  Applied,      // the document holds the dialog's values
  FieldRefused, // a field refused its text: it keeps the text and its reason
  ObjectGone,   // the object (or the beam a node lies on) is no longer where it was
};

} // namespace strandel
