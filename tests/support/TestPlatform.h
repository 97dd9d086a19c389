#pragma once
// Stand-ins for the platform services: a script of dialog answers with a log
// of everything shown, a recorder of media commands, a screen of settable
// size that logs pointer moves, and a clock the test sets by hand.
#include "QtPrinters.h"
#include "app/Shared.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Mci.h"
#include "platform/PrintTarget.h"
#include "platform/Screen.h"

#include <QHash>
#include <QPointF>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace velin::test {

class ScriptedDialogs final : public Dialogs {
public:
    struct Shown {
        QString kind;  // "MsgBox", "InputBox" or "Modal"
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
    };

    // Answers given to message boxes in order; when none is queued a box is
    // answered with its first button.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    // What the "user" does while a form is shown modally; when none is queued
    // the form is hidden again at once.
    std::deque<std::function<void(QWidget*)>> modalScripts;
    std::vector<Shown> log;

    Answer MsgBox(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    std::optional<QString> InputBox(const QString& prompt, const QString& title, const QString& initial) override;
    void ShowModal(QWidget* form) override;

    // The message boxes only.
    std::vector<Shown> Boxes() const;
};

class RecordingMci final : public Mci {
public:
    QStringList commands;
    // Reply to "status <path> mode"; empty by default.
    QString statusReply;

    long SendString(const QString& command, QString& reply) override;
};

// A machine without a printer whose PDF save dialog answers from a script;
// when none is queued the dialog is cancelled.
class ScriptedPrintTarget final : public PrintTarget {
public:
    QString printer;
    std::deque<std::optional<QString>> pdfPaths;
    QStringList proposed;

    QString DefaultPrinter() override { return printer; }
    std::optional<QString> AskPdfPath(const QString& proposedPath) override;
};

class FakeScreen final : public Screen {
public:
    double width = 9600;   // 640 x 480 pixels at 15 twips per pixel
    double height = 7200;
    double tppX = 15;
    double tppY = 15;
    std::vector<QPointF> pointerMoves;  // in twips, as asked
    int captionPixels = 18;  // the window caption's height

    double WidthTwips() const override { return width; }
    double HeightTwips() const override { return height; }
    double TwipsPerPixelX() const override { return tppX; }
    double TwipsPerPixelY() const override { return tppY; }
    void MovePointerTo(double x, double y) override { pointerMoves.emplace_back(x, y); }
    int CaptionHeightPixels() const override { return captionPixels; }

    void SetLarge() { width = 28800; height = 16200; }  // 1920 x 1080
};

class ManualClock final : public Clock {
public:
    double now = 12 * 3600;  // noon
    double Timer() const override { return now; }
    QString TimeText() const override;
    // Sleeping moves the clock on, so loops that wait for it end.
    void Sleep(int milliseconds) override;
    int sleptMs = 0;
};

// Installs fresh stand-ins and fresh program-wide values for one test, with a
// temporary config folder, and puts everything back afterwards.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();
    TestPlatform(const TestPlatform&) = delete;
    TestPlatform& operator=(const TestPlatform&) = delete;

    ScriptedDialogs dialogs;
    RecordingMci mci;
    FakeScreen screen;
    ManualClock clock;
    ScriptedPrintTarget printTarget;
    bool ended = false;
    int endCode = -1;

    // The temporary folder that stands in for the config folder.
    QString ConfigFolder() const;

private:
    QTemporaryDir configHome_;
    QByteArray oldConfigHome_;
};

// A temporary folder for fixtures that the tests write themselves.
class TempFolder {
public:
    TempFolder();
    // A folder named `subfolder` inside a fresh temporary one, so that the
    // folder above it (where the game keeps its backup and clear record)
    // belongs to the test too.
    explicit TempFolder(const QString& subfolder);
    // The folder's path, ending with the separator.
    QString Path() const;
    // The folder above Path() when made with a subfolder.
    QString Parent() const;
    QString File(const QString& name) const { return Path() + name; }
    // Writes lines in code page 932 with CR LF ends.
    QString WriteAnsi(const QString& name, const QStringList& lines) const;
    QString WriteBytes(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadBytes(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString subfolder_;
};

}  // namespace velin::test
