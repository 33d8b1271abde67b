#pragma once
// What the editor asks of the window that shows it. The editor never draws: it
// changes the model and its own plain state and tells the host what to bring up
// to date. The model page's widget implements this; tests record the calls.

#include "model/objects.h"

namespace strandel {

class UserMessages;

class EditorHost {
public:
  virtual ~EditorHost() = default;
  // The model picture is out of date: draw the model and the overlays again.
  virtual void Repaint() = 0;
  // Only the overlays changed (the cursor cross, the zoom-window rectangle):
  // the model picture can be reused.
  virtual void RepaintOverlay() = 0;
  // Bring the tool buttons to Editor::ToolButtons().
  virtual void RefreshToolButtons() = 0;
  // Bring the status bar to Editor::StatusText() and Editor::StatusCoordinates().
  virtual void RefreshStatusBar() = 0;
  // Where messages and questions for the user go.
  virtual UserMessages& Messages() = 0;
  // A double click asks for the property dialog of the object at `index` in the
  // model list (node, support, beam, or the force/load/moment dialog with its
  // kind), centred on the main window. The dialog runs modally and applies its
  // own changes.
  virtual void OpenPropertyDialog(ObjectKind kind, int index) = 0;
};

} // namespace strandel
