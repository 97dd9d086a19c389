#include "help/Help.h"
#include "../board/BoardFixture.h"
#include "help/frmAbout.h"
#include "help/frmBrowser.h"
#include "help/frmHelp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest/QTest>

using namespace velin;
using namespace velin::test;

namespace {

class HelpTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        Help::SetUrlOpener([this](const QUrl& url) {
            handedOut << url;
            return true;
        });
    }
    void TearDown() override
    {
        UnloadHelpForm();
        UnloadBrowserForm();
        Help::SetUrlOpener(nullptr);
        BoardTest::TearDown();
    }
    QList<QUrl> handedOut;
};

TEST_F(HelpTest, HelpMenuOpensTheManualOnItsFrontPage)
{
    Board().MenuHelp_velin_Click();
    frmHelp& help = HelpForm();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.txtPage->source(), Help::HomePage());
    EXPECT_EQ(help.txtPage->documentTitle(), QStringLiteral("べりん ヘルプ"));
    EXPECT_EQ(help.lstContents->currentRow(), 0);
    EXPECT_FALSE(help.cmdBack->isEnabled());

    help.lstContents->setCurrentRow(2);
    emit help.lstContents->itemClicked(help.lstContents->item(2));
    EXPECT_TRUE(help.txtPage->source().toString().endsWith(QStringLiteral("modes.html")));
    EXPECT_TRUE(help.txtPage->toPlainText().contains(QStringLiteral("パソコン")));
    EXPECT_TRUE(help.cmdBack->isEnabled());
    help.cmdBack->click();
    EXPECT_EQ(help.txtPage->source(), Help::HomePage());
    EXPECT_TRUE(help.cmdForward->isEnabled());
    // Opening it again comes back to the front page.
    help.Navigate(Help::HomePage().resolved(QUrl(QStringLiteral("format.html"))));
    Board().MenuHelp_velin_Click();
    EXPECT_EQ(HelpForm().txtPage->source(), Help::HomePage());
}

