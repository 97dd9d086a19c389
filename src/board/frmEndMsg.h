#pragma once
// The end message: the result of a play or a solver run ("正 　 解",
// "不 正 解", "終　　了" or a batch error), the batch times and file, and
// the buttons 了　解 and, after a wrong answer, 再挑戦.
#include <QWidget>

class QLabel;
class QPushButton;

namespace velin {

class frmEndMsg : public QWidget {
    Q_OBJECT
public:
    explicit frmEndMsg(QWidget* parent = nullptr);

    QLabel* lblMessage = nullptr;
    QLabel* lblComent = nullptr;
    QLabel* lblFileNo = nullptr;
    QLabel* lblTime_s = nullptr;
    QLabel* lblTime_e = nullptr;
    QPushButton* cmdEnd = nullptr;
    QPushButton* cmdRetry = nullptr;

    void cmdEnd_Click();
    void cmdRetry_Click();
    // Back to the designed layout and texts (part of the board's reset).
    void ResetLayout();
    // Places the form in the bottom right corner of the board form.
    void PlaceOnBoard();
    // Moves the pointer onto the middle of 了　解.
    void PointToEnd();

protected:
    void closeEvent(QCloseEvent* event) override;
};

frmEndMsg& EndMsgForm();
void UnloadEndMsgForm();

} // namespace velin
