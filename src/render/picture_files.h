#pragma once
// Pictures as file contents: an image as PNG or BMP bytes, a set of A4 (or other)
// pages as a PDF. The bytes are made in memory, so the caller writes them with
// WriteFileAtomically and a failed export never leaves half a file.

#include <functional>
#include <optional>
#include <string>

#include <QImage>
#include <QPainter>
#include <QSizeF>

#include "view/view_state.h"

namespace strandel {

enum class ImageFormat { Png, Bmp };

// The encoded image; empty when it cannot be encoded.
std::optional<std::string> ImageBytes(const QImage& image, ImageFormat format);

// A white image of width x height for drawing on, at screen resolution.
QImage BlankImage(int width, int height);

// Draws one page: the painter is on the PDF, `paper` maps page units
// (millimetres, y upwards, (0, 0) at the bottom-left corner) onto it.
using PageDrawer = std::function<void(QPainter& painter, int page, const ViewState& paper)>;

// A PDF of `pageCount` pages of `pageSize` millimetres; empty when it cannot be made.
std::optional<std::string> PdfBytes(QSizeF pageSize, int pageCount, const std::string& title,
                                    const PageDrawer& draw);

} // namespace strandel
