#pragma once
// A persistent drawing surface measured in twips, the board form's canvas:
// what is drawn stays until it is cleared or drawn over, and survives being
// covered, minimised and restored. Colours are the game's colour values
// (0xBBGGRR). Every operation can be logged so that tests assert on what was
// drawn, in twips.
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace velin {

class Surface {
public:
    enum FillStyle { FillSolid = 0, FillTransparent = 1 };
    enum DrawStyle { DrawSolid = 0, DrawDash = 1, DrawDot = 2 };

    struct Op {
        enum Kind { Clear, Text, Line, Box, FilledBox, Circle };
        Kind kind = Clear;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0;
        QString text;
        int32_t color = 0;
        int drawWidth = 1;
        int drawStyle = 0;
        int fillStyle = 1;
        int32_t fillColor = 0;
        QString fontName;
        double fontSize = 0;
        bool fontBold = false;
    };

    explicit Surface(double twipsPerPixelX = 15.0, double twipsPerPixelY = 15.0);

    double TwipsPerPixelX() const { return tppX_; }
    double TwipsPerPixelY() const { return tppY_; }
    // Grows the backing store to at least this size, keeping what was drawn.
    void EnsureSize(double widthTwips, double heightTwips);

    int32_t BackColor = 0xFFFFFF;
    int32_t ForeColor = 0x000000;
    int32_t FillColor = 0x000000;
    int FillStyle = FillTransparent;
    int DrawWidth = 1; // pixels
    int DrawStyle = DrawSolid;
    QString FontName = QStringLiteral("ＭＳ ゴシック");
    double FontSize = 9.0;
    bool FontBold = false;

    // Fills everything with the background colour.
    void Clear();
    // Text whose top left corner is at (x, y), in the fore colour, transparent.
    void Print(double x, double y, const QString& text);
    void Line(double x1, double y1, double x2, double y2, int32_t color);
    void Box(double x1, double y1, double x2, double y2, int32_t color);
    void FillBox(double x1, double y1, double x2, double y2, int32_t color);
    // Outline in `color`, inside filled by the fill style and fill colour.
    void Circle(double cx, double cy, double radius, int32_t color);

    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    QFont CurrentFont() const;

    // Asks the owner to repaint from the backing store.
    void Refresh();
    std::function<void()> onRefresh;

    const QImage& Image() const { return image_; }

    void SetLogging(bool on) { logging_ = on; }
    const std::vector<Op>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

    static QColor ToQColor(int32_t color);

private:
    int Px(double twips) const;
    int Py(double twips) const;
    void Record(Op op);
    Op Make(Op::Kind kind) const;

    double tppX_;
    double tppY_;
    QImage image_;
    bool logging_ = false;
    std::vector<Op> log_;
};

// Maps the fonts the layout was designed for onto installed, metric-compatible ones.
void InstallFontSubstitutions();
// True when the system can give a label this font.
bool FontAccepted(const QString& family);

} // namespace velin
