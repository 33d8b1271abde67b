#pragma once
// What the optimizer asks of the window (or the batch loop) that drives it. The
// optimizer never draws and never waits: the caller runs one step per tick and
// reads the gauge, the cycle text and the best value back as data.

namespace strandel {

class UserMessages;

class OptimizerHost {
public:
  virtual ~OptimizerHost() = default;
  // The model moved and was analysed again: the model view is out of date.
  virtual void Redraw() = 0;
  // Where the abort message and the question at the end of a run go.
  virtual UserMessages& Messages() = 0;
};

} // namespace strandel
