#include "model/object_text.h"

#include <algorithm>
#include <vector>

#include "common/number_text.h"
#include "common/record.h"
#include "common/text.h"
#include "model/colour_text.h"
#include "model/profile_limits.h"
#include "model/profile_size.h"

namespace strandel {
namespace {

// Reads the fields of one line, stopping at the first integer that is not one.
class LineReader {
public:
  explicit LineReader(std::string_view line) : fields_(line) {}

  bool Ok() const { return result_.ok; }
  ReadResult Result() const { return result_; }

  std::string Text(int n, std::string_view fallback) const { return fields_.At(n, fallback); }
  double Number(int n, double fallback) const {
    const std::string text = fields_.At(n, "");
    return text.empty() ? fallback : ParseNumber(text);
  }
  bool Bool(int n, bool fallback) const {
    const std::string text = fields_.At(n, "");
    return text.empty() ? fallback : ParseBool(text);
  }

  // A 32-bit signed field; `fallback` is the default text.
  template <class T> void Integer(int n, std::string_view fallback, T& target) {
    if (!result_.ok) return;
    const std::string text = fields_.At(n, fallback);
    const std::optional<std::int32_t> value = ParseStrictInteger(text);
    if (!value) {
      Fail(InvalidIntegerMessage(text));
      return;
    }
    target = static_cast<T>(*value);
  }
  // A 16-bit unsigned field.
  void Word(int n, std::string_view fallback, std::uint16_t& target) {
    std::int32_t value = 0;
    const std::string text = fields_.At(n, fallback);
    Integer(n, fallback, value);
    if (!result_.ok) return;
    if (value < 0 || value > 65535) {
      Fail(OutOfRangeMessage(text, 0, 65535));
      return;
    }
    target = static_cast<std::uint16_t>(value);
  }
  // A 16-bit field stored as a number and rounded to the nearest integer.
  void RoundedWord(int n, std::string_view fallback, std::uint16_t& target) {
    if (!result_.ok) return;
    const std::string text = fields_.At(n, fallback);
    const long long value = RoundHalfEven(ParseNumber(text));
    if (value < 0 || value > 65535) {
      Fail(OutOfRangeMessage(text, 0, 65535));
      return;
    }
    target = static_cast<std::uint16_t>(value);
  }
  void Color(int n, std::string_view fallback, std::uint32_t& target) {
    if (!result_.ok) return;
    const std::string text = fields_.At(n, fallback);
    const std::optional<std::uint32_t> value = ParseColorText(text);
    if (!value) {
      Fail(InvalidIntegerMessage(text));
      return;
    }
    target = *value;
  }

private:
  void Fail(std::string message) {
    result_.ok = false;
    result_.message = std::move(message);
  }

