#pragma once
// The opening form: reads the settings, checks that the question folder
// holds question files, plays the opening sound and builds a small snake
// picture cell by cell while the hidden board form is prepared.
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace velin {

class frmOpening : public QWidget {
    Q_OBJECT
public:
    explicit frmOpening(QWidget* parent = nullptr);

    static constexpr std::array<int16_t, 25> SnakeOrder = {2, 6,  7,  8,  22, 16, 21, 12, 17, 3, 13, 18, 23,
                                                           0, 10, 11, 14, 15, 19, 20, 24, 5,  1, 4,  9};

    QLabel* lblTitle = nullptr;
    std::array<QLabel*, 25> imgSnake{};
    QLabel* imgHelp = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdStop = nullptr;
    QTimer tmTimer;

    QString OpeningFolder;
    QString StartPressed;
    int16_t SnakeStep = 0;
    // True once the form has unloaded (the start button or the program's end).
    bool Unloaded = false;

    void Form_Load();
    void cmdStart_Click();
    void cmdStop_Click();
    void Form_Unload();
    void tmTimer_Timer();
    void imgHelp_Click();

    // Gives the title the first font of the preferred list that the system
    // accepts; returns the chosen family, or empty when none was accepted.
    QString Font_Affirmation();
    // Makes sure the question folder holds question files; true when a probe
    // file was found (its full path is then in OpeningFolder).
    bool FilesCheck();
    // The large layout for large-font displays.
    void UseLargeLayout();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// First size of the board form for the screen class.
void NonoForm_Ini();

} // namespace velin
