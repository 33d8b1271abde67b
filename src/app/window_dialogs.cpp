#include "app/window_dialogs.h"

#include <memory>

#include "app/dimensioning_dialog.h"
#include "app/output_commands.h"
#include "app/property_dialogs.h"
#include "app/qt_output_dialogs.h"
#include "app/units_dialog.h"

namespace strandel {

WindowDialogs InstalledDialogs() {
  WindowDialogs dialogs;
  dialogs.PropertyDialog = ShowPropertyDialog;
  dialogs.Units = ShowUnitDialog;
  dialogs.DimensioningRules = ShowDimensioningRules;
  InstallOutputCommands(dialogs, std::make_shared<QtOutputDialogs>());
  // The generator and optimizer dialogs plug in here as they are built.
  return dialogs;
}

} // namespace strandel
