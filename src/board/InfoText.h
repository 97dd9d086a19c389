#pragma once
// The texts of the information window: the View menu's comment and
// difficulty messages, the breaking of a message into lines of at most 24
// characters, and the window's layout arithmetic in twips.
#include <QString>
#include <QStringList>

namespace velin::InfoText {

inline constexpr int kLineLength = 24;

// "「難易度マーク★」は設定されていません...！", or the question's file name
// and its stars on two lines.
QString DifficultyText(const QString& difficultyMark, const QString& questionPath);
// The comment and, after it, the difficulty text; or the text that says no
// comment was registered (nothing loaded yet).
QString CommentText(const QString& comment, const QString& difficultyMark, const QString& questionPath);
// The message's lines: a CR, an LF or a CR LF ends a line and restarts the
// count, and a line is broken after its 24th character (never after the
// message's last one).
QStringList BreakLines(const QString& message);

// Where the window's parts go, in twips. The window's inner area holds the
// picture and the text area side by side, plus 800 twips in width (the
// margins left, between and right) and 900 in height (the margin above and the
// OK button's row below); it is centred on its owner, and the OK button is
// centred across it, 340 twips under the text area.
inline constexpr double kMarginLeft = 300;
inline constexpr double kGap = 200;
inline constexpr double kMarginTop = 180;
struct Layout {
    double Left = 0; // the window, its inner size
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double PictureLeft = 0;
    double TextLeft = 0;
    double ContentTop = 0; // the top of the picture and of the text area
    double OkLeft = 0;
    double OkTop = 0;
};
struct LayoutInput {
    double PictureWidth = 0;
    double PictureHeight = 0;
    double TextWidth = 0;
    double TextHeight = 0;
    double OkWidth = 0;
    double OwnerLeft = 0;
    double OwnerTop = 0;
    double OwnerWidth = 0;
    double OwnerHeight = 0;
};
Layout LayoutOf(const LayoutInput& in);

} // namespace velin::InfoText
