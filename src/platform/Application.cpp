#include "platform/Application.h"

#include "platform/Surface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

namespace velin {

namespace {

// The game moves the focus (and the pointer) onto the button a person should
// press next: 選　択, 開 始, 了　解. Where the game was made, Return presses
// the focused button in any window; Qt does so only inside dialogs, so a
// person pressing Return on the board or the file selection got nothing.
class ReturnPressesFocusedButton final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible())
            return false;
        button->click();
        return true;
    }
};

} // namespace

void SetUpApplication()
{
    InstallFontSubstitutions();
    static bool installed = false;
    if (!installed && qApp) {
        qApp->installEventFilter(new ReturnPressesFocusedButton(qApp));
        // Every text of the game is Japanese; the toolkit's own dialogs
        // (the save dialog, the input box's buttons) speak it too.
        auto* translator = new QTranslator(qApp);
        if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(translator);
        installed = true;
    }
}

} // namespace velin
