#pragma once
// Character references as the exchange formats write non-ASCII characters
// ("&eacute;", "&#233;", "&#xE9;"), for the .non reader and for the XML
// reader, which meets the named ones as references to a DTD it does not load.
#include <QString>

namespace velin::Exchange {

// The text of a named reference (without "&" and ";"); empty when unknown.
QString NamedEntity(const QString& name);
// `text` with every reference it knows replaced; unknown ones stay as written.
QString DecodeEntities(const QString& text);

} // namespace velin::Exchange
