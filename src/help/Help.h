#pragma once
// The game's help, about box and web page window, callable from any form:
// the board's Help and View menus and the registration form's Help menu use
// the same functions.
#include <QUrl>
#include <functional>

class QWidget;

namespace velin::Help {

// The front page of the shipped manual, also the web page window's Home.
QUrl HomePage();

// The about box: the game's name, the version banner and the licence, with
// the system's alert sound and the pointer on OK. Modal.
void ShowAbout(QWidget* owner);
// The manual in the game's help window, on its front page.
void ShowManual(QWidget* owner);
// The small web page window, on its Home page.
void ShowWebBrowser(QWidget* owner);

// Where addresses outside the game go (http, https, mailto): the desktop's
// own browser. Tests install a recorder; an empty function restores the
// desktop. Returns whether the desktop took the address.
using UrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);
bool OpenExternal(const QUrl& url);
// True for an address the game hands to the desktop instead of showing it.
bool IsExternal(const QUrl& url);

} // namespace velin::Help
