#pragma once
// The seam between the game and the window system it was designed for.
// Every service that the original platform offered (message boxes, media
// commands, the screen and pointer, the time of day, ending the process) is
// reached through this one registry, so that tests can install scripted or
// recording stand-ins and the game code never talks to the system directly.
#include <functional>

namespace velin {

class Dialogs;
class Mci;
class Screen;
class Clock;

class Platform {
public:
    static Dialogs& dialogs();
    static Mci& mci();
    static Screen& screen();
    static Clock& clock();

    // Installs the services; a null pointer leaves that service as it is.
    static void Install(Dialogs* dialogs, Mci* mci, Screen* screen, Clock* clock);
    // What "end the program at once" means; the game installs a real exit,
    // tests install a recorder. Callers return right after calling it.
    static void SetEndProgram(std::function<void(int)> end);
    static void EndProgram(int code = 0);

private:
    static Dialogs* dialogs_;
    static Mci* mci_;
    static Screen* screen_;
    static Clock* clock_;
};

} // namespace velin
