#include "app/window_dialogs.h"

#include <memory>

#include "app/dimensioning_dialog.h"
#include "app/generator_dialog.h"
#include "app/optimizer_dialog.h"
#include "app/output_commands.h"
#include "app/property_dialogs.h"
#include "app/qt_output_dialogs.h"
#include "app/units_dialog.h"
#include "generator/generator_parameters.h"

namespace strandel {

WindowDialogs InstalledDialogs() {
  WindowDialogs dialogs;
  dialogs.PropertyDialog = ShowPropertyDialog;
  dialogs.Units = ShowUnitDialog;
  dialogs.DimensioningRules = ShowDimensioningRules;
  InstallOutputCommands(dialogs, std::make_shared<QtOutputDialogs>());
  // The generator keeps its parameters for the whole run of the program, not
  // in any file: the next structure starts from the last one's values.
  auto generatorParameters = std::make_shared<GeneratorParameters>();
  dialogs.StructureGenerator = [generatorParameters](const DialogContext& context) {
    return ShowStructureDialog(context, *generatorParameters);
  };
  dialogs.Optimizer = [](const DialogContext& context) { OpenOptimizer(context); };
  return dialogs;
}

} // namespace strandel
