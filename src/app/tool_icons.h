#pragma once
// The tool-bar pictures of the program: SVG drawings compiled into the program,
// so they are crisp at every screen scale.

#include <QIcon>

namespace strandel {

// The icon ":/icons/<name>.svg", e.g. ToolIcon("create_beam").
QIcon ToolIcon(const char* name);

} // namespace strandel
