#include "app/page_control.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace strandel {

PageControl::PageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QTabBar(this)), stack_(new QStackedWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  tabs_->setDrawBase(true);
  tabs_->setExpanding(false);
  layout->addWidget(tabs_);
  layout->addWidget(stack_, 1);
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { TabChanged(index); });
}

int PageControl::AddPage(QWidget* page, const QString& caption) {
  stack_->addWidget(page);
  reverting_ = true;
  const int index = tabs_->addTab(caption);
  reverting_ = false;
  return index;
}

void PageControl::HidePage(int index) {
  tabs_->setTabVisible(index, false);
  tabs_->setTabEnabled(index, false);
}

void PageControl::SetCaption(int index, const QString& caption) {
  tabs_->setTabText(index, caption);
}

QString PageControl::Caption(int index) const {
  return tabs_->tabText(index);
}

bool PageControl::Choose(int index) {
  if (index == current_) return true;
  tabs_->setCurrentIndex(index);
  return current_ == index;
}

void PageControl::Force(int index) {
  reverting_ = true;
  tabs_->setCurrentIndex(index);
  reverting_ = false;
  Show(index);
}

void PageControl::TabChanged(int index) {
  if (reverting_ || index < 0 || index == current_) return;
  if (BeforeChange && !BeforeChange(current_, index)) {
    reverting_ = true;
    tabs_->setCurrentIndex(current_);
    reverting_ = false;
    return;
  }
  Show(index);
  if (AfterChange) AfterChange(index);
}

void PageControl::Show(int index) {
  current_ = index;
  stack_->setCurrentIndex(index);
}

} // namespace strandel
