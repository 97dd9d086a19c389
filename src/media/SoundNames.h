#pragma once
// The texts of the sound settings form and its arithmetic: which file name a
// row shows, how a name too wide for its label is cut and scrolled, and how
// a row's On/Off switch flips. Widths are measured by the caller's function
// (in twips), so that this stays free of fonts and windows.
#include "app/Shared.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

namespace velin::SoundNames {

// The item of the sound list that means "no file".
inline const QString kNoSound = QStringLiteral("Soundなし");
// How wide a row's label is; a wider name is cut and scrolled.
inline constexpr double kLabelWidthTwips = 1500;

// Captions of the event options, then the eleventh option, "ダミー", which
// only leads on to the OK button.
inline constexpr int kDummyOption = 10;
extern const std::array<QString, kSoundEvents + 1> kOptionCaptions;
// The prompts of the file picker, one per event ("オープニングサウンド設定"...).
extern const std::array<QString, kSoundEvents> kEventCaptions;

// The name a row shows for a stored file: "Soundなし" as it is, otherwise the
// part after the last ":", "\" or "/" found within 100 characters of the end.
QString ShownName(const QString& file);

using WidthOf = std::function<double(const QString&)>;

// A name as a label of `limit` twips shows it.
struct Fit {
    QString shown; // the longest leading part at most `limit` wide
    bool scrolls = false;
    int barMaximum = 0; // leading characters to drop for the rest to fit, plus 2
};
Fit FitName(const QString& name, const WidthOf& width, double limit = kLabelWidthTwips);

// The part of `name` from character `value` (0 is the first) that is at most
// `limit` wide: what the label shows with its scroll bar at `value`.
QString ScrolledPart(const QString& name, int value, const WidthOf& width, double limit = kLabelWidthTwips);

// The switch a row shows after a click: "On" becomes "Off", anything else
// "On". Empty when the row may not be switched on: it shows "Off" and its
// file ends in "なし" (no file chosen).
std::optional<QString> FlipSwitch(const QString& shown, const QString& file);

} // namespace velin::SoundNames
