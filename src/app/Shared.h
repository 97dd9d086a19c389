#pragma once
// The program-wide values that the forms share: the settings record, the
// loaded question's values, the layout values fixed at startup, the folders,
// the modes and the flags that one form sets before showing another and reads
// after it hides. One instance, `Shared`, lives for the whole run.
#include "board/BoardModel.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace velin {

// Sound events: index into SoundFile and SoundSwitch.
enum SoundEvent : int {
    SoundOpening = 0,
    SoundBGM = 1,
    SoundStart = 2,
    SoundEnd = 3,
    SoundStop = 4,
    SoundEntry = 5,
    SoundFunction = 6,
    SoundCorrect = 7,
    SoundUnCorrect = 8,
    SoundError = 9,
};
inline constexpr int kSoundEvents = 10;
inline constexpr int kSoundEntries = 21;

// What the settings file holds (velin.ini).
struct SettingsRecord {
    QString SettingsPath;
    QString WindowsFolder;
    QString SettingsHeader;
    int16_t CellLineStyle = 0;
    int16_t BlockLineStyle = 2;
    QString QuestionFolder;
    int32_t FormColor = 15;
    bool LineMarkMode = false;
    // Mirrored by the check marks of the end-message menu.
    bool EndMessageDisplay = true;
    std::array<QString, kSoundEntries> SoundFile;
    std::array<QString, kSoundEntries> SoundSwitch;
};

// The loaded question.
struct QuestionValues {
    QString QuestionPath;
    QString QuestionTitle;
    QString AnswerName;
    QString CommentText;
    int16_t Difficulty = 0;
    QString DifficultyMark;
    int16_t RowCount = 0;
    int16_t ColumnCount = 0;
    std::array<QString, 61> RowClueText;
    std::array<QString, 61> ColumnClueText;
    // "Ok" while the loaded question may be played.
    QString QuestionState;
    // Empty for play; "Append", "Private", "Reference", "Reference_Ok",
    // "Reference_Cancel" for the authoring jobs.
    QString JobMode;
};

// Sizes fixed at startup for the screen class, in twips and points.
struct LayoutValues {
    double ScreenScale = 1.0;
    double ButtonFontScale = 1.0;
    int16_t BaseCellSize = 180;
    int16_t CellSize = 180;
    int16_t GridLeft = 80;
    int16_t GridTop = 80;
    double ClueFontSize1 = 10;
    double ClueFontSize2 = 9;
    double ClueFontSize3 = 8;
    double ClueFontSize4 = 8;
    double TitleFontSize = 9;
    double FormFontSize = 9.75;
    double StatusFontSize = 10.5;
    double SmallLabelFontSize = 6.75;
    int16_t SoundWaitMs = 100;
    double MarkRadius = 0;
};

struct ProgramValues : SettingsRecord, QuestionValues, LayoutValues {
    QString DefaultSolveMode = QStringLiteral("Pc");
    QString QuestionPrefix = QStringLiteral("kabQue");
    QString VersionBanner;
    QString HomeFolder;

    // "Man", "Pc" or "Check".
    QString SolveMode = QStringLiteral("Pc");
    QString ResumeSolveMode;
    QString InputSwitch = QStringLiteral("Off");
    QString WrongAnswer = QStringLiteral("Off");
    int32_t CarriedSeconds = 0;

    // The batch check's range, chosen in the file selection form.
    QString CheckPathPrefix;
    int16_t CheckFileNo = 0;
    int16_t CheckFirstNo = 0;
    int16_t CheckLastNo = 0;
    int16_t CheckNumberWidth = 3;
    int16_t CheckPickStep = 0;
    int16_t CheckCount = 0;

    QString FirstModeClickSeen = QStringLiteral("Off");
    bool HintListResume = false;
    bool HintOpenRequest = false;
    bool RestorePending = false;
    // The clear record's entries (at most 901), filled when first needed.
    QStringList ClearList;

    // Sound commands' last reply and result, kept and never acted upon.
    QString MciReply;
    long MciResult = 0;
    bool SoundTestActive = false;
    int SoundEditIndex = 0;
    QString SoundFileMode;
    std::array<QString, kSoundEntries> SoundFileEdit;
};

inline ProgramValues Shared;

}  // namespace velin
