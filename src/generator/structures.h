#pragma once
// The five parametric structures of the generator. Generating replaces the model
// by a new document holding the structure, with fixed numbering, group names, end
// conditions, colours, loads and supports; the beams take their material and
// profile from the template beam.

#include <string>

#include "generator/generator_parameters.h"
#include "model/document.h"

namespace strandel {

// The template grey with each colour component multiplied by `factor` and
// truncated: 0.7 gives $8E8E8E, 0.8 $A3A3A3, 0.9 $B7B7B7.
std::uint32_t DarkenedGrey(double factor);

// The building blocks, each appending one object numbered NextNumber of its kind.
TNodeObject& GenNode(ModelDocument& doc, int hostBeam, double x, double y, double beamPos);
TBeamObject& GenBeam(ModelDocument& doc, const std::string& templateBeam, bool locked1,
                     bool locked2, int node1, double x1, double y1, double x2, double y2, int node2,
                     const std::string& group, std::uint32_t colour, double txtPos);
TLoadObject& GenLoad(ModelDocument& doc, int hostBeam, int node1, int node2, double x1, double y1,
                     double x2, double y2, double value);
TSupportObject& GenSupport(ModelDocument& doc, int node, bool rolled, double x, double y);

// Clears the model, starts a new document with the given drawing sizes, builds
// the structure of the parameters' kind and marks the document modified.
void GenerateStructure(ModelDocument& doc, const GeneratorParameters& parameters,
                       const std::string& templateBeam, const DocumentSizes& sizes);

} // namespace strandel
