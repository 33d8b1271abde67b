#pragma once
// The one place where the main window's dialogs plug in: the property dialogs
// a double click opens, the units, dimensioning-rules, structure-generator and
// optimizer dialogs, and printing and picture export. A slot left empty means
// the program has no such dialog yet: its menu item is disabled and a double
// click does nothing visible.

#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "expr/parameters.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "optimizer/random_sequence.h"

class QWidget;

namespace strandel {

class UserMessages;
struct BeamPage;

// What a dialog works on; it runs modally, centred on `Parent`.
struct DialogContext {
  QWidget* Parent = nullptr;
  ModelDocument& Doc;
  AppSettings& Settings;
  UserMessages& Messages;
  const std::string& DataFolder;
  // The program run's expression parameters, which every dialog field shares,
  // and its random sequence for the optimizer (both the window's).
  ParameterTable& Parameters;
  RandomSequence& Random;
  // Draws the model page again now (the optimizer shows each trial point).
  std::function<void()> RepaintModel;
  // Before a dialog replaces the whole model (the structure generator): offers
  // to save unsaved changes; false when the user cancels. Empty: nothing to ask.
  std::function<bool()> ConfirmSaveChanges = {};
};

// What printing and picture export work on: the pages as the window shows them.
struct OutputContext {
  QWidget* Parent = nullptr; // the main window
  const ModelDocument& Doc;
  const AppSettings& Settings;
  UserMessages& Messages;
  const BeamPage& Diagrams;
  const std::vector<std::string>& ReportLines;
  // The Model page's picture as the window keeps it (grid included, without
  // the cursor cross).
  std::function<QImage()> ModelPicture;
  // Brings the beam sheet and the report up to the model, analysing it when
  // the results are out of date; false (after saying so) when it cannot be
  // solved.
  std::function<bool()> UpdateSheets;
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
