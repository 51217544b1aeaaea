#pragma once

// The process-wide take-home factor, (100 − tax) / 100.
// Written by the main window's load handler and by every run, read by every run.
namespace wagelyn::process {
extern double TakeHomeFactor;
}  // namespace wagelyn::process
