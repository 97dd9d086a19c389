// velin-bench-hintlist
//
// Figures for the hint list, offscreen: building the list over a question
// folder of 900 files (the default set copied under the three prefixes), from
// the first file probed to the last entry listed, progress bar and list
// refreshes included (target: under 0.5 s). The pass probes 2,703 names, so
// it also shows what the case-insensitive lookup costs.
#include "app/Shared.h"
#include "app/SubMain.h"
#include "files/HintList.h"
#include "files/frmHintList.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Mci.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "platform/Surface.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace velin;

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

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    AnsweringDialogs dialogs;
    SilentMci mci;
    QtScreen screen;
    SystemClock clock;
    Platform::Install(&dialogs, &mci, &screen, &clock);
    SetLayoutValues(screen.HeightTwips());

    // 300 numbers under each of the three prefixes, written as the files of
    // the default set, one after the other.
    const QDir source(QStringLiteral(VELIN_DATA_DIR "/Question"));
    const QStringList defaults = source.entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
    if (defaults.isEmpty()) {
        std::fprintf(stderr, "no default questions in %s\n", qPrintable(source.path()));
        return 1;
    }
    QTemporaryDir root;
    const QString folder = Paths::AddDirSep(root.path()) + QStringLiteral("Question/");
    QDir().mkpath(folder);
    const QStringList prefixes{QStringLiteral("kabQue"), QStringLiteral("velin"), QStringLiteral("nono")};
    int written = 0;
    for (int k = 0; k < 300; ++k)
        for (const QString& prefix : prefixes) {
            const QString name = prefix + QStringLiteral("%1.dat").arg(k, 3, 10, QChar(u'0'));
            QFile::copy(source.filePath(defaults.at(written % defaults.size())), folder + name);
            ++written;
        }
    Shared.QuestionFolder = folder;
    Shared.HomeFolder = folder;

    frmHintList& form = HintListForm();
    form.show();
    QApplication::processEvents();

    std::vector<double> builds;
    int listed = 0;
    for (int run = 0; run < 6; ++run) {
        if (run > 0)
            Paths::ForgetListings(); // every run starts with a cold listing, as the first one does
        Shared.HintListResume = false;
        form.Form_Load();
        form.tmrWait.stop();
        QElapsedTimer timer;
        timer.start();
        form.tmrWait_Timer();
        builds.push_back(timer.nsecsElapsed() / 1e6);
        listed = form.lstHint->count();
    }
    std::printf("Hint list over %d question files (2,703 names probed), offscreen, progress bar drawn:\n", written);
    std::printf("  first %.1f ms, median %.1f ms, slowest %.1f ms, %d entries listed (target: under 500 ms)\n",
                builds.front(), Median(builds), *std::max_element(builds.begin(), builds.end()), listed);

    std::vector<double> passes;
    for (int run = 0; run < 6; ++run) {
        Paths::ForgetListings();
        HintList list;
        QElapsedTimer timer;
        timer.start();
        list.Build(folder, {}, {});
        passes.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("The same pass without the form (file probes and reads only):\n");
    std::printf("  median %.1f ms, slowest %.1f ms\n", Median(passes), *std::max_element(passes.begin(), passes.end()));

    std::vector<double> reopen;
    for (int run = 0; run < 6; ++run) {
        QElapsedTimer timer;
        timer.start();
        form.Form_Load();
        reopen.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("Later openings from memory, marks refreshed:\n  median %.2f ms\n", Median(reopen));
    UnloadHintListForm();
    return 0;
}
