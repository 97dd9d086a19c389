#pragma once
// The game-level reading and writing of the settings file, with the messages
// the player sees, and the two option commands of the board that ask whether
// to save. The file format itself is in SettingsFile.h.

namespace velin {

// Reads the settings file of the config folder into Shared (velin.ini, or the
// older nonogram.ini) and makes the question folder the home folder. On any
// failure plays the Error sound when it was already read as "On", tells the
// player, ends the program and returns false.
bool ReadSettings();

// Rewrites the whole settings file from Shared. `resetEmptySwitches` false
// keeps the switches of sounds without a file as they stand (the cross-line
// save). When the file cannot be written the player is told, the settings in
// memory stay as they are and the old file is left intact; returns false.
bool WriteSettings(bool resetEmptySwitches = true);

// The grid line style command: offers to swap the styles of the ordinary and
// every-fifth grid lines, then whether to save the change.
void LineStyleCommand();

// After the cross-line switch changed: asks whether to save it, and saves
// without touching the sound switches on Yes.
void AskSaveCrossLine();

} // namespace velin
