#pragma once
// A person's first run: the default puzzles and sounds copied into the
// user's data folder and the settings file written from its template. The
// source tree's scripts/run does this with velin-setup; an installed game
// does it itself from the data installed beside it. Nothing a person
// already has is ever overwritten.
#include <QString>

namespace velin::FirstRun {

// Writes the settings file `output` from the template (UTF-8, one line per
// line, "@DATA@" standing for the data folder). False with `error` set when
// the template cannot be read, the folder cannot be kept in the settings
// file (a comma with a quote, a character code page 932 lacks), or the write
// failed. An existing `output` is left as it is (true).
bool WriteSettings(const QString& templatePath, const QString& dataFolder, const QString& output, QString& error);

// The data installed with the program (…/share/velin beside …/bin), or
// empty when the program runs from its build folder.
QString InstalledData(const QString& applicationDir);

// Copies Question/ and Sound/ of `installedData` into `dataHome` (without
// overwriting a file) and, when `configFolder` holds no settings file yet,
// writes one from the installed template. False with `error` set on failure.
bool InstallUserData(const QString& installedData, const QString& dataHome, const QString& configFolder,
                     QString& error);

} // namespace velin::FirstRun
