#include "app/up_down_control.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/tool_icons.h"

namespace strandel {
namespace {

QToolButton* ArrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRaise(true);
  button->setAutoRepeat(true);
  button->setFixedSize(16, 11);
  return button;
}

} // namespace

UpDownControl::UpDownControl(const char* iconName, QWidget* parent)
    : QWidget(parent), picture_(new QLabel(this)), up_(ArrowButton(Qt::UpArrow, this)),
      down_(ArrowButton(Qt::DownArrow, this)) {
  picture_->setPixmap(ToolIcon(iconName).pixmap(QSize(20, 20)));
  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 0, 2, 0);
  layout->setSpacing(1);
  layout->addWidget(picture_);
  layout->addLayout(arrows);
  connect(up_, &QToolButton::clicked, this, &UpDownControl::Up);
  connect(down_, &QToolButton::clicked, this, &UpDownControl::Down);
}

void UpDownControl::SetHint(const QString& hint) {
  setToolTip(hint);
  picture_->setToolTip(hint);
  up_->setToolTip(hint);
  down_->setToolTip(hint);
}

} // namespace strandel
