#pragma once
// The one file chooser of the game: drive, folder and file lists, a preview
// of the clicked question's hint and difficulty, the play mode, the two-step
// pick of a batch-check range, and (for the sound settings) a list of sound
// files with a test button. Callers configure it before showing it modally
// and read the result from the program-wide values after it hides.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace velin {

class frmFileSel : public QWidget {
    Q_OBJECT
public:
    explicit frmFileSel(QWidget* parent = nullptr);

    QComboBox* DrvFile = nullptr;
    QListWidget* DirFile = nullptr;
    QListWidget* filFile = nullptr;
    QListWidget* lstFile = nullptr;
    std::array<QLineEdit*, 2> txtFileName{};
    QGroupBox* fraMode = nullptr;
    std::array<QRadioButton*, 3> optMode{};
    QLabel* lblTitle = nullptr;
    QLabel* lblTitleName = nullptr;
    QLabel* lblNandoMark = nullptr;
    QLabel* lblFileList = nullptr; // the title above the file list
    QPushButton* cmdOk = nullptr;
    QPushButton* CmdCancel = nullptr;
    QPushButton* cmdHalt = nullptr;
    QPushButton* cmdTest = nullptr;
    QLabel* picTest = nullptr;
    QPushButton* cmdSoundStop = nullptr;

    // The folder the folder list shows (ends with the separator) and the
    // file list's patterns ("nono*.dat;velin*.dat;kabQue*.dat").
    QString DirPath() const { return dirPath_; }
    QString Pattern() const { return pattern_; }
    void SetPattern(const QString& pattern);
    // Points the folder and file lists at a folder (no events run).
    void SetFolder(const QString& folder);
    // True while the form serves the sound settings.
    bool SoundConfiguration = false;

    // Configurations applied by callers.
    void ConfigureForQuestion();
    void ConfigureForBatchFirst();
    // The sound picker of the sound settings (frmFileSel_Sound.cpp), and the
    // way back to the question configuration, pointed at the question folder.
    void ConfigureForSound();
    void ConfigureBackForQuestion();
    // Called with the event index when OK stored a sound file.
    std::function<void(int)> onSoundChosen;

    // Events.
    void DrvFile_Change();
    void DirFile_Change();
    void filFile_Click();
    void lstFile_Click();
    void optMode_Click(int index);
    void cmdOk_Click();
    void CmdCancel_Click();
    void cmdHalt_Click();
    void cmdSoundStop_Click();
    void cmdTest_Click();
    void picTest_Click();

    // Puts the form in the middle of `owner`, inside the screen.
    void CentreOn(const QWidget* owner);
    // Pointer guidance onto the control to be used next.
    void PointToList(QWidget* list);
    void PointToOk();
    void PointToFolders();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillFolderList();
    void FillFileList();
    void FillDriveList();
    void FillSoundList();
    void WireSoundTest();
    void SoundHousekeeping();
    void PreviewQuestion(const QString& path);
    QString DriveOf(const QString& folder) const;

    QString dirPath_;
    QString pattern_;
    QString driveRoot_;
};

// The one file selection form of the run.
frmFileSel& FileSelForm();
frmFileSel* FileSelFormIfLoaded();
void UnloadFileSelForm();

} // namespace velin
