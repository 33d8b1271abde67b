#include "render/model_picture.h"

#include <type_traits>
#include <variant>

#include "render/beam_symbol.h"
#include "render/displaced_shape.h"
#include "render/grid_drawing.h"
#include "render/label_space.h"
#include "render/label_texts.h"
#include "render/load_symbols.h"
#include "render/node_symbol.h"
#include "render/pixel_mapping.h"
#include "render/support_symbol.h"
#include "render/utilisation_picture.h"
#include "view/model_extents.h"

namespace strandel {
namespace {

// Labels stand 1.5 BeamHeight high.
constexpr double kLabelHeightFactor = 1.5;

// How strongly a load of another case than the one shown is drawn.
constexpr double kFadedOpacity = 0.25;

template <class T, class Draw> void EachOf(const ModelDocument& doc, Draw draw) {
  for (const T& object : ObjectsOf<T>(doc))
    draw(object);
}

template <class T> bool IsFaded(const T& object, const ModelPictureOptions& options) {
  if constexpr (std::is_same_v<T, TLoadObject> || std::is_same_v<T, TForceObject> ||
                std::is_same_v<T, TMomentObject>)
    return options.UnfadedCase && object.Case != *options.UnfadedCase;
  else
    return false;
}

// The loads, forces or moments, those of other cases than the one shown faded.
template <class T, class Draw>
void EachLoadOf(QPainter& painter, const ModelDocument& doc, const ModelPictureOptions& options,
                Draw draw) {
  for (const T& object : ObjectsOf<T>(doc)) {
    if (!IsFaded(object, options)) {
      draw(object);
      continue;
    }
    painter.save();
    painter.setOpacity(kFadedOpacity);
    draw(object);
    painter.restore();
  }
}

void DrawShadows(QPainter& painter, const ModelDocument& doc, const SymbolSizes& sizes,
                 const ViewState& view, const ModelPictureOptions& options) {
  const int offset = ShadowOffset(sizes, view);
  // A shadow right under its object would be hidden by it.
  if (offset == 0) return;
  painter.save();
  painter.translate(offset, offset);
  for (const auto& entry : doc.GraphObjects) {
    std::visit(
        [&](const auto& object) {
          using T = std::decay_t<decltype(object)>;
          if (IsFaded(object, options)) return;
          if constexpr (std::is_same_v<T, TNodeObject>)
            DrawNode(painter, object, DrawStyle::Shadow, sizes, view);
          else if constexpr (std::is_same_v<T, TBeamObject>)
            DrawBeam(painter, object, DrawStyle::Shadow, sizes, view, false);
          else if constexpr (std::is_same_v<T, TSupportObject>)
            DrawSupport(painter, object, DrawStyle::Shadow, sizes, view);
          else if constexpr (std::is_same_v<T, TLoadObject>)
            DrawLoad(painter, object, DrawStyle::Shadow, sizes, view);
          else if constexpr (std::is_same_v<T, TForceObject>)
            DrawForce(painter, object, DrawStyle::Shadow, sizes, view);
          else
            DrawMoment(painter, object, DrawStyle::Shadow, sizes, view);
        },
        *entry);
  }
  painter.restore();
}

// Loads first: where labels compete for room, the loads keep theirs.
void DrawLabels(QPainter& painter, const ModelDocument& doc, const AppSettings& settings,
                const SymbolSizes& sizes, const ViewState& view, const ModelPictureOptions& options,
                LabelSpace& space) {
  EachLoadOf<TLoadObject>(painter, doc, options, [&](const TLoadObject& load) {
    DrawLoadLabel(painter, load, LoadLabelText(load, settings.ShowLoadValues, settings.Units),
                  sizes, view, 0, &space);
  });
  EachLoadOf<TForceObject>(painter, doc, options, [&](const TForceObject& force) {
    DrawForceLabel(painter, force, ForceLabelText(force, settings.ShowLoadValues, settings.Units),
                   sizes, view, &space);
  });
  EachLoadOf<TMomentObject>(painter, doc, options, [&](const TMomentObject& moment) {
    DrawMomentLabel(painter, moment,
                    MomentLabelText(moment, settings.ShowLoadValues, settings.Units), sizes, view,
                    &space);
  });
  if (settings.ShowSuppNumbers)
    EachOf<TSupportObject>(doc, [&](const TSupportObject& support) {
      DrawSupportLabel(painter, support, sizes, view, &space);
    });
  if (settings.ShowBeamNumbers || settings.ShowBeamGroups) {
    EachOf<TBeamObject>(doc, [&](const TBeamObject& beam) {
      DrawBeamLabel(painter, beam,
                    BeamLabelText(beam, settings.ShowBeamNumbers, settings.ShowBeamGroups), sizes,
                    view, &space);
    });
  }
}

void DrawGuideLine(QPainter& painter, const std::pair<Point2, Point2>& line,
                   const ViewState& view) {
  QPen pen(Qt::black);
  pen.setWidthF(DevicePixels(painter, 1));
  painter.setPen(pen);
  painter.drawLine(PixelOf(view, line.first), PixelOf(view, line.second));
}

} // namespace

SymbolSizes ModelSizes(const ModelDocument& doc) {
  return {doc.Settings.BeamHeight, doc.Settings.LoadHeight,
          kLabelHeightFactor * doc.Settings.BeamHeight};
}

void DrawModel(QPainter& painter, const ModelDocument& doc, const AppSettings& settings,
               const ViewState& view, const ModelPictureOptions& options) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.fillRect(QRect(0, 0, view.Width, view.Height), Qt::white);
  const SymbolSizes sizes = ModelSizes(doc);
  LabelSpace labels;

