#pragma once
// The small modal information window of the board's View menu: a picture,
// the message printed line by line, and an OK button. The board's InfBox
// breaks the message, sizes and places the window and swaps its caption.
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velin {

class dlgInformation : public QWidget {
    Q_OBJECT
public:
    explicit dlgInformation(QWidget* parent = nullptr);
    ~dlgInformation() override;

    QLabel* picInformation = nullptr;
    QLabel* lblText = nullptr; // the text area
    QPushButton* cmdOk = nullptr;

    // Prints the lines into the text area and sizes it to them.
    void PrintLines(const QStringList& lines);
    QStringList Lines() const { return lines_; }
    // The text area's size in twips, as last printed.
    double TextWidth() const { return textWidth_; }
    double TextHeight() const { return textHeight_; }

    void cmdOk_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QStringList lines_;
    double textWidth_ = 0;
    double textHeight_ = 0;
};

dlgInformation& InformationForm();
dlgInformation* InformationFormIfLoaded();
void UnloadInformationForm();

} // namespace velin
