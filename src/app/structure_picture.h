#pragma once
// The picture beside the structure generator's fields: an example of each kind
// at its preset dimensions, generated and drawn by the model renderer, so the
// program ships no pictures and each one shows what the generator really makes.

#include <QImage>
#include <QSize>

#include "generator/generator_parameters.h"
#include "model/app_settings.h"

namespace strandel {

// The example of `kind` at its presets, with the template beam and drawing
// sizes of the settings, fitted into `size` pixels on white, without labels.
QImage StructurePicture(StructureKind kind, QSize size, const AppSettings& settings);

} // namespace strandel
