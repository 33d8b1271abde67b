#pragma once
// The property dialog of a double-clicked object, by its kind.

#include "app/dialog_context.h"

namespace strandel {

// True when the user confirmed the dialog (it has applied its changes).
bool ShowPropertyDialog(const DialogContext& context, ObjectKind kind, int index);

} // namespace strandel
