#include "app/case_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "app/qt_text.h"
#include "common/text_entries.h"
#include "dialogs/case_field.h"

namespace strandel {

CaseChoice::CaseChoice(Editor& editor, const ModelDocument& doc, QWidget* parent)
    : QWidget(parent), editor_(editor), doc_(doc) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 0, 6, 0);
  label_ = new QLabel(this);
  box_ = new QComboBox(this);
  box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box_->setMinimumContentsLength(14); // long names are cut rather than crowd the tools
  label_->setBuddy(box_);
  showAll_ = new QCheckBox(this);
  layout->addWidget(label_);
  layout->addWidget(box_);
  layout->addWidget(showAll_);
  connect(box_, &QComboBox::activated, this, [this](int index) {
    editor_.SetActiveCase(static_cast<std::uint16_t>(box_->itemData(index).toUInt()));
  });
  connect(showAll_, &QCheckBox::toggled, this, [this](bool on) { editor_.SetShowAllCases(on); });
  ApplyTexts();
  Refresh();
}

void CaseChoice::Refresh() {
  const std::vector<TLoadCase>& cases = doc_.Settings.LoadCases;
  const QSignalBlocker quiet(box_);
  // Filled again only when the cases changed, so an open list is not disturbed.
  QStringList texts;
  for (const TLoadCase& loadCase : cases)
    texts << ToQt(CaseEntryText(loadCase));
  QStringList shown;
  for (int i = 0; i < box_->count(); ++i)
    shown << box_->itemText(i);
  if (texts != shown) {
    box_->clear();
    for (std::size_t i = 0; i < cases.size(); ++i)
      box_->addItem(texts[static_cast<int>(i)], QVariant(static_cast<uint>(cases[i].Number)));
  }
  box_->setCurrentIndex(box_->findData(QVariant(static_cast<uint>(editor_.ActiveCase()))));
  const QSignalBlocker quietSwitch(showAll_);
  showAll_->setChecked(editor_.ShowAllCases());
}

void CaseChoice::ApplyTexts() {
  label_->setText(Tr(tr::kLoadCaseLabel));
  showAll_->setText(Tr(tr::kShowAllCases));
  const QString tip = Tr(tr::kActiveCaseTip);
  label_->setToolTip(tip);
  box_->setToolTip(tip);
}

} // namespace strandel