  FieldList fields_;
  ReadResult result_;
};

// The default of an absent object number: the next number of the kind. Worked
// out only when needed, since it looks at every object of the document.
std::string NumberFallback(const LineReader& reader, const ModelDocument& doc, ObjectKind kind) {
  if (!reader.Text(2, "").empty()) return "";
  return std::to_string(NextNumber(doc, kind));
}

std::string Num(double x) {
  return FormatGeneral(x);
}

// The fields of one beam line being written, addressed by their numbers.
class BeamFields {
public:
  void Set(int n, std::string value) { (*this)[n] = std::move(value); }
  std::string& operator[](int n) { return fields_[static_cast<std::size_t>(n - 1)]; }
  std::string Line() const { return JoinFields(fields_); }

private:
  std::vector<std::string> fields_ = std::vector<std::string>(beam_field::Count);
};

// Text fields of the beam line: ";" would split the field, line ends the line.
std::string SafeField(std::string_view text) {
  std::string field;
  field.reserve(text.size());
  for (char c : text) {
    if (c == ';') {
      field.push_back(',');
    } else if (c != '\r' && c != '\n') {
      field.push_back(c);
    }
  }
  return field;
}

// Cuts the stored description so the whole line stays within the readable length;
// an escape cut in half would read back as stray characters, so it goes whole.
std::string ShortenedDescription(const std::string& stored, std::size_t excess) {
  const std::size_t keep = CharacterCount(stored) > excess ? CharacterCount(stored) - excess : 0;
  std::string shortened = LeftStr(stored, keep);
  const std::string escape = "#13#10";
  for (std::size_t partial = escape.size() - 1; partial > 0; --partial) {
    if (EndsWith(shortened, escape.substr(0, partial))) {
      shortened.resize(shortened.size() - partial);
      break;
    }
  }
  return shortened;
}

// When the description alone cannot make room (names read from long file names
// or damaged files), the group, material, type and profile names are cut to one
// common length, the longest first. The numbers and choices after them must
// survive, and a type cut to that length (well above nine characters, since the
// rest of the line is short) can never turn into one of the three known types.
void ShortenNames(BeamFields& fields, std::size_t excess) {
  using namespace beam_field;
  constexpr int kNames[] = {BeamGroup, MtrlName, MtrlType, ProfName};
  std::size_t longest = 0;
  for (int n : kNames)
    longest = std::max(longest, CharacterCount(fields[n]));
  std::size_t cut = 0;
  std::size_t cap = longest;
  while (cut < excess && cap > 0) {
    --cap;
    for (int n : kNames)
      cut += CharacterCount(fields[n]) > cap ? 1 : 0;
  }
  for (int n : kNames) {
    if (CharacterCount(fields[n]) > cap) fields[n] = LeftStr(fields[n], cap);
  }
}

} // namespace

std::string EncodeDescription(std::string_view description) {
  std::string stored;
  for (std::size_t i = 0; i < description.size(); ++i) {
    const char c = description[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < description.size() && description[i + 1] == '\n') ++i;
      stored += "#13#10";
    } else if (c == ';') {
      stored.push_back(',');
    } else {
      stored.push_back(c);
    }
  }
  return stored;
}

std::string DecodeDescription(std::string_view stored) {
  return ReplaceAll(stored, "#13#10", "\r\n");
}

std::string WriteText(const TNodeObject& node) {
  return JoinFields({"1", std::to_string(node.Number), Num(node.X), Num(node.Y),
                     Num(node.PositionOnBeam), std::to_string(node.HostBeam)});
}

std::string WriteText(const TBeamObject& beam) {
  using namespace beam_field;
  BeamFields f;
  f.Set(Kind, "2");
  f.Set(Number, std::to_string(beam.Number));
  f.Set(Node1, std::to_string(beam.Node1));
  f.Set(Node2, std::to_string(beam.Node2));
  f.Set(Locked1, BoolText(beam.Locked1));
  f.Set(Locked2, BoolText(beam.Locked2));
  f.Set(Braced, BoolText(beam.Braced));
  f.Set(X1, FormatValueExact(beam.X1));
  f.Set(Y1, FormatValueExact(beam.Y1));
  f.Set(X2, FormatValueExact(beam.X2));
  f.Set(Y2, FormatValueExact(beam.Y2));
  f.Set(BeamGroup, SafeField(beam.BeamGroup));
  f.Set(MtrlName, SafeField(beam.MtrlName));
  f.Set(MtrlType, SafeField(beam.MtrlType));
  f.Set(MtrlDesc, EncodeDescription(beam.MtrlDesc));
  f.Set(HardenAble, BoolText(beam.HardenAble));
  f.Set(Ftk, FormatValueExact(beam.Ftk));
  f.Set(Fck, FormatValueExact(beam.Fck));
  f.Set(Fmk, FormatValueExact(beam.Fmk));
  f.Set(Ek, FormatValueExact(beam.Ek));
  f.Set(Dens, FormatValueExact(beam.Dens));
  f.Set(ShapeNo, std::to_string(beam.ShapeNo));
  f.Set(ProfName, SafeField(beam.ProfName));
  f.Set(B, FormatValueExact(beam.B));
  f.Set(H, FormatValueExact(beam.H));
  f.Set(TL, FormatValueExact(beam.TL));
  f.Set(TF, FormatValueExact(beam.TF));
  f.Set(SafetyClass, std::to_string(beam.SafetyClass));
  f.Set(ClimateZone, std::to_string(beam.ClimateZone));
  f.Set(LoadDuration, std::to_string(beam.LoadDuration));
  f.Set(Manufacture, std::to_string(beam.Manufacture));
  f.Set(DimControl, std::to_string(beam.DimControl));
  f.Set(BeamColor, ColorText(beam.BeamColor));
  f.Set(TxtPos, FormatValueExact(beam.TxtPos));
  std::string line = f.Line();
  const std::size_t length = CharacterCount(line);
  if (length > kMaxStoredLineLength) {
    f[MtrlDesc] = ShortenedDescription(f[MtrlDesc], length - kMaxStoredLineLength);
    line = f.Line();
  }
  if (CharacterCount(line) > kMaxStoredLineLength) {
    ShortenNames(f, CharacterCount(line) - kMaxStoredLineLength);
    line = f.Line();
  }
  return line;
}

