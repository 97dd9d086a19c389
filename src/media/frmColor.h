#pragma once
// The background colour form: 32 swatches in 4 rows of 8, a preview of the
// colour chosen, Register and Cancel. Register stores the colour in FormColor
// and saves the settings at once; the board takes the colour on the next
// question it opens. The form is built anew for each command.
#include <QWidget>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QPushButton;

namespace velin {

class frmNono;

class frmColor : public QWidget {
    Q_OBJECT
public:
    explicit frmColor(frmNono* board);

    QFrame* picPaintBox = nullptr;
    std::array<QPushButton*, 32> picPaint{};
    QLabel* picPalette = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdCancele = nullptr;

    int16_t SelectedColor = 0;

    // Events.
    void picPaint_Click(int index);
    void cmdSelect_Click();
    void cmdCancele_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();

    frmNono* board_;
    bool unloaded_ = false;
};

// Shows a colour on a control as its background.
void PaintBackground(QWidget* control, int32_t colour);

} // namespace velin
