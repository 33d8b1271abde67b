#pragma once
// The report drawn on A4 sheets as a PDF, for strandel-cli report --pdf.

#include <optional>
#include <string>
#include <vector>

#include "render/sheet_title.h"

namespace strandel::cli {

// The PDF's bytes, every sheet headed by `heading` with its number; empty when
// it cannot be made. `title` is the PDF's own title.
std::optional<std::string> ReportPdf(const std::vector<std::string>& lines,
                                     const std::string& title, const SheetTitle& heading);

} // namespace strandel::cli