namespace {

std::string WithCase(std::vector<std::string> fields, bool withCase, std::uint16_t loadCase) {
  if (withCase) fields.push_back(std::to_string(loadCase));
  return JoinFields(fields);
}

} // namespace

std::string WriteText(const TSupportObject& support, bool withCase) {
  return WithCase({"3", std::to_string(support.Number), std::to_string(support.NodeNo),
                   Num(support.DX), Num(support.DY), Num(support.DRot), Num(support.X),
                   Num(support.Y), std::to_string(support.Direction), BoolText(support.Locked),
                   BoolText(support.Rolled)},
                  withCase, support.Case);
}

std::string WriteText(const TLoadObject& load, bool withCase) {
  return WithCase({"4", std::to_string(load.Number), std::to_string(load.Node1),
                   std::to_string(load.Node2), std::to_string(load.HostBeam), Num(load.X1),
                   Num(load.Y1), Num(load.X2), Num(load.Y2), Num(load.Angle), Num(load.Value),
                   Num(load.TxtPos)},
                  withCase, load.Case);
}

std::string WriteText(const TForceObject& force, bool withCase) {
  return WithCase({"5", std::to_string(force.Number), std::to_string(force.NodeNo), Num(force.X),
                   Num(force.Y), Num(force.Angle), Num(force.Value)},
                  withCase, force.Case);
}

std::string WriteText(const TMomentObject& moment, bool withCase) {
  return WithCase({"6", std::to_string(moment.Number), std::to_string(moment.NodeNo), Num(moment.X),
                   Num(moment.Y), Num(moment.Angle), Num(moment.Value)},
                  withCase, moment.Case);
}

std::string WriteText(const GraphObject& object, bool withCase) {
  return std::visit(
      [withCase](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TNodeObject> || std::is_same_v<T, TBeamObject>)
          return WriteText(o);
        else
          return WriteText(o, withCase);
      },
      object);
}

std::string WriteText(const TLoadCase& loadCase) {
  return JoinFields({"7", std::to_string(loadCase.Number), SafeField(loadCase.Name),
                     CategoryCode(loadCase.Category),
                     std::to_string(static_cast<int>(loadCase.Duration)), Num(loadCase.Psi0),
                     Num(loadCase.Psi1), Num(loadCase.Psi2), BoolText(loadCase.SelfWeight)});
}

std::string WriteText(const TCombination& combination) {
  std::vector<std::string> fields = {"8", std::to_string(combination.Number),
                                     SafeField(combination.Name),
                                     CombinationKindCode(combination.Kind)};
  for (const CaseFactor& part : combination.Factors) {
    fields.push_back(std::to_string(part.Case));
    fields.push_back(Num(part.Factor));
  }
  return JoinFields(fields);
}

ReadResult ReadKindCode(std::string_view line, int& kindCode) {
  // Only the first field: the rest of the line is read by the object's kind.
  LineReader reader(line.substr(0, line.find(';')));
  std::int32_t code = 0;
  reader.Integer(1, "0", code);
  kindCode = code;
  return reader.Result();
}

int WrittenFieldCount(int kindCode) {
  // Node, beam, support, load, force, moment: the forms of WriteText above.
  constexpr int kFields[] = {6, beam_field::Count, 11, 12, 7, 7, 9, 4};
  return kindCode >= 1 && kindCode <= 8 ? kFields[kindCode - 1] : 0;
}

