#pragma once
// strandel-cli render: the model as the Model page shows it, fitted to a PNG or
// BMP picture or a PDF page, optionally with the displaced shape, the
// utilisation colouring and the grid.

#include <string>
#include <vector>

namespace strandel::cli {

int RunRender(const std::vector<std::string>& args);

} // namespace strandel::cli
