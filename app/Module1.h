#pragma once

// The one standard module: the process-wide take-home factor, (100 − tax) / 100.
// Written by the main window's load handler and by every run, read by every run.
namespace Module1 {
extern double TakeHomeFactor;
}  // namespace Module1
