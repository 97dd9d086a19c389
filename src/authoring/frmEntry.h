#pragma once
// The registration form "問題ファイル登録": the hint, answer, comment,
// difficulty and sizes of a new question, its file number, and (in the full
// layout of the "Append" job) the clue grid with its editor box and grid
// menu. The compact layout serves the drawing job ("Private", and
// "Reference_Ok" with the sizes locked). Register checks the values and, in
// the full layout, writes the question file; the caller reads JobMode and
// the question values after the form has closed.
#include "authoring/ClueGrid.h"
#include "authoring/Registration.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableWidget;

namespace velin {

class frmEntry : public QMainWindow {
    Q_OBJECT
public:
    explicit frmEntry(QWidget* parent = nullptr);
    ~frmEntry() override;

    QLabel* lblTitle = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLabel* lblAnswer = nullptr;
    QLineEdit* txtAnswer = nullptr;
    QLabel* lblAnswerTail = nullptr; // "でした。"
    QLabel* lblComment = nullptr;
    QLineEdit* txtComment = nullptr;
    QLabel* lblNando = nullptr;
    QLineEdit* txtNando = nullptr;
    QLabel* lblNandoHint = nullptr;
    QLabel* lblLine = nullptr;
    QLineEdit* txtLine = nullptr;
    QLabel* lblColumn = nullptr;
    QLineEdit* txtColumn = nullptr;
    QLabel* lblAdvice = nullptr;
    QLabel* lblGridTitle = nullptr;
    QLabel* lblExample = nullptr;
    QLineEdit* txtData = nullptr;
    QTableWidget* grdData = nullptr;
    QLabel* lblAttention = nullptr;
    QFrame* fraFolder = nullptr;
    QLabel* lblFolder = nullptr;
    QLabel* lblFile = nullptr;
    QLineEdit* txtFile = nullptr;
    QPushButton* cmdFile = nullptr;
    QListWidget* filFile = nullptr;
    QPushButton* cmdSet = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdReference = nullptr;

    QMenu* menuGrid = nullptr;
    QAction* Menu_Cut = nullptr;
    QAction* Menu_Copy = nullptr;
    QAction* Menu_Insert = nullptr;
    QAction* Menu_Paste = nullptr;
    QAction* Menu_Coment = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* MenuHelp_velin = nullptr;
    QAction* MenuHelp_Ver = nullptr;

    // The clue grid's cells and editing state; grdData shows it.
    ClueGrid grid;
    // True once Register or Reference has decided the outcome.
    bool ClosingByProgram = false;

    // Lays the form out for JobMode and the caption height (runs on load).
    void Form_Load();

    void cmdSet_Click();
    void cmdReset_Click();
    void cmdReference_Click();
    void cmdFile_Click();
    // A double click on the file named `fileName` in the file list.
    void filFile_DblClick(const QString& fileName);
    // F12 released in the file box.
    void txtFile_F12();
    void txtFile_GotFocus();
    // Leaving the row- or column-count box rebuilds the clue grid.
    void txtCount_LostFocus();
    void txtData_GotFocus();
    // A key down in the editor; true when it was used up.
    bool txtData_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void HideFileList();

    void Menu_Cut_Click();
    void Menu_Copy_Click();
    void Menu_Insert_Click();
    void Menu_Paste_Click();
    void Menu_Coment_Click();

    // Grid mouse events, in the grid viewport's pixels.
    void grdData_MouseDown(Qt::MouseButton button, QPoint pos);
    void grdData_MouseUp(Qt::MouseButton button, QPoint pos);

    // Shows the grid's cells, current cell, selection and top row; with
    // `editorToo` the editor shows the current cell's text.
    void ShowGrid(bool editorToo = true);
    // The form's client (inner) height in twips, below the menu bar.
    double ClientHeight() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildControls();
    void ShowFileLabel();
    void Refuse(const Registration::Refusal& refusal);
    void PointToSet();
    void EnterMovesFocus(QObject* box);
    QString textOfBox(Registration::Box box) const;
    QLineEdit* BoxOf(Registration::Box box) const;

    QLabel* cornerLabel_ = nullptr;
    int shownTopRow_ = 0;
    QPoint pressPos_;
    Qt::MouseButton pressButton_ = Qt::NoButton;
};

// The registration form, loaded fresh for every job.
frmEntry& EntryForm();
frmEntry* EntryFormIfLoaded();
void UnloadEntryForm();

} // namespace velin
