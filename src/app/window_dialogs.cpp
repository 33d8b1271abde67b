#include "app/window_dialogs.h"

#include <memory>

#include "app/output_commands.h"
#include "app/qt_output_dialogs.h"

namespace strandel {

WindowDialogs InstalledDialogs() {
  WindowDialogs dialogs;
  // The property, units, dimensioning-rules, generator and optimizer dialogs
  // plug in here as they are built.
  InstallOutputCommands(dialogs, std::make_shared<QtOutputDialogs>());
  return dialogs;
}

} // namespace strandel
