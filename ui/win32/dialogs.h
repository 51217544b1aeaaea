#pragma once
// The error dialog and the About dialog on Windows: one shared instance
// each, created on first show, modeless and without an owner, out of the
// task bar; closing one destroys it, and the next show builds it afresh.

namespace wagelyn::win32 {

// Show the shared instance, creating it first if there is none, bring it to
// the front, and return at once.
void ShowErrorDialog();
void ShowAboutDialog();

// The main window has closed: each open dialog gains a task-bar entry, so
// that the window that keeps the program running cannot be lost.
void GiveDialogsTaskbarEntries();

}  // namespace wagelyn::win32