  DrawShadows(painter, doc, sizes, view, options);
  if (options.Grid != nullptr) DrawGrid(painter, *options.Grid, view);
  EachLoadOf<TLoadObject>(painter, doc, options, [&](const TLoadObject& load) {
    DrawLoad(painter, load, DrawStyle::Body, sizes, view);
  });
  for (int rigidEnds = 0; rigidEnds <= 2; ++rigidEnds) {
    EachOf<TBeamObject>(doc, [&](const TBeamObject& beam) {
      if (RigidEnds(beam) == rigidEnds)
        DrawBeam(painter, beam, DrawStyle::Body, sizes, view, settings.ShowBeamDirection);
    });
  }
  if (doc.ResultsValid && doc.ShowUtilisation) DrawUtilisation(painter, doc, sizes, view, &labels);
  EachOf<TSupportObject>(doc, [&](const TSupportObject& support) {
    DrawSupport(painter, support, DrawStyle::Body, sizes, view);
  });
  EachOf<TNodeObject>(
      doc, [&](const TNodeObject& node) { DrawNode(painter, node, DrawStyle::Body, sizes, view); });
  EachLoadOf<TForceObject>(painter, doc, options, [&](const TForceObject& force) {
    DrawForce(painter, force, DrawStyle::Body, sizes, view);
  });
  EachLoadOf<TMomentObject>(painter, doc, options, [&](const TMomentObject& moment) {
    DrawMoment(painter, moment, DrawStyle::Body, sizes, view);
  });
  DrawLabels(painter, doc, settings, sizes, view, options, labels);
  if (settings.ShowNodeNumbers || options.ForceNodeNumbers) {
    EachOf<TNodeObject>(doc, [&](const TNodeObject& node) {
      DrawNode(painter, node, DrawStyle::Label, sizes, view, &labels);
    });
  }
  if (doc.ResultsValid && doc.ShowDisplacements)
    DrawDisplacedShape(painter, doc, view, ShownDisplacementScale(doc));
  if (options.Buckling != nullptr) DrawBucklingMode(painter, doc, view, *options.Buckling);
  if (options.GuideLine) DrawGuideLine(painter, *options.GuideLine, view);
  painter.restore();
}

ViewState FittedView(const ModelDocument& doc, int width, int height) {
  ViewState view;
  SetInitialView(view, width, height);
  ZoomToBox(view, ModelExtents(doc));
  return view;
}

} // namespace strandel
