#include "render/picture_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "render/pixel_mapping.h"

namespace strandel {
namespace {

// Fine enough for print, small enough that a sheet stays a few hundred kB.
constexpr int kPdfResolution = 600;

std::string Bytes(const QByteArray& data) {
  return std::string(data.constData(), static_cast<std::size_t>(data.size()));
}

} // namespace

std::optional<std::string> ImageBytes(const QImage& image, ImageFormat format) {
  QByteArray data;
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  if (!image.save(&buffer, format == ImageFormat::Png ? "PNG" : "BMP")) return std::nullopt;
  return Bytes(data);
}

QImage BlankImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

std::optional<std::string> PdfBytes(QSizeF pageSize, int pageCount, const std::string& title,
                                    const PageDrawer& draw) {
  QByteArray data;
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageSize(QPageSize(pageSize, QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Strandel " STRANDEL_VERSION));
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    const int width = writer.width(), height = writer.height();
    const ViewState paper = PageView(width / pageSize.width(), 0, 0, width, height);
    for (int page = 0; page < pageCount; ++page) {
      if (page > 0 && !writer.newPage()) return std::nullopt;
      draw(painter, page, paper);
    }
    if (!painter.end()) return std::nullopt;
  }
  if (data.isEmpty()) return std::nullopt;
  return Bytes(data);
}

} // namespace strandel
