#include "app/window_dialogs.h"

#include <memory>

#include "app/generator_dialog.h"
#include "app/optimizer_dialog.h"
#include "generator/generator_parameters.h"

namespace strandel {

WindowDialogs InstalledDialogs() {
  WindowDialogs dialogs;
  // The property, units, dimensioning-rules, generator and optimizer dialogs,
  // printing and picture export plug in here as they are built.

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
