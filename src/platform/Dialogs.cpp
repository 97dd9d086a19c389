#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace velin {

QString ProgramTitle()
{
    return QStringLiteral("べりん");
}

namespace {

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Ends a local event loop when the watched form is hidden or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* form, QEventLoop* loop) : loop_(loop) { form->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Destroy)
            loop_->quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop* loop_;
};

} // namespace

Dialogs::Answer QtDialogs::MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    // The game's texts break lines with CR, LF or CR LF alike.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QMessageBox box(toQt(icon), title.isEmpty() ? ProgramTitle() : title, shown);
    // Japanese captions on the buttons, as the player's system would show them.
    const auto add = [&box](const char* caption, QMessageBox::ButtonRole role) {
        return box.addButton(QString::fromUtf8(caption), role);
    };
    QAbstractButton* ok = nullptr;
    QAbstractButton* cancel = nullptr;
    QAbstractButton* yes = nullptr;
    QAbstractButton* no = nullptr;
    QAbstractButton* retry = nullptr;
    switch (buttons) {
    case Buttons::Ok:
        ok = add("OK", QMessageBox::AcceptRole);
        break;
    case Buttons::OkCancel:
        ok = add("OK", QMessageBox::AcceptRole);
        cancel = add("キャンセル", QMessageBox::RejectRole);
        break;
    case Buttons::YesNo:
        yes = add("はい(&Y)", QMessageBox::YesRole);
        no = add("いいえ(&N)", QMessageBox::NoRole);
        break;
    case Buttons::YesNoCancel:
        yes = add("はい(&Y)", QMessageBox::YesRole);
        no = add("いいえ(&N)", QMessageBox::NoRole);
        cancel = add("キャンセル", QMessageBox::RejectRole);
        break;
    case Buttons::RetryCancel:
        retry = add("再試行(&R)", QMessageBox::AcceptRole);
        cancel = add("キャンセル", QMessageBox::RejectRole);
        break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return Answer::Yes;
    if (clicked && clicked == no)
        return Answer::No;
    if (clicked && clicked == retry)
        return Answer::Retry;
    if (clicked && clicked == cancel)
        return Answer::Cancel;
    if (clicked && clicked == ok)
        return Answer::Ok;
    // Closing a box without a Cancel button counts as its last button.
    if (buttons == Buttons::YesNo)
        return Answer::No;
    return Answer::Ok;
}

std::optional<QString> QtDialogs::InputBox(const QString& prompt, const QString& title, const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title.isEmpty() ? ProgramTitle() : title,
                                               prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtDialogs::ShowModal(QWidget* form)
{
    QPointer<QWidget> guard(form);
    form->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(form, &loop);
    form->show();
    form->raise();
    form->activateWindow();
    if (guard && guard->isVisible())
        loop.exec();
    if (guard)
        guard->setWindowModality(Qt::NonModal);
}

} // namespace velin
