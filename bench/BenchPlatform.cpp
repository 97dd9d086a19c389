#include "BenchPlatform.h"

#include "app/SubMain.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Mci.h"
#include "platform/Platform.h"
#include "platform/Screen.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>

namespace velin::bench {

namespace {

class SilentMci final : public Mci {
public:
    long SendString(const QString&, QString& reply) override
    {
        reply.clear();
        return 0;
    }
};

class AnsweringDialogs final : public Dialogs {
public:
    Answer MsgBox(const QString& text, Buttons, Icon, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
    std::optional<QString> InputBox(const QString&, const QString&, const QString&) override { return {}; }
    void ShowModal(QWidget*) override {}
};

} // namespace

struct GamePlatform::Services {
    AnsweringDialogs dialogs;
    SilentMci mci;
    QtScreen screen;
    SystemClock clock;
};

void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

GamePlatform::GamePlatform() : services_(std::make_unique<Services>())
{
    SetUpApplication();
    Platform::Install(&services_->dialogs, &services_->mci, &services_->screen, &services_->clock);
    SetLayoutValues(services_->screen.HeightTwips());
}

GamePlatform::~GamePlatform() = default;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace velin::bench
