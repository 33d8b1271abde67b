#pragma once
// The busy pointer while the program works (an analysis): shown for the life of
// the object, so it goes away on every path out, failures included.

#include <QGuiApplication>

namespace strandel {

class BusyPointer {
public:
  BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace strandel
