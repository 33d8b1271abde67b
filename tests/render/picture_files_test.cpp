// Pictures as file contents: PNG and BMP bytes that read back as the image, and
// a PDF with one page per sheet.

#include <gtest/gtest.h>

#include <QPainter>

#include "render/picture_files.h"

namespace strandel {
namespace {

TEST(PictureFiles, ImagesReadBackPixelForPixel) {
  QImage image = BlankImage(40, 30);
  image.setPixelColor(3, 4, QColor(10, 200, 30));
  for (ImageFormat format : {ImageFormat::Png, ImageFormat::Bmp}) {
    const std::optional<std::string> bytes = ImageBytes(image, format);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, format == ImageFormat::Png ? 4 : 2),
              format == ImageFormat::Png ? "\x89PNG" : "BM");
    const QImage back = QImage::fromData(reinterpret_cast<const uchar*>(bytes->data()),
                                         static_cast<int>(bytes->size()));
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), image);
  }
}

TEST(PictureFiles, PdfHasOnePagePerSheetOfTheGivenSize) {
  int drawn = 0;
  double width = 0;
  const std::optional<std::string> bytes = PdfBytes(
      QSizeF(210, 297), 3, "Test", [&](QPainter& painter, int page, const ViewState& paper) {
        EXPECT_EQ(page, drawn);
        ++drawn;
        width = paper.Width / paper.Scale;
        painter.fillRect(QRect(0, 0, paper.Width / 2, paper.Height / 2), Qt::black);
      });
  ASSERT_TRUE(bytes);
  EXPECT_EQ(drawn, 3);
  EXPECT_NEAR(width, 210, 0.5);
  EXPECT_EQ(bytes->substr(0, 5), "%PDF-");
  std::size_t pages = 0;
  for (std::size_t at = bytes->find("/Type /Page\n"); at != std::string::npos;
       at = bytes->find("/Type /Page\n", at + 1))
    ++pages;
  EXPECT_EQ(pages, 3u);
}

} // namespace
} // namespace strandel
