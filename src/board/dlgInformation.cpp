#include "board/dlgInformation.h"

#include "platform/FormInstance.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace velin {

dlgInformation& InformationForm()
{
    return FormInstance<dlgInformation>::Get();
}

dlgInformation* InformationFormIfLoaded()
{
    return FormInstance<dlgInformation>::IfLoaded();
}

void UnloadInformationForm()
{
    FormInstance<dlgInformation>::Unload();
}

dlgInformation::dlgInformation(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("dlgInformation"));
    setWindowTitle(QStringLiteral("インフォメーション"));
    setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 11));

    picInformation = new QLabel(this);
    picInformation->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    lblText = new QLabel(this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setTextFormat(Qt::PlainText);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
}

dlgInformation::~dlgInformation()
{
    FormInstance<dlgInformation>::Forget(this);
}

void dlgInformation::PrintLines(const QStringList& lines)
{
    lines_ = lines;
    lblText->setText(lines.join(u'\n'));
    const QFontMetrics metrics(lblText->font());
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const Screen& screen = Platform::screen();
    textWidth_ = (width + 2) * screen.TwipsPerPixelX();
    textHeight_ = (metrics.lineSpacing() * std::max<qsizetype>(1, lines.size()) + 2) * screen.TwipsPerPixelY();
}

void dlgInformation::cmdOk_Click()
{
    hide();
}

void dlgInformation::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cmdOk_Click();
}

} // namespace velin
