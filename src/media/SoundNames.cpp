#include "media/SoundNames.h"

#include <algorithm>

namespace velin::SoundNames {

const std::array<QString, kSoundEvents + 1> kOptionCaptions = {
    QStringLiteral("オープニング"),
    QStringLiteral("Ｂ Ｇ Ｍ"),
    QStringLiteral("開　　始"),
    QStringLiteral("終　　了"),
    QStringLiteral("中　　止"),
    QStringLiteral("登 録 等"),
    QStringLiteral("機能変更選択アナウンス"),
    QStringLiteral("正　　解"),
    QStringLiteral("不 正 解"),
    QStringLiteral("エ ラ ー"),
    QStringLiteral("ダミー"),
};

const std::array<QString, kSoundEvents> kEventCaptions = {
    QStringLiteral("オープニングサウンド設定"),   QStringLiteral("ＢＧＭサウンド設定"),
    QStringLiteral("開始サウンド設定"),           QStringLiteral("終了サウンド設定"),
    QStringLiteral("中止サウンド設定"),           QStringLiteral("了解・登録等サウンド設定"),
    QStringLiteral("機能変更選択ｱﾅｳﾝｽｻｳﾝﾄﾞ設定"), QStringLiteral("正解サウンド設定"),
    QStringLiteral("不正解サウンド設定"),         QStringLiteral("エラーサウンド設定"),
};

QString ShownName(const QString& file)
{
    if (file == kNoSound)
        return file;
    // The stored paths come from this platform ("/") or from a settings file
    // written on Windows (":" and "\"); any of them ends the folder part.
    const qsizetype last = file.size() - 1;
    const qsizetype stop = std::max<qsizetype>(0, file.size() - 100);
    for (qsizetype i = last; i >= stop; --i) {
        const QChar c = file.at(i);
        if (c == u':' || c == u'\\' || c == u'/')
            return file.mid(i + 1);
    }
    return file;
}

namespace {

// The longest part of `name` from `start` that is at most `limit` wide.
QString LongestFrom(const QString& name, qsizetype start, const WidthOf& width, double limit)
{
    start = std::clamp<qsizetype>(start, 0, name.size());
    qsizetype length = name.size() - start;
    while (length > 0 && width(name.mid(start, length)) > limit)
        --length;
    return name.mid(start, length);
}

} // namespace

Fit FitName(const QString& name, const WidthOf& width, double limit)
{
    Fit fit;
    if (width(name) <= limit) {
        fit.shown = name;
        return fit;
    }
    fit.scrolls = true;
    fit.shown = LongestFrom(name, 0, width, limit);
    qsizetype drop = 1;
    while (drop < name.size() && width(name.mid(drop)) > limit)
        ++drop;
    fit.barMaximum = static_cast<int>(drop) + 2;
    return fit;
}

QString ScrolledPart(const QString& name, int value, const WidthOf& width, double limit)
{
    return LongestFrom(name, value, width, limit);
}

std::optional<QString> FlipSwitch(const QString& shown, const QString& file)
{
    if (shown == QLatin1String("Off") && file.endsWith(QStringLiteral("なし")))
        return std::nullopt;
    return shown == QLatin1String("On") ? QStringLiteral("Off") : QStringLiteral("On");
}

} // namespace velin::SoundNames
