// Every number of a document reads back as the value that was written: values
// typed with every digit survive a save, and documents the program wrote keep
// their text byte for byte however often they are saved again.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/number_text.h"
#include "model/document_file.h"
#include "sections/profile.h"
#include "support/frame_models.h"
#include "support/temp_folder.h"

namespace strandel {
namespace {

// A small random source, the same sequence on every run.
class Numbers {
public:
  std::uint64_t Next() {
    state_ ^= state_ << 13, state_ ^= state_ >> 7, state_ ^= state_ << 17;
    return state_;
  }
  // Values as they reach a document: a decimal of 1 to 17 digits as typed, a
  // ratio, an angle from a rotation, or any double at all; of every magnitude.
  double Value() {
    const int digits = static_cast<int>(Next() % 17) + 1;
    const int exponent = static_cast<int>(Next() % 24) - 12;
    const double sign = Next() % 3 ? 1 : -1;
    switch (Next() % 4) {
    case 0: {
      std::string text = std::to_string(Next() % 9 + 1);
      for (int i = 1; i < digits; ++i)
        text += static_cast<char>('0' + Next() % 10);
      return sign * ParseNumber(text + "E" + std::to_string(exponent - digits));
    }
    case 1:
      return sign * static_cast<double>(Next() % 1000 + 1) / static_cast<double>(Next() % 97 + 3);
    case 2:
      return std::atan2(sign, static_cast<double>(Next() % 7) - 3);
    default:
      return sign * (static_cast<double>(Next() >> 11) / 9007199254740992.0) *
             std::pow(10.0, exponent);
    }
  }

private:
  std::uint64_t state_ = 0x2545F4914F6CDD1Dull;
};

ModelDocument RandomModel(Numbers& n) {
  ModelDocument doc = testing::EmptyModel();
  doc.Settings.BeamHeight = std::fabs(n.Value());
  const int nodes = 2 + static_cast<int>(n.Next() % 5);
  for (int i = 1; i <= nodes; ++i)
    testing::AddNode(doc, i, n.Value(), n.Value());
  for (int i = 1; i < nodes; ++i) {
    TBeamObject& beam = testing::AddBeam(doc, i, i, i + 1);
    beam.ProfName = "Solid";
    beam.B = n.Value();
    beam.H = n.Value();
    beam.TL = n.Value();
    beam.Ek = n.Value();
    beam.Dens = n.Value();
    beam.TxtPos = n.Value();
    // A beam holds only dimensions its profile allows: they are clamped where
    // beams enter the model, so only those reach a document.
    NormaliseProfile(beam);
    testing::AddLoad(doc, i, i, i, i + 1, n.Value(), n.Value()).TxtPos = n.Value();
  }
  TSupportObject& support = testing::AddSupport(doc, 1, 1);
  support.DX = n.Value();
  support.DRot = n.Value();
  testing::AddForce(doc, 1, 2, n.Value(), n.Value());
  testing::AddMoment(doc, 1, 1, n.Value());
  return doc;
}

// Every number of the objects, in list order.
std::vector<double> NumbersOf(const ModelDocument& doc) {
  std::vector<double> values = {doc.Settings.BeamHeight, doc.Settings.TxtHeight,
                                doc.Settings.LoadHeight};
  for (const TNodeObject& o : ObjectsOf<TNodeObject>(doc))
    values.insert(values.end(), {o.X, o.Y, o.PositionOnBeam});
  for (const TBeamObject& o : ObjectsOf<TBeamObject>(doc))
    values.insert(values.end(), {o.X1, o.Y1, o.X2, o.Y2, o.B, o.H, o.TL, o.TF, o.Ftk, o.Fck, o.Fmk,
                                 o.Ek, o.Dens, o.TxtPos});
  for (const TLoadObject& o : ObjectsOf<TLoadObject>(doc))
    values.insert(values.end(), {o.X1, o.Y1, o.X2, o.Y2, o.Angle, o.Value, o.TxtPos});
  for (const TSupportObject& o : ObjectsOf<TSupportObject>(doc))
    values.insert(values.end(), {o.DX, o.DY, o.DRot, o.X, o.Y});
  for (const TForceObject& o : ObjectsOf<TForceObject>(doc))
    values.insert(values.end(), {o.X, o.Y, o.Angle, o.Value});
  for (const TMomentObject& o : ObjectsOf<TMomentObject>(doc))
    values.insert(values.end(), {o.X, o.Y, o.Angle, o.Value});
  return values;
}

TEST(DocumentNumbers, ValuesOfEveryKindAndSizeSurviveASaveBitForBit) {
  Numbers n;
  for (int model = 0; model < 300; ++model) {
    const ModelDocument doc = RandomModel(n);
    const std::string text = WriteDocumentText(doc);
    ModelDocument back;
    ASSERT_TRUE(ReadDocumentText(text, back).ok);
    const std::vector<double> written = NumbersOf(doc);
    const std::vector<double> read = NumbersOf(back);
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
      ASSERT_EQ(read[i], written[i]) << "model " << model << ", number " << i << "\n" << text;
    // Saved again, the document is the same text.
    EXPECT_EQ(WriteDocumentText(back), text);
  }
}

} // namespace
} // namespace strandel
