#include "app/result_choice_box.h"

#include <QSignalBlocker>

#include "app/qt_text.h"
#include "common/text_entries.h"
#include "model/result_choice.h"

namespace strandel {

ResultChoiceBox::ResultChoiceBox(ModelDocument& doc, QWidget* parent)
    : QComboBox(parent), doc_(doc) {
  setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  setMinimumContentsLength(18); // long names are cut rather than crowd the tools
  connect(this, &QComboBox::activated, this, [this](int index) {
    const std::vector<ResultEntry> entries =
        ResultEntries(doc_.Settings.LoadCases, doc_.Settings.Combinations);
    if (index < 0 || index >= static_cast<int>(entries.size())) return;
    const std::string chosen = ResultChoiceText(entries[static_cast<std::size_t>(index)].Choice);
    if (chosen == doc_.Settings.ResultSet) return;
    doc_.Settings.ResultSet = chosen;
    if (Chosen) Chosen();
  });
  ApplyTexts();
  Refresh();
}

void ResultChoiceBox::Refresh() {
  const std::vector<ResultEntry> entries =
      ResultEntries(doc_.Settings.LoadCases, doc_.Settings.Combinations);
  const QSignalBlocker quiet(this);
  QStringList texts;
  for (const ResultEntry& entry : entries)
    texts << ToQt(entry.Text);
  QStringList shown;
  for (int i = 0; i < count(); ++i)
    shown << itemText(i);
  // Filled again only when the entries changed, so an open list is not disturbed.
  if (texts != shown) {
    clear();
    addItems(texts);
  }
  setCurrentIndex(entries.empty() ? -1
                                  : EntryOf(entries, ParseResultChoice(doc_.Settings.ResultSet)));
}

void ResultChoiceBox::ApplyTexts() {
  setToolTip(Tr(tr::kResultChoiceTip));
  // The entries' own texts are in the language too.
  clear();
  Refresh();
}

} // namespace strandel
