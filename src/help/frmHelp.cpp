#include "help/frmHelp.h"

#include "help/Help.h"
#include "platform/FormInstance.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velin {

namespace {

struct Chapter {
    const char* file;
    const char* title;
};
// The manual's chapters, in reading order.
constexpr Chapter kChapters[] = {
    {"index.html", "はじめに"},       {"play.html", "遊び方"},         {"modes.html", "三つの解答モード"},
    {"menus.html", "メニューの説明"}, {"making.html", "問題の作り方"}, {"format.html", "問題ファイルの形式"},
};

QUrl ChapterUrl(const Chapter& chapter)
{
    return Help::HomePage().resolved(QUrl(QString::fromLatin1(chapter.file)));
}

} // namespace

frmHelp& HelpForm()
{
    return FormInstance<frmHelp>::Get();
}

frmHelp* HelpFormIfLoaded()
{
    return FormInstance<frmHelp>::IfLoaded();
}

void UnloadHelpForm()
{
    FormInstance<frmHelp>::Unload();
}

frmHelp::frmHelp(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("べりんﾍﾙﾌﾟ"));

    cmdBack = new QPushButton(QStringLiteral("← 戻る(&B)"), this);
    cmdForward = new QPushButton(QStringLiteral("進む(&F) →"), this);
    cmdHome = new QPushButton(QStringLiteral("目次(&C)"), this);
    lstContents = new QListWidget(this);
    lstContents->setObjectName(QStringLiteral("lstContents"));
    lstContents->setAccessibleName(QStringLiteral("目次"));
    for (const Chapter& chapter : kChapters) {
        auto* item = new QListWidgetItem(QString::fromUtf8(chapter.title), lstContents);
        item->setData(Qt::UserRole, ChapterUrl(chapter));
    }
    txtPage = new QTextBrowser(this);
    txtPage->setObjectName(QStringLiteral("txtPage"));
    txtPage->setAccessibleName(QStringLiteral("ヘルプの本文"));
    // Every link goes through Navigate, so that an address outside the game
    // reaches the desktop's browser instead of an empty page here.
    txtPage->setOpenLinks(false);

    auto* tools = new QHBoxLayout;
    tools->addWidget(cmdBack);
    tools->addWidget(cmdForward);
    tools->addWidget(cmdHome);
    tools->addStretch(1);
    auto* split = new QSplitter(this);
    split->addWidget(lstContents);
    split->addWidget(txtPage);
    split->setStretchFactor(1, 1);
    split->setSizes({170, 530});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(split, 1);
    resize(720, 540);

    connect(cmdBack, &QPushButton::clicked, txtPage, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtPage, &QTextBrowser::forward);
    connect(cmdHome, &QPushButton::clicked, this, [this] { Navigate(Help::HomePage()); });
    connect(txtPage, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { Navigate(txtPage->source().resolved(url)); });
    connect(txtPage, &QTextBrowser::sourceChanged, this, [this] { ShowState(); });
    connect(txtPage, &QTextBrowser::backwardAvailable, this, [this] { ShowState(); });
    connect(txtPage, &QTextBrowser::forwardAvailable, this, [this] { ShowState(); });
    connect(lstContents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Navigate(item->data(Qt::UserRole).toUrl()); });
    connect(lstContents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Navigate(item->data(Qt::UserRole).toUrl()); });
    ShowState();
}

frmHelp::~frmHelp()
{
    FormInstance<frmHelp>::Forget(this);
}

void frmHelp::Navigate(const QUrl& url)
{
    if (Help::IsExternal(url)) {
        Help::OpenExternal(url);
        return;
    }
    if (url.adjusted(QUrl::RemoveFragment) == txtPage->source().adjusted(QUrl::RemoveFragment) &&
        !url.fragment().isEmpty()) {
        txtPage->scrollToAnchor(url.fragment());
        return;
    }
    txtPage->setSource(url);
}

void frmHelp::ShowState()
{
    cmdBack->setEnabled(txtPage->isBackwardAvailable());
    cmdForward->setEnabled(txtPage->isForwardAvailable());
    const QUrl page = txtPage->source().adjusted(QUrl::RemoveFragment);
    const QSignalBlocker quiet(lstContents);
    for (int i = 0; i < lstContents->count(); ++i)
        if (lstContents->item(i)->data(Qt::UserRole).toUrl() == page)
            lstContents->setCurrentRow(i);
    const QString title = txtPage->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("べりんﾍﾙﾌﾟ") : QStringLiteral("べりんﾍﾙﾌﾟ - ") + title);
}

} // namespace velin
