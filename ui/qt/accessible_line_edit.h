#pragma once
// The text that screen readers read of every line edit (the figure boxes and
// the tax entry's field): Qt's own interface reports text attributes as
// empty runs at the caret, and Orca then speaks a figure without its last
// character. This one reports the whole text as a single run.

namespace wagelyn {

// Installs the interface for every QLineEdit made from now on; call once,
// before the first window is built.
void InstallAccessibleLineEdits();

}  // namespace wagelyn
