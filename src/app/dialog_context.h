#pragma once
// What a dialog of the main window works on: the window it is centred on, the
// document, the settings, where messages go and the data folder. A dialog
// changes only what its OK applies; the window does what follows a change.

#include <functional>
#include <string>

#include "expr/parameters.h"
#include "model/app_settings.h"
#include "model/document.h"
#include "optimizer/random_sequence.h"

class QWidget;

namespace strandel {

class UserMessages;

// A dialog runs modally, centred on `Parent`.
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

} // namespace strandel
