#pragma once

// Tells the main window which module windows and dialogs exist, and hands it
// the agenda's alarm check for the minute tick.
void ModulleriKaydet();
