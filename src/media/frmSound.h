#pragma once
// The sound settings form. In switch mode (SoundFileMode not "On") each
// event's row shows "On" or "Off" and a click flips it; in file mode each
// row shows its file name (a long one scrolled by the row's bar) and a click
// opens the file selection form as the sound picker. OK copies the edits to
// the settings and saves them; Cancel and closing the window discard them.
// The form is built anew for each command and destroyed after it.
#include "app/Shared.h"

#include <QString>
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace velin {

class frmNono;

class frmSound : public QWidget {
    Q_OBJECT
public:
    // Loads the form in the mode Shared.SoundFileMode names; `board` is the
    // board form the pointer guidance is measured against.
    explicit frmSound(frmNono* board);
    ~frmSound() override;

    static constexpr int kOptions = kSoundEvents + 1;
    std::array<QRadioButton*, kOptions> optKind{};
    std::array<QLabel*, kSoundEvents> lblCase{};
    std::array<QScrollBar*, kSoundEvents> hsbScroll{};
    QGroupBox* fraSoundChange = nullptr;
    QLabel* lblTitle1 = nullptr; // "サウンド種類"
    QLabel* lblTitle2 = nullptr;
    QPushButton* cmdSoundOk = nullptr;
    QPushButton* cmdSoundCancel = nullptr;

    // Form-level state.
    std::array<QString, kSoundEvents> SwitchEdit;
    std::array<QString, kSoundEvents> EventCaption;
    std::array<QString, kSoundEvents> LongName;
    QString LastSoundFolder;

    bool FileMode() const { return fileMode_; }

    // Events.
    void optKind_Click(int index);
    void hsbScroll_Change(int index);
    void cmdSoundOk_Click();
    void cmdSoundCancel_Click();

    // Pointer guidance onto an option or onto OK, on this form where it stands.
    void PointToOption(int index);
    void PointToOk();
    // The width of a text in a row's label, in twips.
    double TextWidth(const QString& text) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowFileName(int index);
    void PickFile(int index);
    void Form_Unload();
    void ShowSwitchMode();

    frmNono* board_;
    bool fileMode_ = false;
    bool unloaded_ = false;
};

} // namespace velin
