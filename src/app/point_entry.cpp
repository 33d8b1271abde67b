#include "app/point_entry.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/numeric_field_edit.h"
#include "app/qt_text.h"
#include "common/text_entries.h"

namespace strandel {
namespace {

constexpr int kFieldWidth = 220;
constexpr int kMargin = 6;

} // namespace

PointEntry::PointEntry(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  prompt_ = new QLabel(this);
  field_ = new QLineEdit(this);
  field_->setMinimumWidth(kFieldWidth);
  reason_ = new QLabel(this);
  reason_->setWordWrap(true);
  reason_->hide();
  auto* row = new QHBoxLayout;
  row->addWidget(prompt_);
  row->addWidget(field_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kMargin, kMargin / 2, kMargin, kMargin / 2);
  layout->addLayout(row);
  layout->addWidget(reason_);
  connect(field_, &QLineEdit::returnPressed, this, [this] { emit Entered(field_->text()); });
  // Editing the text takes the refusal away.
  connect(field_, &QLineEdit::textEdited, this, [this] { ShowRefusal({}); });
  ApplyTexts();
  hide();
}

void PointEntry::ApplyTexts() {
  prompt_->setText(Tr(tr::kTypedPointPrompt));
}

void PointEntry::Open(const QString& text) {
  ShowRefusal({});
  field_->setText(text);
  show();
  raise();
  Place();
  field_->setFocus(Qt::OtherFocusReason);
  field_->end(false);
}

void PointEntry::Close() {
  if (!isVisible()) return;
  hide();
  if (parentWidget()) parentWidget()->setFocus(Qt::OtherFocusReason);
}

void PointEntry::ShowRefusal(const QString& reason) {
  QPalette palette = QApplication::palette(field_);
  if (!reason.isEmpty()) {
    palette.setColor(QPalette::Base, RefusedFieldColour());
    palette.setColor(QPalette::Text, Qt::black);
  }
  field_->setPalette(palette);
  reason_->setText(reason);
  reason_->setVisible(!reason.isEmpty());
  if (isVisible()) Place();
}

void PointEntry::Place() {
  const QWidget* host = parentWidget();
  if (!host) return;
  setMaximumWidth(host->width() - 2 * kMargin);
  adjustSize();
  move(kMargin, host->height() - height() - kMargin);
}

} // namespace strandel
