#pragma once
// The one place where the main window's dialogs plug in: the property dialogs
// a double click opens, the units, dimensioning-rules, structure-generator and
// optimizer dialogs, and printing and picture export. A slot left empty means
// the program has no such dialog yet: its menu item is disabled and a double
// click does nothing visible.

#include <functional>
#include <string>
#include <vector>

#include "model/app_settings.h"
#include "model/document.h"

class QWidget;

namespace strandel {

class UserMessages;
struct BeamPage;
struct TGridObject;
struct ViewState;

// What a dialog works on; it runs modally, centred on `Parent`.
struct DialogContext {
  QWidget* Parent = nullptr;
  ModelDocument& Doc;
  AppSettings& Settings;
  UserMessages& Messages;
  const std::string& DataFolder;
  // Draws the model page again now (the optimizer shows each trial point).
  std::function<void()> RepaintModel;
  // Before a dialog replaces the whole model (the structure generator): offers
  // to save unsaved changes; false when the user cancels.
  std::function<bool()> ConfirmSaveChanges;
};

// What printing and picture export draw: the pages as the window shows them.
struct OutputContext {
  QWidget* Parent = nullptr;
  const ModelDocument& Doc;
  const AppSettings& Settings;
  UserMessages& Messages;
  const ViewState& View;
  const TGridObject& Grid;
  const BeamPage& Diagrams;
  const std::vector<std::string>& ReportLines;
  int ActivePage = 0; // 0 Model, 1 Analysis, 2 Reports
};

struct WindowDialogs {
  // The dialog of the object at `index` in the model list; true when the user
  // confirmed (the dialog has applied its changes).
  std::function<bool(const DialogContext&, ObjectKind kind, int index)> PropertyDialog;
  // "&Units...": true when the unit choices changed.
  std::function<bool(const DialogContext&)> Units;
  // "Dimensioning rules...": true when confirmed.
  std::function<bool(const DialogContext&)> DimensioningRules;
  // "Structure &Generator...": true when a structure was generated.
  std::function<bool(const DialogContext&)> StructureGenerator;
  // "&Optimizer...".
  std::function<void(const DialogContext&)> Optimizer;
  // "&Print...", "Print Screen", "Print Setup...", "Save Model as image...",
  // "Copy &Image to Clippboard".
  std::function<void(const OutputContext&)> Print;
  std::function<void(const OutputContext&)> PrintScreen;
  std::function<void(const OutputContext&)> PrintSetup;
  std::function<void(const OutputContext&)> SaveImage;
  std::function<void(const OutputContext&)> CopyImage;
};

// The dialogs the program has. Each change that builds a dialog sets its slot
// here.
WindowDialogs InstalledDialogs();

} // namespace strandel
