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

} // namespace
} // namespace strandel
