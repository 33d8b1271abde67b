#include "app/window_dialogs.h"

namespace strandel {

WindowDialogs InstalledDialogs() {
  WindowDialogs dialogs;
  // The property, units, dimensioning-rules, generator and optimizer dialogs,
  // printing and picture export plug in here as they are built.
  return dialogs;
}

} // namespace strandel
