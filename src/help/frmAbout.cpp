#include "help/frmAbout.h"

#include "app/Shared.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Twips.h"

#include <QCloseEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velin {

namespace {

QString LicenseText()
{
    QFile file(QStringLiteral(":/help/LICENSE"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

frmAbout::frmAbout(QWidget* owner) : QWidget(owner, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));

    imgIcon = new QLabel(this);
    imgIcon->setPixmap(
        QPixmap(QStringLiteral(":/opening/snake.png")).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    imgIcon->setFixedSize(64, 64);
    lblName = new QLabel(QStringLiteral("イラスト・パズル『べ り ん』"), this);
    QFont big = lblName->font();
    big.setPointSizeF(14);
    big.setBold(true);
    lblName->setFont(big);
    lblVersion = new QLabel(Shared.VersionBanner, this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblLicense = new QLabel(QStringLiteral("ライセンス(&L):"), this);
    txtLicense = new QPlainTextEdit(LicenseText(), this);
    txtLicense->setObjectName(QStringLiteral("txtLicense"));
    txtLicense->setReadOnly(true);
    txtLicense->setFont(QFont(QStringLiteral("IPAGothic"), 8));
    lblLicense->setBuddy(txtLicense);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });

    auto* head = new QHBoxLayout;
    auto* names = new QVBoxLayout;
    names->addWidget(lblName);
    names->addWidget(lblVersion);
    head->addWidget(imgIcon);
    head->addSpacing(12);
    head->addLayout(names, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(6);
    layout->addWidget(lblLicense);
    layout->addWidget(txtLicense, 1);
    layout->addLayout(buttons);
    resize(560, 420);
    cmdOk->setFocus();
}

void frmAbout::cmdOk_Click()
{
    hide();
}

void frmAbout::PointToOk()
{
    // The layout places OK only once the box has its size.
    layout()->activate();
    const QPoint centre = cmdOk->mapTo(this, cmdOk->rect().center());
    const double caption = Twips::Height(this) - Twips::InnerHeight(this);
    const Screen& screen = Platform::screen();
    Platform::screen().MovePointerTo(Twips::Left(this) + centre.x() * screen.TwipsPerPixelX(),
                                     Twips::Top(this) + caption + centre.y() * screen.TwipsPerPixelY());
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    event->ignore();
    cmdOk_Click();
}

} // namespace velin
