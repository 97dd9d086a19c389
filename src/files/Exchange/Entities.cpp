#include "files/Exchange/Entities.h"

#include <QHash>

namespace velin::Exchange {

QString NamedEntity(const QString& name)
{
    // The references puzzle collections use in titles and credits; anything
    // else falls through as written, which the title check then names.
    static const QHash<QString, char32_t> table = {
        {QStringLiteral("amp"), U'&'},    {QStringLiteral("lt"), U'<'},     {QStringLiteral("gt"), U'>'},
        {QStringLiteral("quot"), U'"'},   {QStringLiteral("apos"), U'\''},  {QStringLiteral("nbsp"), U' '},
        {QStringLiteral("copy"), U'©'},   {QStringLiteral("reg"), U'®'},    {QStringLiteral("trade"), U'™'},
        {QStringLiteral("eacute"), U'é'}, {QStringLiteral("egrave"), U'è'}, {QStringLiteral("ecirc"), U'ê'},
        {QStringLiteral("euml"), U'ë'},   {QStringLiteral("aacute"), U'á'}, {QStringLiteral("agrave"), U'à'},
        {QStringLiteral("acirc"), U'â'},  {QStringLiteral("auml"), U'ä'},   {QStringLiteral("aring"), U'å'},
        {QStringLiteral("iacute"), U'í'}, {QStringLiteral("iuml"), U'ï'},   {QStringLiteral("oacute"), U'ó'},
        {QStringLiteral("ouml"), U'ö'},   {QStringLiteral("ocirc"), U'ô'},  {QStringLiteral("uacute"), U'ú'},
        {QStringLiteral("uuml"), U'ü'},   {QStringLiteral("ntilde"), U'ñ'}, {QStringLiteral("ccedil"), U'ç'},
        {QStringLiteral("szlig"), U'ß'},  {QStringLiteral("Eacute"), U'É'}, {QStringLiteral("Auml"), U'Ä'},
        {QStringLiteral("Ouml"), U'Ö'},   {QStringLiteral("Uuml"), U'Ü'},   {QStringLiteral("hellip"), U'…'},
        {QStringLiteral("mdash"), U'—'},  {QStringLiteral("ndash"), U'–'},  {QStringLiteral("lsquo"), U'‘'},
        {QStringLiteral("rsquo"), U'’'},  {QStringLiteral("ldquo"), U'“'},  {QStringLiteral("rdquo"), U'”'},
    };
    const auto found = table.constFind(name);
    if (found == table.constEnd())
        return QString();
    const char32_t code = found.value();
    return QString::fromUcs4(&code, 1);
}

QString DecodeEntities(const QString& text)
{
    if (!text.contains(u'&'))
        return text;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype semicolon = text.at(i) == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (semicolon < 0 || semicolon - i > 12) {
            out += text.at(i++);
            continue;
        }
        const QString name = text.mid(i + 1, semicolon - i - 1);
        QString replacement;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint code = name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive) ? name.mid(2).toUInt(&ok, 16)
                                                                                        : name.mid(1).toUInt(&ok, 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t c = code;
                replacement = QString::fromUcs4(&c, 1);
            }
        } else {
            replacement = NamedEntity(name);
        }
        if (replacement.isEmpty()) {
            out += text.at(i++);
            continue;
        }
        out += replacement;
        i = semicolon + 1;
    }
    return out;
}

} // namespace velin::Exchange
