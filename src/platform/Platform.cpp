#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace velin {

Dialogs* Platform::dialogs_ = nullptr;
Mci* Platform::mci_ = nullptr;
Screen* Platform::screen_ = nullptr;
Clock* Platform::clock_ = nullptr;

namespace {
std::function<void(int)>& endProgramHook()
{
    static std::function<void(int)> hook = [](int code) {
        std::fflush(nullptr);
        std::_Exit(code);
    };
    return hook;
}

template <typename T> T& require(T* service, const char* name)
{
    if (!service)
        throw std::logic_error(std::string("platform service not installed: ") + name);
    return *service;
}
} // namespace

Dialogs& Platform::dialogs()
{
    return require(dialogs_, "Dialogs");
}
Mci& Platform::mci()
{
    return require(mci_, "Mci");
}
Screen& Platform::screen()
{
    return require(screen_, "Screen");
}
Clock& Platform::clock()
{
    return require(clock_, "Clock");
}

void Platform::Install(Dialogs* dialogs, Mci* mci, Screen* screen, Clock* clock)
{
    if (dialogs)
        dialogs_ = dialogs;
    if (mci)
        mci_ = mci;
    if (screen)
        screen_ = screen;
    if (clock)
        clock_ = clock;
}

void Platform::SetEndProgram(std::function<void(int)> end)
{
    endProgramHook() = std::move(end);
}

void Platform::EndProgram(int code)
{
    endProgramHook()(code);
}

} // namespace velin
