#include "help/Help.h"

#include "help/frmAbout.h"
#include "help/frmBrowser.h"
#include "help/frmHelp.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QDesktopServices>

namespace velin::Help {

namespace {

UrlOpener& Opener()
{
    static UrlOpener opener;
    return opener;
}

// Places a window in the middle of its owner.
void CentreOn(QWidget* window, const QWidget* owner)
{
    if (!owner)
        return;
    const QRect frame = owner->frameGeometry();
    window->move(frame.center() - QPoint(window->width() / 2, window->height() / 2));
}

void ShowWindow(QWidget* window, const QWidget* owner)
{
    // Called from a modal form (the registration form's Help menu), the
    // window would be blocked by it: it becomes a window of that form, which
    // the modality lets through.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && window->parentWidget() != modal) {
        window->setParent(modal, Qt::Window);
        owner = modal;
    }
    if (!window->isVisible())
        CentreOn(window, owner);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

QUrl HomePage()
{
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

void ShowAbout(QWidget* owner)
{
    frmAbout box(owner);
    CentreOn(&box, owner);
    QApplication::beep();
    box.PointToOk();
    Platform::dialogs().ShowModal(&box);
}

void ShowManual(QWidget* owner)
{
    frmHelp& help = HelpForm();
    help.Navigate(HomePage());
    ShowWindow(&help, owner);
}

void ShowWebBrowser(QWidget* owner)
{
    frmBrowser& browser = BrowserForm();
    browser.Navigate(HomePage());
    ShowWindow(&browser, owner);
}

void SetUrlOpener(UrlOpener opener)
{
    Opener() = std::move(opener);
}

bool OpenExternal(const QUrl& url)
{
    if (Opener())
        return Opener()(url);
    return QDesktopServices::openUrl(url);
}

bool IsExternal(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto") ||
           scheme == QLatin1String("ftp");
}

} // namespace velin::Help
