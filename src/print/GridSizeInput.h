#pragma once
// The answer of the blank grid form's input box: "rows columns", e.g. "20 25".
#include <QString>
#include <cstdint>
#include <optional>

namespace velin {

struct GridSizeAnswer {
    enum Kind {
        Cancel,    // an empty answer: nothing happens
        KeepSizes, // no blank: the loaded puzzle's sizes
        Sizes,     // rows and columns as given
        Invalid    // refused with the input error message
    };
    Kind kind = Cancel;
    int16_t rows = 0;
    int16_t columns = 0;
};

namespace GridSizeInput {

inline const QString kPrompt =
    QStringLiteral("数値等が無い升目枠を印刷します。縦、横の升目数を例に従って入力して下さい。\n"
                   "　入力例(縦方向数、空白、横方向数です)：20 25");
inline const QString kTitle = QStringLiteral("白升目枠印刷");
inline const QString kDefault = QStringLiteral("20 25");
inline const QString kInvalidMessage = QStringLiteral("入力値が不正です。印刷を中止して戻ります。");
inline const QString kInvalidTitle = QStringLiteral("エラー情報");

// Splits at the first blank; a second blank right after it is refused. Each
// side is read as a decimal number (blanks skipped, reading stops at the first
// character that cannot belong to the number, no number gives 0), rounded
// half to even; values outside 16 bits, negative sizes and grids larger than
// the form holds are refused. Full-width digits and the ideographic space
// typed through a Japanese input method count as their ASCII forms.
GridSizeAnswer Parse(const QString& answer);

// The numeric value at the start of `text`: blanks anywhere are skipped, an
// optional sign, digits, a decimal point and an exponent are read, and
// reading stops at the first other character; 0 when there is no number.
double LeadingNumber(const QString& text);

} // namespace GridSizeInput

} // namespace velin
