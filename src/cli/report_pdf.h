#pragma once
// The report drawn on A4 sheets as a PDF, for strandel-cli report --pdf.

#include <optional>
#include <string>
#include <vector>

namespace strandel::cli {

// The PDF's bytes; empty when it cannot be made.
std::optional<std::string> ReportPdf(const std::vector<std::string>& lines,
                                     const std::string& title);

} // namespace strandel::cli
