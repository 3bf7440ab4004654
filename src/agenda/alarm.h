#pragma once

// The minute check of the agenda's alarms, run by the main window's timer
// while the program sits in the tray: every appointment whose alarm day is
// today, whose alarm hour is this hour and whose alarm minute is this minute
// or the one before is shown, one after the other, in the alarm window.
// A failure (no connection, a failing query) ends the check without a word;
// the next tick tries again.
void AlarmKontrol();
