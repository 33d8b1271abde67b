#pragma once
// The tool-bar pictures of the program: SVG drawings compiled into the program,
// so they are crisp at every screen scale.

#include <QIcon>
#include <QPalette>

namespace strandel {

// The icon ":/icons/<name>.svg", e.g. ToolIcon("create_beam"); under a dark
// palette with its greys turned to their opposites, so that its dark ink does
// not vanish on a dark tool bar.
QIcon ToolIcon(const char* name);

// Whether the palette's windows are dark.
bool DarkPalette(const QPalette& palette);

} // namespace strandel
