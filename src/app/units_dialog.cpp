#include "app/units_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/dialog_frame.h"
#include "app/palette_colours.h"
#include "app/qt_text.h"

namespace strandel {
namespace {

constexpr int kCharacterPitch = 7; // pixels from one character to the next
constexpr int kTextIndent = 5;
constexpr int kRowHeight = 16;
constexpr int kVisibleRows = 7; // the longest unit list

QFont UnitFont(int pointSize) {
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setPointSize(pointSize);
  return font;
}

} // namespace

void UnitNameDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  if (selected) painter->fillRect(option.rect, option.palette.highlight());
  painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                           : AccentText(option.palette));
  const QFont normal = UnitFont(9);
  const QFont raised = UnitFont(8);
  const int baseline =
      option.rect.top() + (option.rect.height() + QFontMetrics(normal).ascent()) / 2 - 1;
  int x = option.rect.left() + kTextIndent;
  for (const UnitGlyph& glyph : UnitNameGlyphs(FromQt(index.data().toString()))) {
    painter->setFont(glyph.Superscript ? raised : normal);
    painter->drawText(QPoint(x, glyph.Superscript ? baseline - 2 : baseline),
                      QString(QChar(glyph.Character)));
    x += kCharacterPitch;
  }
  painter->restore();
}

QSize UnitNameDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
  const auto glyphs = UnitNameGlyphs(FromQt(index.data().toString()));
  return {kTextIndent * 2 + kCharacterPitch * static_cast<int>(glyphs.size()), kRowHeight};
}

UnitsDialog::UnitsDialog(QWidget* parent, UnitChoice& stored)
    : QDialog(parent), stored_(stored), model_(OpenUnitsDialog(stored)) {
  setWindowTitle(ToQt(model_.Caption));
  auto* layout = new QVBoxLayout(this);
  auto* presets = new QToolBar(this);
  si_ = new QToolButton(this);
  si_->setText("SI");
  us_ = new QToolButton(this);
  us_->setText("US");
  presets->addWidget(si_);
  presets->addWidget(us_);
  layout->addWidget(presets);
  connect(si_, &QToolButton::clicked, this, [this] {
    model_.Preset(UnitPreset::SI);
    SelectRows();
  });
  connect(us_, &QToolButton::clicked, this, [this] {
    model_.Preset(UnitPreset::US);
    SelectRows();
  });

  auto* grid = new QGridLayout;
  auto* delegate = new UnitNameDelegate(this);
  constexpr int kColumns = 4;
  for (std::size_t box = 0; box < model_.Boxes.size(); ++box) {
    const int column = static_cast<int>(box) % kColumns;
    const int row = 2 * (static_cast<int>(box) / kColumns);
    auto* label = new QLabel(ToQt(model_.Boxes[box].Label), this);
    auto* list = new QListWidget(this);
    list->setItemDelegate(delegate);
    for (const std::string& name : model_.Boxes[box].Names)
      list->addItem(ToQt(name));
    list->setFixedHeight(kRowHeight * kVisibleRows + 2 * list->frameWidth() + 2);
    list->setMinimumWidth(120);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    label->setBuddy(list);
    grid->addWidget(label, row, column);
    grid->addWidget(list, row + 1, column);
    lists_.push_back(list);
    connect(list, &QListWidget::currentRowChanged, this,
            [this, box](int picked) { model_.Select(box, picked); });
  }
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons(*this));
  SelectRows();
  CentreOn(*this, parent);
}

void UnitsDialog::SelectRows() {
  for (std::size_t box = 0; box < lists_.size(); ++box) {
    const QSignalBlocker quiet(lists_[box]);
    lists_[box]->setCurrentRow(model_.SelectedRow(box));
  }
}

void UnitsDialog::accept() {
  stored_ = model_.Working;
  QDialog::accept();
}

bool ShowUnitsDialog(const DialogContext& context) {
  const UnitChoice before = context.Settings.Units;
  UnitsDialog dialog(context.Parent, context.Settings.Units);
  dialog.exec();
  return !(context.Settings.Units == before);
}

} // namespace strandel
