#include "analysis/analysis_outcome.h"

namespace strandel {

const char* FailureReason(AnalysisFailure failure) {
  switch (failure) {
  case AnalysisFailure::None:
    return "";
  case AnalysisFailure::Unstable:
    return "unstable";
  case AnalysisFailure::ZeroLengthSegment:
    return "zero-length segment";
  case AnalysisFailure::ZeroStiffness:
    return "zero stiffness";
  case AnalysisFailure::OutOfMemory:
    return "out of memory";
  case AnalysisFailure::NotFinite:
    return "not finite";
  case AnalysisFailure::LoadCases:
    return "load cases";
  case AnalysisFailure::AboveCritical:
    return "above critical load";
  case AnalysisFailure::NotConverged:
    return "not converged";
  }
  return "";
}

const char* FreedomName(Freedom freedom) {
  switch (freedom) {
  case Freedom::None:
    return "";
  case Freedom::X:
    return "x";
  case Freedom::Y:
    return "y";
  case Freedom::Rotation:
    return "rotation";
  }
  return "";
}

} // namespace strandel
