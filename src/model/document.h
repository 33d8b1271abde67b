#pragma once
// The document record: the one model of the running program, owning the ordered
// list of model objects (kinds mixed, in creation order), the history texts, the
// document's settings (drawing sizes, dimensioning switches, ...) and the
// solver's segment list.

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "model/load_cases.h"
#include "model/objects.h"
#include "model/segment.h"

namespace strandel {

class UserMessages;

// The version a new document records as its creation version.
inline constexpr const char* kCreationVersion = "3.1.4";

// The drawing sizes a new document starts from (the settings' last values).
struct DocumentSizes {
  double BeamHeight = 0.11;
  double TxtHeight = 0.11;
  double LoadHeight = 0.30;
};

// The values a document holds besides its objects that are part of the model:
// each is stored in the document file and taken back by undo as a whole. Not
// here: the history texts (a save stamps them and undo must not take a save
// back), the file name, the displacement scale (a view setting the file does not
// keep) and the states that follow from the model (Modified, ResultsValid and
// the result displays). A value added here is kept by undo without further
// code; the document file's reader and writer name each value.
struct DocumentSettings {
  // Dimensioning switches.
  bool FailHazRed = true;
  bool DimUncertRed = true;
  bool LatBuckRed = true;
  bool LocBuckRed = true;
  bool LoadDurRed = true;
  bool AirMoistRed = true;
  bool OwnWeight = true;
  // Solve the ultimate combinations to second order (P-delta); off in every
  // document written before the switch had a key of its own.
  bool SecondOrder = false;
  double BeamHeight = 0.11;    // drawing size of beams and nodes, model length units
  double TxtHeight = 0.11;     // label height, model length units
  double LoadHeight = 0.30;    // drawing size of loads and arrows, model length units
  std::string VariableStr;     // optimizer variables and constraints
  std::int32_t FBDBeamNo = -1; // beam shown on the beam-diagram page; -1 none
  // The load cases and combinations; none for a document of one load set.
  std::vector<TLoadCase> LoadCases;
  std::vector<TCombination> Combinations;
  // The result shown and listed (model/result_choice.h); empty for the default.
  std::string ResultSet;

  bool operator==(const DocumentSettings&) const = default;
};

struct ModelDocument {
  std::string FileName = "Noname.qsd"; // without folder
  std::string LastModDate = "?";
  std::string LastModByUser = "?";
  std::string CreatedDate = "?";
  std::string CreatedByUser = "?";
  std::string CreationVersion = "?";
  DocumentSettings Settings;
  double DisplacementScale = 0; // exaggeration of the displaced shape; 0 = automatic
  // Owned; a reference to an object stays valid while the list grows.
  std::vector<std::unique_ptr<GraphObject>> GraphObjects;
  bool Modified = false;
  bool ResultsValid = false;
  bool ShowDisplacements = false;
  bool ShowUtilisation = false;
  // The solver's elements, rebuilt on every analysis.
  std::vector<TSegmentObject> Segments;
  // The load cases, with their factors, whose loads the results in the
  // segments and supports are of (one case, or a combination); empty in a
  // document without cases, where every load counts once.
  std::vector<CaseFactor> ResultFactors;
};

// Iterates the objects of one kind in list order: for (TBeamObject& b :
// ObjectsOf<TBeamObject>(doc)).
template <class T, class List> class KindRange {
public:
  class Iterator {
  public:
    using Inner = decltype(std::declval<List&>().begin());
    Iterator(Inner at, Inner end) : at_(at), end_(end) { Skip(); }
    auto& operator*() const { return std::get<T>(**at_); }
    Iterator& operator++() {
      ++at_;
      Skip();
      return *this;
    }
    bool operator!=(const Iterator& other) const { return at_ != other.at_; }

  private:
    void Skip() {
      while (at_ != end_ && !std::holds_alternative<T>(**at_))
        ++at_;
    }
    Inner at_, end_;
  };
  explicit KindRange(List& list) : list_(list) {}
  Iterator begin() const { return Iterator(list_.begin(), list_.end()); }
  Iterator end() const { return Iterator(list_.end(), list_.end()); }

private:
  List& list_;
};

template <class T>
KindRange<T, std::vector<std::unique_ptr<GraphObject>>> ObjectsOf(ModelDocument& doc) {
  return KindRange<T, std::vector<std::unique_ptr<GraphObject>>>(doc.GraphObjects);
}
template <class T>
KindRange<T, const std::vector<std::unique_ptr<GraphObject>>> ObjectsOf(const ModelDocument& doc) {
  return KindRange<T, const std::vector<std::unique_ptr<GraphObject>>>(doc.GraphObjects);
}

// The object at `index` in the model list when it is a T (ObjectAt<GraphObject>
// takes any kind), else null: an index outside the list or an object of another
// kind, as a stale index (a dialog opened before a delete) may give.
template <class T> const T* ObjectAt(const ModelDocument& doc, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= doc.GraphObjects.size()) return nullptr;
  const GraphObject* object = doc.GraphObjects[static_cast<std::size_t>(index)].get();
  if constexpr (std::is_same_v<T, GraphObject>)
    return object;
  else
    return std::get_if<T>(object);
}
template <class T> T* ObjectAt(ModelDocument& doc, int index) {
  // The document is not const here, so neither is the object found in it.
  return const_cast<T*>(ObjectAt<T>(std::as_const(doc), index));
}

