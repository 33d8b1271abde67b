#include "app/window_dialogs.h"

#include "app/dimensioning_dialog.h"
#include "app/property_dialogs.h"
#include "app/units_dialog.h"

namespace strandel {

WindowDialogs InstalledDialogs() {
  WindowDialogs dialogs;
  dialogs.PropertyDialog = ShowPropertyDialog;
  dialogs.Units = ShowUnitDialog;
  dialogs.DimensioningRules = ShowDimensioningRules;
  // The generator and optimizer dialogs, printing and picture export plug in
  // here as they are built.
  return dialogs;
}

} // namespace strandel
