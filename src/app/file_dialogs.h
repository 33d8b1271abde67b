#pragma once
// The open and save dialogs of the document commands, behind a seam so that the
// commands run in tests with chosen answers. The window's implementation shows
// the platform's file dialogs with the filter "QSD files (*.qsd)".

#include <optional>
#include <string>

namespace strandel {

class FileDialogs {
public:
  virtual ~FileDialogs() = default;
  // The model file chosen to open, starting in `folder`; nothing when cancelled.
  virtual std::optional<std::string> ChooseModelToOpen(const std::string& folder) = 0;
  // The file chosen to save the model as, starting in `folder` with
  // `proposedName` filled in; nothing when cancelled. The commands ask about an
  // existing file themselves.
  virtual std::optional<std::string> ChooseModelToSave(const std::string& folder,
                                                       const std::string& proposedName) = 0;
};

} // namespace strandel
