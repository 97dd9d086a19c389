#pragma once
// The hint list "問題のヒントリスト": every question file of the question
// folder with its difficulty and hint, the cleared ones marked "*", the
// selected one's comment and file name, and a button that opens it. The list
// is built once per run (HintList, with a progress bar) and later openings
// show it from memory.
#include "files/HintList.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace velin {

class frmHintList : public QWidget {
    Q_OBJECT
public:
    explicit frmHintList(QWidget* parent = nullptr);
    ~frmHintList() override;

    QListWidget* lstHint = nullptr;
    QLabel* lblFileName = nullptr;
    QLabel* lblAdviceValue = nullptr;
    QLabel* picStatus = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdReturn = nullptr;
    QTimer tmrWait; // one-shot, 100 ms: builds the list once the form shows

    // The list kept for later openings (while HintListResume holds).
    static HintList& Memory();
    int HintLast = -1;

    // Fills the list from memory or starts the build; false when the form
    // must not be shown (no question folder).
    bool Form_Load();
    void tmrWait_Timer();
    void lstHint_Click();
    void cmdOpen_Click();
    void cmdReturn_Click();
    // Draws the progress bar for a fraction 0..1; `allowEnds` lets it show
    // 0 % and 100 %.
    void UpdateStatus(double fraction, bool allowEnds);
    const QImage& StatusImage() const { return statusImage_; }

    void CentreOn(const QWidget* owner);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QImage statusImage_;
    int shownBarWidth_ = -2;
    QString shownText_;
};

frmHintList& HintListForm();
frmHintList* HintListFormIfLoaded();
void UnloadHintListForm();

} // namespace velin
