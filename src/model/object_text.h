#pragma once
// The one-line text form of every model object: fields separated by ";", field 1
// the kind code. Documents store one line per object; the settings keep the
// template beam in the same form.
//
// Every number reads back as exactly the value written. The beam line writes the
// three-digit form wherever that reads back exactly, as it always has (so older
// documents keep their text and older readers read any beam), and the fewest
// digits that do elsewhere; the other lines write fifteen digits, or more where
// fifteen would round.

#include <string>
#include <string_view>

#include "model/document.h"
#include "model/load_cases.h"
#include "model/read_result.h"

namespace strandel {

// The fields of the beam line, numbered from 1 as they stand in the line (field
// 1 the kind code, "2"). The numbers between are written empty and read by no
// one; the writer writes every field up to the last.
namespace beam_field {
enum : int {
  Kind = 1,
  Number = 2,
  Node1 = 3,
  Node2 = 4,
  Locked1 = 5,
  Locked2 = 6,
  Braced = 7,
  X1 = 9,
  Y1 = 10,
  X2 = 11,
  Y2 = 12,
  BeamGroup = 13,
  MtrlName = 14,
  MtrlType = 15,
  MtrlDesc = 16,
  HardenAble = 17,
  Ftk = 23,
  Fck = 24,
  Fmk = 25,
  Ek = 26,
  Dens = 28,
  ShapeNo = 50,
  ProfName = 51,
  B = 58,
  H = 59,
  TL = 60,
  TF = 61,
  SafetyClass = 67,
  ClimateZone = 68,
  LoadDuration = 69,
  Manufacture = 70,
  DimControl = 71,
  BeamColor = 78,
  TxtPos = 79,
  Count = TxtPos,
};
} // namespace beam_field

// The load case of a support, load, force or moment is written (as the field
// after the others) only in a document that has load cases: `withCase`.
std::string WriteText(const TNodeObject& node);
std::string WriteText(const TBeamObject& beam);
std::string WriteText(const TSupportObject& support, bool withCase = false);
std::string WriteText(const TLoadObject& load, bool withCase = false);
std::string WriteText(const TForceObject& force, bool withCase = false);
std::string WriteText(const TMomentObject& moment, bool withCase = false);
std::string WriteText(const GraphObject& object, bool withCase = false);

// A load case: 7;Number;Name;Category;Duration;Psi0;Psi1;Psi2;SelfWeight.
// A combination: 8;Number;Name;Kind;Case;Factor;Case;Factor;...
std::string WriteText(const TLoadCase& loadCase);
std::string WriteText(const TCombination& combination);
// An unknown category or kind, a duration outside 0..4 or a case number that is
// not an integer ends the reading with a message naming the text.
ReadResult ReadText(std::string_view line, TLoadCase& loadCase);
ReadResult ReadText(std::string_view line, TCombination& combination);

// Fill the object from its line. Missing or empty fields take the line's
// defaults; a missing number is NextNumber of the kind in `doc`. An integer field
// that is not an integer, or a 16-bit field outside 0..65535, ends the reading
// with a message naming the text; the fields read until then are set.
// Every reading clears Selected (and a node's Provisional); a beam's profile is
// normalised (model/profile_size.h), so a beam enters the model as the section
// values use it.
ReadResult ReadText(std::string_view line, TNodeObject& node, const ModelDocument& doc);
ReadResult ReadText(std::string_view line, TBeamObject& beam, const ModelDocument& doc);
ReadResult ReadText(std::string_view line, TSupportObject& support, const ModelDocument& doc);
ReadResult ReadText(std::string_view line, TLoadObject& load, const ModelDocument& doc);
ReadResult ReadText(std::string_view line, TForceObject& force, const ModelDocument& doc);
ReadResult ReadText(std::string_view line, TMomentObject& moment, const ModelDocument& doc);

// The kind code of a line (field 1, "0" when empty); a message when it is not an integer.
ReadResult ReadKindCode(std::string_view line, int& kindCode);

// How many fields the writer always writes for a line of the kind: a line with
// fewer was either written by hand (the missing fields take their defaults) or
// cut off. 0 for a kind code that is not a model object's.
int WrittenFieldCount(int kindCode);

// Appends a new beam read from the template text (the settings' LastBeamStr), so
// a new beam takes the material and profile of the last one edited. The caller
// then sets its number, nodes and coordinates. A damaged template gives a beam
// with every default of the beam line.
TBeamObject& AppendBeamFromTemplate(ModelDocument& doc, std::string_view templateText);

// The description as stored in its field: every line break as "#13#10".
std::string EncodeDescription(std::string_view description);
std::string DecodeDescription(std::string_view stored);

} // namespace strandel
