#include "app/page_bars.h"

#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

namespace strandel {

QToolBar* MakePageToolBar(QWidget* page) {
  auto* bar = new QToolBar(page);
  bar->setFixedHeight(kToolBarHeight);
  bar->setIconSize(QSize(20, 20));
  bar->setMovable(false);
  bar->setFloatable(false);
  return bar;
}

QStatusBar* MakePageStatusBar(QWidget* page) {
  auto* bar = new QStatusBar(page);
  bar->setFixedHeight(kStatusBarHeight);
  bar->setSizeGripEnabled(false);
  return bar;
}

QLabel* AddStretchingPanel(QStatusBar* bar) {
  auto* panel = new QLabel(bar);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  bar->addWidget(panel, 1);
  return panel;
}

} // namespace strandel
