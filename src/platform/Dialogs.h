#pragma once
// Every modal step of the game: message boxes, the input box and showing a
// form modally. The real implementation uses Qt's dialogs; tests install a
// script of answers and read back a log of every text and title shown.
#include <QString>
#include <optional>

class QWidget;

namespace velin {

class Dialogs {
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~Dialogs() = default;
    // An empty title means the program's own name.
    virtual Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title) = 0;
    virtual std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& initial) = 0;
    // Shows `form` and returns once it is hidden again.
    virtual void ShowModal(QWidget* form) = 0;
};

class QtDialogs final : public Dialogs {
public:
    Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& initial) override;
    void ShowModal(QWidget* form) override;
};

// The program's name, used as the title of a box that has none of its own.
QString ProgramTitle();

} // namespace velin