TEST_F(HelpTest, EveryLinkOfTheManualResolves)
{
    const QDir pages(QStringLiteral(":/help"));
    const QStringList names = pages.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_GE(names.size(), 6);
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    int links = 0;
    for (const QString& name : names) {
        QFile file(pages.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        const QUrl base = Help::HomePage().resolved(QUrl(name));
        for (auto m = link.globalMatch(html); m.hasNext();) {
            const QUrl target = base.resolved(QUrl(m.next().captured(1)));
            EXPECT_FALSE(Help::IsExternal(target)) << name.toStdString() << ": " << target.toString().toStdString();
            EXPECT_TRUE(QFileInfo::exists(QLatin1Char(':') + target.path()))
                << name.toStdString() << ": " << target.toString().toStdString();
            ++links;
        }
    }
    EXPECT_GT(links, 10);
    // Every page is in the contents.
    frmHelp& help = HelpForm();
    QStringList listed;
    for (int i = 0; i < help.lstContents->count(); ++i)
        listed << help.lstContents->item(i)->data(Qt::UserRole).toUrl().fileName();
    listed.sort();
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(listed, sorted);
}

TEST_F(HelpTest, AboutBoxShowsNameBannerAndLicenceWithThePointerOnOk)
{
    Shared.VersionBanner = QStringLiteral("(C) 2025-2026  velin  Version 4.40");
    QString version;
    QString licence;
    QPointF okCentre;
    platform.dialogs.modalScripts = {[&](QWidget* w) {
        auto* box = static_cast<frmAbout*>(w);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
        EXPECT_EQ(box->lblName->text(), QStringLiteral("イラスト・パズル『べ り ん』"));
        version = box->lblVersion->text();
        licence = box->txtLicense->toPlainText();
        const QPoint c = box->cmdOk->mapTo(box, box->cmdOk->rect().center());
        okCentre = QPointF(Twips::Left(box) + c.x() * 15, Twips::Top(box) + c.y() * 15);
        box->cmdOk->click();
        EXPECT_TRUE(box->isHidden());
    }};
    Board().MenuHelp_Ver_Click();
    ASSERT_EQ(platform.dialogs.log.size(), 1u);
    EXPECT_EQ(platform.dialogs.log[0].text, QStringLiteral("frmAbout"));
    EXPECT_EQ(version, Shared.VersionBanner);
    EXPECT_TRUE(licence.startsWith(QStringLiteral("MIT License")));
    EXPECT_TRUE(licence.contains(QStringLiteral("Copyright (c) 2026 The べりん developers")));
    ASSERT_FALSE(platform.screen.pointerMoves.empty());
    EXPECT_EQ(platform.screen.pointerMoves.back(), okCentre);
}

TEST_F(HelpTest, BrowserShowsLocalPagesAndHandsWebAddressesToTheDesktop)
{
    Board().mnuViewWebBrowser_Click();
    frmBrowser& web = BrowserForm();
    EXPECT_TRUE(web.isVisible());
    EXPECT_EQ(web.webBrowser->source(), Help::HomePage());
    EXPECT_EQ(web.txtAddress->text(), Help::HomePage().toString());
    EXPECT_EQ(web.lblAddress->buddy(), web.txtAddress);

    web.txtAddress->setText(QStringLiteral("https://example.com/velin"));
    QTest::keyClick(web.txtAddress, Qt::Key_Return);
    ASSERT_EQ(handedOut.size(), 1);
    EXPECT_EQ(handedOut[0], QUrl(QStringLiteral("https://example.com/velin")));
    EXPECT_EQ(web.webBrowser->source(), Help::HomePage());
    EXPECT_EQ(web.txtAddress->text(), Help::HomePage().toString());

    // A link clicked in a page goes the same way.
    emit web.webBrowser->anchorClicked(QUrl(QStringLiteral("http://example.org/")));
    EXPECT_EQ(handedOut.size(), 2);
    emit web.webBrowser->anchorClicked(QUrl(QStringLiteral("play.html")));
    EXPECT_TRUE(web.webBrowser->source().toString().endsWith(QStringLiteral("/help/play.html")));
    web.cmdBack->click();
    EXPECT_EQ(web.webBrowser->source(), Help::HomePage());
    web.cmdForward->click();
    web.cmdHome->click();
    EXPECT_EQ(web.webBrowser->source(), Help::HomePage());

    // A local file renders in the window; a missing one says so.
    TempFolder folder;
    const QString page = folder.WriteBytes(QStringLiteral("page.html"),
                                           "<html><head><title>local</title></head><body>hello</body></html>");
    web.txtAddress->setText(page);
    web.txtAddress_Enter();
    EXPECT_EQ(web.webBrowser->source(), QUrl::fromLocalFile(page));
    EXPECT_EQ(web.webBrowser->toPlainText(), QStringLiteral("hello"));
    web.txtAddress->setText(folder.File(QStringLiteral("none.html")));
    web.txtAddress_Enter();
    EXPECT_TRUE(web.webBrowser->toPlainText().contains(QStringLiteral("ページが見つかりません")));
    EXPECT_EQ(handedOut.size(), 2);
}

TEST_F(HelpTest, TypedTextIsAnAddressOrAWordToSearch)
{
    const struct {
        const char* typed;
        const char* url;
    } cases[] = {
        {"https://example.com/", "https://example.com/"},
        {"www.example.com", "http://www.example.com"},
        {"qrc:/help/play.html", "qrc:/help/play.html"},
        {"/tmp/a.html", "file:///tmp/a.html"},
        {"ドラッグ", ""},
        {"two words", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frmBrowser::AddressOf(QString::fromUtf8(c.typed)), QUrl(QString::fromUtf8(c.url))) << c.typed;

    frmBrowser& web = BrowserForm();
    web.txtAddress->setText(QStringLiteral("ドラッグ"));
    web.txtAddress_Enter();
    const QString html = web.webBrowser->toHtml();
    EXPECT_TRUE(html.contains(QStringLiteral("qrc:/help/play.html"))) << html.toStdString();
    EXPECT_FALSE(html.contains(QStringLiteral("format.html")));
    EXPECT_TRUE(handedOut.isEmpty());
}

} // namespace
