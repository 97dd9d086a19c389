#pragma once
// The about box: the game's name and picture, the version banner and the
// licence the project is released under, closed with OK.
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velin {

class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);

    QLabel* imgIcon = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblLicense = nullptr;
    QPlainTextEdit* txtLicense = nullptr;
    QPushButton* cmdOk = nullptr;

    void cmdOk_Click();
    // Pointer guidance onto OK.
    void PointToOk();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace velin
