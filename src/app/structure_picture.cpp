#include "app/structure_picture.h"

#include <QPainter>

#include "generator/structures.h"
#include "render/model_picture.h"

namespace strandel {

QImage StructurePicture(StructureKind kind, QSize size, const AppSettings& settings) {
  GeneratorParameters example;
  ApplyKindPreset(example, kind);
  ModelDocument doc;
  GenerateStructure(doc, example, settings.LastBeamStr, NewDocumentSizes(settings));
  // Numbers and group names would crowd a picture this small.
  AppSettings shown = settings;
  shown.ShowNodeNumbers = shown.ShowSuppNumbers = shown.ShowBeamNumbers = false;
  shown.ShowBeamGroups = shown.ShowBeamDirection = shown.ShowLoadValues = false;
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  DrawModel(painter, doc, shown, FittedView(doc, size.width(), size.height()));
  return image;
}

} // namespace strandel
