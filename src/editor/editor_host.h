#pragma once
// What the editor asks of the window that shows it. The editor never draws: it
// changes its own plain state and tells the host what to bring up to date; what
// follows a change of the model goes through DocumentChanges. The model page's
// widget implements this; tests record the calls.

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
};

} // namespace strandel
