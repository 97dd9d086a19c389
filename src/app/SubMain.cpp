#include "app/SubMain.h"

#include "app/Shared.h"
#include "app/frmOpening.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace velin {

void SetLayoutValues(double screenHeightTwips)
{
    LayoutValues& v = Shared;
    v = LayoutValues{};
    Shared.DefaultSolveMode = QStringLiteral("Pc");
    Shared.QuestionPrefix = QStringLiteral("kabQue");
    if (screenHeightTwips > 7200) {
        v.ScreenScale = 1.5;
        v.ButtonFontScale = 1.5;
        v.BaseCellSize = 270;
        v.ClueFontSize1 = 15;
        v.ClueFontSize2 = 14;
        v.ClueFontSize3 = 12;
        v.ClueFontSize4 = 9;
        v.TitleFontSize = 13.5;
        v.FormFontSize = 14.625;
        v.StatusFontSize = 15.75;
        v.SmallLabelFontSize = 9;
    }
    v.CellSize = v.BaseCellSize;
}

frmOpening* SubMain()
{
    Screen& screen = Platform::screen();
    SetLayoutValues(screen.HeightTwips());
    Shared.VersionBanner = QStringLiteral("(C) 2025-2026  velin  Version 4.40");

    auto* opening = new frmOpening;
    if (screen.TwipsPerPixelX() < 15 && screen.HeightTwips() >= 7200)
        opening->UseLargeLayout();
    // The opening form stands in the middle of the screen.
    Twips::MoveWindow(opening, (screen.WidthTwips() - Twips::Width(opening)) / 2,
                      (screen.HeightTwips() - Twips::Height(opening)) / 2, Twips::Width(opening),
                      Twips::Height(opening));
    // Show runs the form's load first.
    opening->Form_Load();
    if (opening->Unloaded)
        return opening;
    opening->show();

    screen.MovePointerOnto(opening, [opening] {
        const QPushButton* start = opening->cmdStart;
        const double x = Twips::ControlLeft(start) + Twips::Left(opening) + Twips::ControlWidth(start) / 2;
        double y = (Twips::Height(opening) - Twips::InnerHeight(opening)) + Twips::Top(opening);
        y = y + Twips::ControlTop(start) + Twips::ControlHeight(start) / 3;
        return QPointF(x, y);
    });
    return opening;
}

} // namespace velin
