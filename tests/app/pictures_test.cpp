// The program's pictures: every tool-bar icon exists and draws at any size,
// and the splash picture has its size and its "Loading..." line.

#include <QTest>

#include "app/app_test_registry.h"
#include "app/splash_window.h"
#include "app/tool_icons.h"

namespace strandel {

class PicturesTest : public QObject {
  Q_OBJECT
private slots:
  void EveryToolIconDrawsAtAnySize() {
    const char* names[] = {"create_node",
                           "create_beam",
                           "create_support",
                           "create_load",
                           "create_force",
                           "create_moment",
                           "zoom_out",
                           "zoom_in",
                           "zoom_window",
                           "zoom_extents",
                           "zoom_back",
                           "pan",
                           "grid_cartesian",
                           "grid_angulated",
                           "grid_polar",
                           "show_displacements",
                           "show_utilisation",
                           "scale_beam",
                           "scale_load",
                           "scale_displacement",
                           "diagram_normal_force",
                           "diagram_shear_force",
                           "diagram_moment",
                           "diagram_rotation",
                           "diagram_displacement",
                           "diagram_stress",
                           "diagram_utilisation",
                           "report_menu",
                           "strandel"};
    for (const char* name : names) {
      const QIcon icon = ToolIcon(name);
      for (int size : {16, 24, 64}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        QVERIFY2(!image.isNull(), name);
        QCOMPARE(image.width(), size);
        // Something is drawn: not every pixel is transparent.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y)
          for (int x = 0; x < image.width() && !drawn; ++x)
            drawn = qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(drawn, name);
      }
    }
  }

  void TheSplashSaysLoading() {
    const QImage splash = SplashPicture().toImage();
    QCOMPARE(splash.size(), QSize(481, 322));
    // "Loading..." in white near (381, 300), on the picture's dark blue.
    int white = 0;
    for (int y = 286; y < 304; ++y)
      for (int x = 381; x < 470; ++x)
        white += splash.pixelColor(x, y) == QColor(Qt::white);
    QVERIFY(white > 30);
    QVERIFY(splash.pixelColor(5, 5).blue() > splash.pixelColor(5, 5).red());
    SplashWindow window;
    QCOMPARE(window.size(), QSize(481, 322));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
  }
};

STRANDEL_APP_TEST(PicturesTest);

} // namespace strandel

#include "pictures_test.moc"