// Appends a new object of the kind with its class defaults and returns it; the
// caller sets its fields.
template <class T> T& AppendObject(ModelDocument& doc) {
  doc.GraphObjects.push_back(std::make_unique<GraphObject>(T{}));
  return std::get<T>(*doc.GraphObjects.back());
}

// The largest number among the objects of the kind plus 1; 1 when there are none.
// Numbers stay within 1..65535: past the top the lowest free number is used.
long NextNumber(const ModelDocument& doc, ObjectKind kind);

// The first object of the kind with that number in list order, or null.
TNodeObject* FindNode(ModelDocument& doc, long number);
TBeamObject* FindBeam(ModelDocument& doc, long number);
TSupportObject* FindSupport(ModelDocument& doc, long number);
TLoadObject* FindLoad(ModelDocument& doc, long number);
TForceObject* FindForce(ModelDocument& doc, long number);
TMomentObject* FindMoment(ModelDocument& doc, long number);
const TNodeObject* FindNode(const ModelDocument& doc, long number);
const TBeamObject* FindBeam(const ModelDocument& doc, long number);

// Position of the object in the list, or -1.
int IndexOfObject(const ModelDocument& doc, const GraphObject* object);

void SelectAll(ModelDocument& doc, bool flag);

// Destroys every object and empties the segment list.
void ClearModel(ModelDocument& doc);

// The results no longer match the model: clears ResultsValid and switches the
// displacement and utilisation displays off. Every change of the model calls it.
void InvalidateResults(ModelDocument& doc);

// How many times a load of the case acts in the results the model holds: 1 in
// a document without cases, 0 for a case the result does not take.
double ResultLoadFactor(const ModelDocument& doc, long loadCase);
// How many times the beams' own weight acts there: 0 with the switch off.
double ResultOwnWeightFactor(const ModelDocument& doc);

// Resets the record for a new model: "Noname.qsd", the given drawing sizes, no
// objects, created today by the current user with version 3.1.4, every
// dimensioning switch on.
void NewDocument(ModelDocument& doc, const DocumentSizes& sizes);

// Copies the beam properties of `source` onto `target`. With identity also the
// number, nodes, end flags, group and coordinates; the selection never. Without a
// source it says "invalid copy" and changes nothing.
void CopyBeam(const TBeamObject* source, TBeamObject& target, bool withIdentity,
              UserMessages& messages);

// The Delete command on the selected objects: moments, forces, loads and supports
// first; then beams that no node lies on (with the loads on them); then nodes
// that nothing refers to any more.
void DeleteSelected(ModelDocument& doc);

} // namespace strandel
