#pragma once
// The game's help window: the contents of the shipped manual beside a text
// browser, with back, forward and contents buttons.
#include <QWidget>

class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace velin {

class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
    ~frmHelp() override;

    QListWidget* lstContents = nullptr;
    QTextBrowser* txtPage = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdHome = nullptr;

    // Shows a page of the manual; an address outside the game goes to the
    // desktop's browser instead.
    void Navigate(const QUrl& url);

private:
    void ShowState();
};

// The one help window of the run.
frmHelp& HelpForm();
frmHelp* HelpFormIfLoaded();
void UnloadHelpForm();

} // namespace velin
