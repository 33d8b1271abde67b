#pragma once
// The open and save dialogs of the document commands as the platform's file
// dialogs.

#include <QPointer>
#include <QWidget>

#include "app/file_dialogs.h"

namespace strandel {

class QtFileDialogs : public FileDialogs {
public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> ChooseModelToOpen(const std::string& folder) override;
  std::optional<std::string> ChooseModelToSave(const std::string& folder,
                                               const std::string& proposedName) override;

private:
  QPointer<QWidget> parent_;
};

} // namespace strandel
