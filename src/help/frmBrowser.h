#pragma once
// The small web page window of the View menu: Back, Forward, Refresh, Home,
// Search and Stop, and an address box. Pages of the game render in the
// window; http and https addresses are handed to the desktop's browser, as
// the game assumes no network of its own. Search looks for a word in the
// game's own pages.
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace velin {

class frmBrowser : public QWidget {
    Q_OBJECT
public:
    explicit frmBrowser(QWidget* parent = nullptr);
    ~frmBrowser() override;

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdHome = nullptr;
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdStop = nullptr;
    QLabel* lblAddress = nullptr;
    QLineEdit* txtAddress = nullptr;
    QTextBrowser* webBrowser = nullptr;

    // Goes to a typed address: a page of the game or a local file shows in
    // the window, an http(s) address goes to the desktop, a word is searched.
    void txtAddress_Enter();
    void Navigate(const QUrl& url);
    void cmdSearch_Click();
    void cmdStop_Click();

    // The address a typed text stands for (empty when it is a word to search).
    static QUrl AddressOf(const QString& typed);

private:
    void ShowState();
};

frmBrowser& BrowserForm();
frmBrowser* BrowserFormIfLoaded();
void UnloadBrowserForm();

} // namespace velin
