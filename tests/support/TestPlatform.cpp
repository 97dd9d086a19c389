#include "TestPlatform.h"

#include "platform/AnsiText.h"
#include "platform/Paths.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTime>
#include <QWidget>
#include <cmath>

namespace velin::test {

Dialogs::Answer ScriptedDialogs::MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    log.push_back({QStringLiteral("MsgBox"), text, title, buttons, icon});
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
    default: return Answer::Ok;
    }
}

std::optional<QString> ScriptedDialogs::InputBox(const QString& prompt, const QString& title, const QString& initial)
{
    log.push_back({QStringLiteral("InputBox"), prompt, title, Buttons::OkCancel, Icon::None});
    if (!inputs.empty()) {
        auto a = inputs.front();
        inputs.pop_front();
        return a;
    }
    return initial;
}

void ScriptedDialogs::ShowModal(QWidget* form)
{
    log.push_back({QStringLiteral("Modal"), form ? form->objectName() : QString(), QString(), Buttons::Ok,
                   Icon::None});
    if (!modalScripts.empty()) {
        auto script = std::move(modalScripts.front());
        modalScripts.pop_front();
        if (form)
            form->show();
        script(form);
    }
    if (form)
        form->hide();
}

std::vector<ScriptedDialogs::Shown> ScriptedDialogs::Boxes() const
{
    std::vector<Shown> boxes;
    for (const Shown& s : log)
        if (s.kind == QLatin1String("MsgBox"))
            boxes.push_back(s);
    return boxes;
}

std::optional<QString> ScriptedPrintTarget::AskPdfPath(const QString& proposedPath)
{
    proposed << proposedPath;
    if (pdfPaths.empty())
        return std::nullopt;
    auto path = pdfPaths.front();
    pdfPaths.pop_front();
    return path;
}

long RecordingMci::SendString(const QString& command, QString& reply)
{
    commands << command;
    reply.clear();
    if (command.startsWith(QLatin1String("status ")))
        reply = statusReply;
    return 0;
}

QString ManualClock::TimeText() const
{
    const long s = std::lround(std::floor(now)) % 86400;
    return QTime(0, 0).addSecs(s).toString(QStringLiteral("HH:mm:ss"));
}

void ManualClock::Sleep(int milliseconds)
{
    sleptMs += milliseconds;
    now += milliseconds / 1000.0;
    if (now >= 86400)
        now -= 86400;
}

TestPlatform::TestPlatform()
{
    Shared = ProgramValues{};
    oldConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", configHome_.path().toUtf8());
    Paths::ForgetListings();
    Platform::Install(&dialogs, &mci, &screen, &clock);
    PrintTarget::Install(&printTarget);
    Platform::SetEndProgram([this](int code) {
        ended = true;
        endCode = code;
    });
}

TestPlatform::~TestPlatform()
{
    Platform::SetEndProgram([](int) {});
    PrintTarget::Install(nullptr);
    if (oldConfigHome_.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfigHome_);
    Shared = ProgramValues{};
}

QString TestPlatform::ConfigFolder() const { return Paths::ConfigFolder(); }

TempFolder::TempFolder() = default;

TempFolder::TempFolder(const QString& subfolder) : subfolder_(subfolder)
{
    QDir(dir_.path()).mkpath(subfolder);
}

QString TempFolder::Path() const
{
    const QString root = Paths::AddDirSep(dir_.path());
    return subfolder_.isEmpty() ? root : Paths::AddDirSep(root + subfolder_);
}

QString TempFolder::Parent() const { return Paths::AddDirSep(dir_.path()); }

QString TempFolder::WriteAnsi(const QString& name, const QStringList& lines) const
{
    const QString path = File(name);
    AnsiText::WriteLines(path, lines);
    return path;
}

QString TempFolder::WriteBytes(const QString& name, const QByteArray& bytes) const
{
    const QString path = File(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray TempFolder::ReadBytes(const QString& name) const
{
    QFile f(File(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

}  // namespace velin::test
