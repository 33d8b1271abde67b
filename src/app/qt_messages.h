#pragma once
// The user-message interface as message boxes: every message and question of
// the program and its core appears here, with button captions from the
// translation list.

#include <QPointer>
#include <QWidget>

#include "common/user_message.h"

namespace strandel {

class QtMessages : public UserMessages {
public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the boxes are centred on.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Show(const std::string& text, MessageKind kind) override;
  MessageAnswer Ask(const std::string& text, MessageButtons buttons) override;

private:
  QPointer<QWidget> parent_;
};

} // namespace strandel