ReadResult ReadText(std::string_view line, TNodeObject& node, const ModelDocument& doc) {
  LineReader r(line);
  node.Selected = false;
  node.Provisional = false;
  r.Word(2, NumberFallback(r, doc, ObjectKind::Node), node.Number);
  if (!r.Ok()) return r.Result();
  node.X = r.Number(3, 0);
  node.Y = r.Number(4, 1);
  node.PositionOnBeam = r.Number(5, 0);
  r.Integer(6, "-1", node.HostBeam);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TBeamObject& beam, const ModelDocument& doc) {
  using namespace beam_field;
  LineReader r(line);
  beam.Selected = false;
  r.Word(Number, NumberFallback(r, doc, ObjectKind::Beam), beam.Number);
  r.Word(Node1, "1", beam.Node1);
  r.Word(Node2, "2", beam.Node2);
  if (!r.Ok()) return r.Result();
  beam.Locked1 = r.Bool(Locked1, false);
  beam.Locked2 = r.Bool(Locked2, false);
  beam.Braced = r.Bool(Braced, false);
  beam.X1 = r.Number(X1, 0);
  beam.Y1 = r.Number(Y1, 0);
  beam.X2 = r.Number(X2, 1);
  beam.Y2 = r.Number(Y2, 1);
  beam.BeamGroup = r.Text(BeamGroup, "");
  beam.MtrlName = r.Text(MtrlName, "K12");
  beam.MtrlType = r.Text(MtrlType, "WOOD");
  beam.MtrlDesc = DecodeDescription(r.Text(MtrlDesc, ""));
  beam.HardenAble = r.Bool(HardenAble, false);
  beam.Ftk = r.Number(Ftk, 1e6);
  beam.Fck = r.Number(Fck, 1e6);
  beam.Fmk = r.Number(Fmk, 1e6);
  beam.Ek = r.Number(Ek, 1000e6);
  beam.Dens = r.Number(Dens, 7800);
  r.Word(ShapeNo, "1", beam.ShapeNo);
  if (!r.Ok()) return r.Result();
  beam.ProfName = r.Text(ProfName, "WOOD 10x10");
  beam.B = r.Number(B, 0.01);
  beam.H = r.Number(H, 0.01);
  beam.TL = r.Number(TL, 0.01);
  beam.TF = r.Number(TF, 0.01);
  r.Word(SafetyClass, "3", beam.SafetyClass);
  r.Word(ClimateZone, "3", beam.ClimateZone);
  r.RoundedWord(LoadDuration, "0", beam.LoadDuration);
  r.Word(Manufacture, "0", beam.Manufacture);
  r.Word(DimControl, "0", beam.DimControl);
  r.Color(BeamColor, "$CCCCCC", beam.BeamColor);
  if (!r.Ok()) return r.Result();
  beam.TxtPos = r.Number(TxtPos, 0.5);
  // A stored profile larger than the program allows enters the model clamped,
  // so nothing that only reads the beam later has to change it.
  NormaliseProfile(beam);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TSupportObject& support, const ModelDocument& doc) {
  LineReader r(line);
  support.Selected = false;
  r.Word(2, NumberFallback(r, doc, ObjectKind::Support), support.Number);
  r.Word(3, "1", support.NodeNo);
  if (!r.Ok()) return r.Result();
  support.DX = r.Number(4, 0);
  support.DY = r.Number(5, 0);
  support.DRot = r.Number(6, 0);
  support.X = r.Number(7, 0);
  support.Y = r.Number(8, 0);
  r.Word(9, "1", support.Direction);
  if (!r.Ok()) return r.Result();
  support.Locked = r.Bool(10, false);
  support.Rolled = r.Bool(11, false);
  r.Word(12, "1", support.Case);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TLoadObject& load, const ModelDocument& doc) {
  LineReader r(line);
  load.Selected = false;
  r.Word(2, NumberFallback(r, doc, ObjectKind::Load), load.Number);
  r.Integer(3, "1", load.Node1);
  r.Integer(4, "1", load.Node2);
  r.Integer(5, "1", load.HostBeam);
  if (!r.Ok()) return r.Result();
  load.X1 = r.Number(6, 0);
  load.Y1 = r.Number(7, 0);
  load.X2 = r.Number(8, 1);
  load.Y2 = r.Number(9, 1);
  load.Angle = r.Number(10, kPi / 2);
  load.Value = r.Number(11, 1);
  load.TxtPos = r.Number(12, 0.5);
  r.Word(13, "1", load.Case);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TForceObject& force, const ModelDocument& doc) {
  LineReader r(line);
  force.Selected = false;
  r.Integer(2, NumberFallback(r, doc, ObjectKind::Force), force.Number);
  r.Integer(3, "1", force.NodeNo);
  if (!r.Ok()) return r.Result();
  force.X = r.Number(4, 0);
  force.Y = r.Number(5, 0);
  force.Angle = r.Number(6, kPi / 2);
  force.Value = r.Number(7, 1);
  r.Word(8, "1", force.Case);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TMomentObject& moment, const ModelDocument& doc) {
  LineReader r(line);
  moment.Selected = false;
  r.Integer(2, NumberFallback(r, doc, ObjectKind::Moment), moment.Number);
  r.Integer(3, "1", moment.NodeNo);
  if (!r.Ok()) return r.Result();
  moment.X = r.Number(4, 0.5);
  moment.Y = r.Number(5, 0.5);
  moment.Angle = r.Number(6, kPi / 2);
  moment.Value = r.Number(7, 1);
  r.Word(8, "1", moment.Case);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TLoadCase& loadCase) {
  LineReader r(line);
  loadCase = TLoadCase{};
  r.Word(2, "1", loadCase.Number);
  if (!r.Ok()) return r.Result();
  loadCase.Name = r.Text(3, "");
  const std::string code = r.Text(4, "G");
  const std::optional<ActionCategory> category = CategoryFromCode(code);
  if (!category) return {false, "'" + code + "' is not a load case category"};
  loadCase = MakeLoadCase(loadCase.Number, loadCase.Name, *category);
  std::uint16_t duration = static_cast<std::uint16_t>(loadCase.Duration);
  r.Word(5, std::to_string(duration), duration);
  if (!r.Ok()) return r.Result();
  if (duration >= kDurationClassCount)
    return {false, OutOfRangeMessage(r.Text(5, ""), 0, kDurationClassCount - 1)};
  loadCase.Duration = static_cast<DurationClass>(duration);
  loadCase.Psi0 = r.Number(6, loadCase.Psi0);
  loadCase.Psi1 = r.Number(7, loadCase.Psi1);
  loadCase.Psi2 = r.Number(8, loadCase.Psi2);
  loadCase.SelfWeight = r.Bool(9, false);
  return r.Result();
}

ReadResult ReadText(std::string_view line, TCombination& combination) {
  LineReader r(line);
  combination = TCombination{};
  r.Word(2, "1", combination.Number);
  if (!r.Ok()) return r.Result();
  combination.Name = r.Text(3, "");
  const std::string code = r.Text(4, "ULS");
  const std::optional<CombinationKind> kind = CombinationKindFromCode(code);
  if (!kind) return {false, "'" + code + "' is not a kind of load combination"};
  combination.Kind = *kind;
  const int fields = FieldList(line).Count();
  for (int n = 5; n <= fields; n += 2) {
    if (n == fields && r.Text(n, "").empty()) break; // a trailing ";" written by hand
    CaseFactor part;
    r.Word(n, "", part.Case);
    if (!r.Ok()) return r.Result();
    part.Factor = r.Number(n + 1, 0);
    combination.Factors.push_back(part);
  }
  return r.Result();
}

TBeamObject& AppendBeamFromTemplate(ModelDocument& doc, std::string_view templateText) {
  TBeamObject& beam = AppendObject<TBeamObject>(doc);
  if (!ReadText(templateText, beam, doc).ok) {
    beam = TBeamObject{};
    ReadText("2", beam, doc);
  }
  return beam;
}

} // namespace strandel
