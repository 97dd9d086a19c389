#include "../board/BoardFixture.h"
#include "app/Settings.h"
#include "media/Palette.h"
#include "media/frmColor.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace velin;
using namespace velin::test;

namespace {

class ColorForm : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        SettingsFixture fixture;
        fixture.questionFolder = questions.Path();
        settingsPath = WriteSettingsFile(SettingsLines(fixture));
        ASSERT_TRUE(ReadSettings());
        Board().surface.BackColor = 0x00C0C0;
    }
    QByteArray SettingsBytes() const
    {
        QFile f(settingsPath);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    QString settingsPath;
};

TEST_F(ColorForm, SwatchesSitInFourRowsOfEightFromTheFirst)
{
    frmColor form(&Board());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("バックカラーの変更 "));
    const auto at = [&](int i) { return form.picPaint[static_cast<size_t>(i)]->geometry(); };
    EXPECT_EQ(at(8).x(), at(0).x());
    EXPECT_GT(at(8).y(), at(0).bottom());
    EXPECT_EQ(at(7).y(), at(0).y());
    EXPECT_GT(at(7).x(), at(6).right());
    EXPECT_EQ(at(31).x(), at(7).x());
    EXPECT_EQ(at(31).y(), at(24).y());
    // Every swatch lies inside the panel, clear of its neighbours.
    for (int i = 0; i < Palette::kColours; ++i) {
        EXPECT_TRUE(form.picPaintBox->rect().contains(at(i))) << i;
        if (i % Palette::kPerRow != 0) {
            EXPECT_FALSE(at(i).intersects(at(i - 1))) << i;
        }
    }
}

TEST_F(ColorForm, RegisterWithoutAClickStoresDarkBlueAndSavesAtOnce)
{
    platform.dialogs.modalScripts = {[](QWidget* w) { static_cast<frmColor*>(w)->cmdSelect_Click(); }};
    Board().MenuOptionColor_Click();
    const auto log = platform.dialogs.log;
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].text, QStringLiteral("変更色は次の問題選択時から有効になります！"));
    EXPECT_EQ(log[0].title, QStringLiteral("背景色変更"));
    EXPECT_EQ(log[0].icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(log[1].text, QStringLiteral("frmColor"));
    EXPECT_EQ(Shared.FormColor, 0x800000);
    EXPECT_TRUE(SettingsBytes().contains("\r\nFormColor= 8388608\r\n"));
    // The board keeps its colour until the next question is opened.
    EXPECT_EQ(Board().surface.BackColor, 0x00C0C0);
    EXPECT_EQ(Board().ColorChangePending, QStringLiteral("On"));

    Board().MenuFileOpen_Click(); // cancelled: no question, but the colour applies
    EXPECT_EQ(Board().surface.BackColor, 0x800000);
    EXPECT_EQ(Board().ColorChangePending, QStringLiteral("Off"));
}

TEST_F(ColorForm, ClickedSwatchIsPreviewedAndStored)
{
    platform.dialogs.modalScripts = {[](QWidget* w) {
        auto* form = static_cast<frmColor*>(w);
        form->picPaint[29]->click();
        EXPECT_EQ(form->SelectedColor, 29);
        EXPECT_TRUE(form->picPalette->styleSheet().contains(QStringLiteral("#ffa000")));
        form->cmdSelect_Click();
    }};
    Board().MenuOptionColor_Click();
    EXPECT_EQ(Shared.FormColor, Palette::kColours32[29]);
}

TEST_F(ColorForm, CancelOrCloseWritesNothingAndKeepsTheBoardColour)
{
    const QByteArray before = SettingsBytes();
    for (const bool viaClose : {false, true}) {
        platform.dialogs.modalScripts = {[viaClose](QWidget* w) {
            auto* form = static_cast<frmColor*>(w);
            form->picPaint_Click(11);
            if (viaClose)
                form->close();
            else
                form->cmdCancele_Click();
        }};
        Board().MenuOptionColor_Click();
        EXPECT_EQ(Shared.FormColor, 0x00C0C0) << viaClose;
        EXPECT_EQ(SettingsBytes(), before) << viaClose;
    }
    Board().MenuFileOpen_Click();
    EXPECT_EQ(Board().surface.BackColor, 0x00C0C0);
}

} // namespace
