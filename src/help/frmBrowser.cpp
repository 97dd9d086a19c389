#include "help/frmBrowser.h"

#include "help/Help.h"
#include "platform/FormInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace velin {

namespace {

QString PageText(const QString& resource, QString* title)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    if (title)
        *title = document.metaInformation(QTextDocument::DocumentTitle);
    return document.toPlainText();
}

// A page listing the game's pages that contain `word`, with the line it
// was found in.
QString SearchResults(const QString& word)
{
    QString html = QStringLiteral("<html><head><title>検索結果</title></head><body><h2>「%1」の検索結果</h2>")
                       .arg(word.toHtmlEscaped());
    int found = 0;
    const QDir pages(QStringLiteral(":/help"));
    for (const QString& name : pages.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QString title;
        const QString text = PageText(pages.filePath(name), &title);
        const qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        ++found;
        const qsizetype lineStart = text.lastIndexOf(u'\n', at) + 1;
        qsizetype lineEnd = text.indexOf(u'\n', at);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QString line = text.mid(lineStart, std::min<qsizetype>(lineEnd - lineStart, 120));
        html += QStringLiteral("<p><a href=\"%1\">%2</a><br>%3</p>")
                    .arg(Help::HomePage().resolved(QUrl(name)).toString(), title.toHtmlEscaped(), line.toHtmlEscaped());
    }
    if (found == 0)
        html += QStringLiteral("<p>見つかりませんでした。</p>");
    return html + QStringLiteral("</body></html>");
}

QString MissingPage(const QUrl& url)
{
    return QStringLiteral("<html><head><title>ページが見つかりません</title></head><body>"
                          "<h2>ページが見つかりません</h2><p>%1</p></body></html>")
        .arg(url.toDisplayString().toHtmlEscaped());
}

bool Exists(const QUrl& url)
{
    if (url.scheme() == QLatin1String("qrc"))
        return QFileInfo::exists(QLatin1Char(':') + url.path());
    if (url.isLocalFile())
        return QFileInfo(url.toLocalFile()).isFile();
    return false;
}

} // namespace

frmBrowser& BrowserForm()
{
    return FormInstance<frmBrowser>::Get();
}

frmBrowser* BrowserFormIfLoaded()
{
    return FormInstance<frmBrowser>::IfLoaded();
}

void UnloadBrowserForm()
{
    FormInstance<frmBrowser>::Unload();
}

frmBrowser::frmBrowser(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setWindowTitle(QStringLiteral("WWW ﾌﾞﾗｳｻﾞ"));

    const auto button = [this](const char* caption, const char* tip) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setToolTip(QString::fromUtf8(tip));
        return b;
    };
    cmdBack = button("戻る(&B)", "前のページに戻ります");
    cmdForward = button("進む(&F)", "次のページに進みます");
    cmdRefresh = button("更新(&R)", "ページを読み直します");
    cmdHome = button("ホーム(&H)", "べりんのホームページを表示します");
    cmdSearch = button("検索(&S)", "アドレス欄の言葉をべりんのページから探します");
    cmdStop = button("中止(&T)", "入力中のアドレスを取り消します");
    lblAddress = new QLabel(QStringLiteral("アドレス(&D)"), this);
    txtAddress = new QLineEdit(this);
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    lblAddress->setBuddy(txtAddress);
    webBrowser = new QTextBrowser(this);
    webBrowser->setObjectName(QStringLiteral("webBrowser"));
    webBrowser->setAccessibleName(QStringLiteral("ページ"));
    webBrowser->setOpenLinks(false);

    auto* tools = new QHBoxLayout;
    for (QPushButton* b : {cmdBack, cmdForward, cmdRefresh, cmdHome, cmdSearch, cmdStop})
        tools->addWidget(b);
    tools->addStretch(1);
    auto* address = new QHBoxLayout;
    address->addWidget(lblAddress);
    address->addWidget(txtAddress, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(address);
    layout->addWidget(webBrowser, 1);
    resize(680, 520);

    connect(cmdBack, &QPushButton::clicked, webBrowser, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, webBrowser, &QTextBrowser::forward);
    connect(cmdRefresh, &QPushButton::clicked, webBrowser, &QTextBrowser::reload);
    connect(cmdHome, &QPushButton::clicked, this, [this] { Navigate(Help::HomePage()); });
    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { cmdStop_Click(); });
    connect(txtAddress, &QLineEdit::returnPressed, this, [this] { txtAddress_Enter(); });
    connect(webBrowser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { Navigate(webBrowser->source().resolved(url)); });
    connect(webBrowser, &QTextBrowser::sourceChanged, this, [this] { ShowState(); });
    connect(webBrowser, &QTextBrowser::backwardAvailable, this, [this] { ShowState(); });
    connect(webBrowser, &QTextBrowser::forwardAvailable, this, [this] { ShowState(); });
    ShowState();
}

frmBrowser::~frmBrowser()
{
    FormInstance<frmBrowser>::Forget(this);
}

QUrl frmBrowser::AddressOf(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QUrl();
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch())
        return QUrl(text);
    if (text.startsWith(u'/'))
        return QUrl::fromLocalFile(text);
    if (text.startsWith(QLatin1String("~/")))
        return QUrl::fromLocalFile(QDir::homePath() + text.mid(1));
    // A bare host name such as www.example.com.
    static const QRegularExpression host(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+(/\\S*)?$"));
    if (host.match(text).hasMatch())
        return QUrl(QStringLiteral("http://") + text);
    return QUrl();
}

void frmBrowser::txtAddress_Enter()
{
    const QUrl url = AddressOf(txtAddress->text());
    if (url.isEmpty())
        cmdSearch_Click();
    else
        Navigate(url);
}

void frmBrowser::Navigate(const QUrl& url)
{
    if (Help::IsExternal(url)) {
        Help::OpenExternal(url);
        ShowState();
        return;
    }
    if (!Exists(url)) {
        webBrowser->setHtml(MissingPage(url));
        txtAddress->setText(url.toDisplayString());
        return;
    }
    webBrowser->setSource(url);
    ShowState();
}

void frmBrowser::cmdSearch_Click()
{
    const QString word = txtAddress->text().trimmed();
    if (word.isEmpty() || !AddressOf(word).isEmpty()) {
        txtAddress->setFocus();
        return;
    }
    webBrowser->setHtml(SearchResults(word));
}

void frmBrowser::cmdStop_Click()
{
    // Pages of the game load at once; what can still be stopped is an
    // address being typed.
    ShowState();
    webBrowser->setFocus();
}

void frmBrowser::ShowState()
{
    cmdBack->setEnabled(webBrowser->isBackwardAvailable());
    cmdForward->setEnabled(webBrowser->isForwardAvailable());
    txtAddress->setText(webBrowser->source().toDisplayString());
    const QString title = webBrowser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("WWW ﾌﾞﾗｳｻﾞ") : title + QStringLiteral(" - WWW ﾌﾞﾗｳｻﾞ"));
}

} // namespace velin
