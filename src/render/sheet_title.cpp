#include "render/sheet_title.h"

#include "common/system_info.h"
#include "common/text.h"
#include "common/text_entries.h"
#include "common/translation.h"
#include "render/beam_sheet.h"
#include "render/rotated_text.h"

namespace strandel {
namespace {

// Between the parts of a half.
const std::string kGap = "   ";

std::string Filled(std::string text, const std::string& first, const std::string& second = {}) {
  text = ReplaceAll(text, "%1", first);
  return ReplaceAll(text, "%2", second);
}

} // namespace

SheetTitle TitleFor(const std::string& fileName, long beamNo) {
  SheetTitle title;
  title.FileName = fileName;
  title.BeamNo = beamNo;
  title.Date = TodayText();
  return title;
}

SheetTitle OnSheet(SheetTitle title, int sheet, int count) {
  title.Page = sheet + 1;
  title.PageCount = count;
  return title;
}

TitleTexts SheetTitleTexts(const SheetTitle& title) {
  TitleTexts texts;
  texts.Left = title.FileName;
  if (title.BeamNo >= 0) {
    const std::string beam =
        Filled(TranslatedOr(tr::kSheetTitleBeam, "Beam %1"), std::to_string(title.BeamNo));
    texts.Left += texts.Left.empty() ? beam : kGap + beam;
  }
  if (title.Page > 0) {
    texts.Right = Filled(TranslatedOr(tr::kSheetTitlePage, "Page %1 of %2"),
                         std::to_string(title.Page), std::to_string(title.PageCount));
  }
  if (!title.Date.empty()) texts.Right += texts.Right.empty() ? title.Date : kGap + title.Date;
  return texts;
}

void DrawTitleLine(QPainter& painter, const ViewState& page, const SheetTitle& title, double left,
                   double right, double baseline) {
  const TitleTexts texts = SheetTitleTexts(title);
  painter.save();
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  DrawLabel(painter, page, {left, baseline}, texts.Left, kTitleHeight, 0, TextAnchor::BaselineLeft);
  DrawLabel(painter, page, {right, baseline}, texts.Right, kTitleHeight, 0,
            TextAnchor::BaselineRight);
  painter.restore();
}

void DrawSheetTitle(QPainter& painter, const ViewState& page, const SheetTitle& title) {
  DrawTitleLine(painter, page, title, kSheetMargin, kSheetWidth - kSheetMargin, kTitleBaseline);
}

} // namespace strandel
