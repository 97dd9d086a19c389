#include "app/Settings.h"

#include "app/SettingsFile.h"
#include "app/Shared.h"
#include "media/SoundPlayer.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

namespace velin {

namespace {

Dialogs::Answer Ask(const QString& text, Dialogs::Icon icon, const QString& title)
{
    return Platform::dialogs().MsgBox(text, Dialogs::Buttons::YesNo, icon, title);
}

} // namespace

bool ReadSettings()
{
    Shared.WindowsFolder = Paths::ConfigFolder();
    Shared.SettingsPath = SettingsFile::Locate(Shared.WindowsFolder);
    const SettingsFile::ReadStatus status = SettingsFile::Read(Shared.SettingsPath, Shared);
    if (status == SettingsFile::ReadStatus::Ok) {
        Shared.HomeFolder = Shared.QuestionFolder;
        return true;
    }
    Sounds().PlayEvent(SoundError);
    const QString reason = status == SettingsFile::ReadStatus::BadPath
                               ? QStringLiteral("[velin.ini]を読めません。\n")
                               : QStringLiteral("[velin.ini]の値が不正です。\n\n");
    Platform::dialogs().MsgBox(reason + QStringLiteral("　　強制終了します！"), Dialogs::Buttons::Ok,
                               Dialogs::Icon::Exclamation, QStringLiteral("初期設定値読込"));
    Platform::EndProgram(1);
    return false;
}

bool WriteSettings(bool resetEmptySwitches)
{
    if (SettingsFile::Write(Shared.SettingsPath, Shared, resetEmptySwitches))
        return true;
    Sounds().PlayEvent(SoundError);
    Platform::dialogs().MsgBox(QStringLiteral("[velin.ini]に書き込めません。\n\n") +
                                   QStringLiteral("　　変更内容はこの実行中だけ有効です。"),
                               Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("初期設定値保存"));
    return false;
}

void LineStyleCommand()
{
    const bool dottedCells = Shared.SettingsHeader.startsWith(u'★');
    const QString now = dottedCells ? QStringLiteral("現在の線種は升目線=点線、５升毎の区切り線=実線です。")
                                    : QStringLiteral("現在の線種は升目線=実線、５升毎の区切り線=点線です。");
    if (Ask(now + QStringLiteral("\r升目の線種を現在の逆に変更しますか？"), Dialogs::Icon::None,
            QStringLiteral("升目区切り線種変更")) != Dialogs::Answer::Yes)
        return;

    Shared.SettingsHeader = dottedCells ? SettingsFile::kSolidCellsHeader : SettingsFile::kDottedCellsHeader;
    SettingsFile::ApplyHeaderStyles(Shared);
    const QString change = dottedCells ? QStringLiteral("升目線種を実線に、５升目毎の区切り線を点線に変更します。")
                                       : QStringLiteral("升目線種を点線に、５升目毎の区切り線を実線に変更します。");
    if (Ask(QStringLiteral("変更線種は次の問題から有効です。\r") + change +
                QStringLiteral("\r変更内容をファイルに保存しますか？(保存しないと終了時に変更内容は失われます。)"),
            Dialogs::Icon::None, QStringLiteral("升目区切り線種情報保存")) == Dialogs::Answer::Yes)
        WriteSettings();
}

void AskSaveCrossLine()
{
    if (Ask(QStringLiteral("次回パズルより有効となります。変更内容をファイルに保存しますか？\r\n"
                           "保存しないと終了時に変更内容は失われます。"),
            Dialogs::Icon::Question, QStringLiteral("クロスライン[有・無]変更結果保存")) == Dialogs::Answer::Yes)
        WriteSettings(false);
}

} // namespace velin
