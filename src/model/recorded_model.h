#pragma once
// A copy of the document's model as it was last recorded, and the exact
// difference between that copy and the document now. A change keeps only the
// objects it touched, as copies of the objects themselves: re-reading a whole
// document is far too slow to take one step back on a large model.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/document.h"

namespace strandel {

// Whether two objects are the same part of the model. The selection and the
// solver's reactions are not the model: selecting is no change, and an analysis
// between two changes must not be taken for one.
bool SameModelObject(const GraphObject& a, const GraphObject& b);

// An object and its place in one of the two lists of a change.
struct PlacedObject {
  std::size_t Index = 0;
  GraphObject Value;
};

// An object that stayed in the list with other values.
struct AlteredObject {
  std::size_t BeforeIndex = 0;
  std::size_t AfterIndex = 0;
  GraphObject Before;
  GraphObject After;
};

// One change of the model: from the list before to the list after.
struct ModelChange {
  std::size_t BeforeCount = 0;
  std::size_t AfterCount = 0;
  std::vector<PlacedObject> Removed;  // places in the list before, ascending
  std::vector<PlacedObject> Inserted; // places in the list after, ascending
  std::vector<AlteredObject> Altered; // ascending in both lists
  // The document's settings before and after, whole: a step takes them back
  // together, whichever of them it changed.
  DocumentSettings SettingsBefore;
  DocumentSettings SettingsAfter;

  bool Empty() const;
  // The memory the change holds, its copies' text included.
  std::size_t Bytes() const;
};

enum class ChangeDirection { Backward, Forward };

class RecordedModel {
public:
  // Records the document as it is now.
  void Take(const ModelDocument& doc);
  // What changed in the document since it was last recorded; the record then
  // follows the document.
  ModelChange Update(const ModelDocument& doc);
  // Takes the change back (Backward) or makes it again (Forward) on the
  // document and the record. Objects that come back arrive unselected; objects
  // that only change keep their selection. False, with nothing touched, when
  // the document is not in the state the change starts from.
  bool Apply(ModelDocument& doc, const ModelChange& change, ChangeDirection direction);

  std::size_t Bytes() const;
  std::size_t Count() const { return objects_.size(); }

private:
  struct Entry {
    const GraphObject* Identity = nullptr; // the document's object this copies
    GraphObject Value;
  };
  bool Mirrors(const ModelDocument& doc) const;

  std::vector<Entry> objects_;
  DocumentSettings settings_;
};

// The memory of one object copy, its text included.
std::size_t ObjectBytes(const GraphObject& object);

} // namespace strandel
