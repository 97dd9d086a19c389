// velin-bench-hintlist
//
// Figures for the hint list, offscreen: building the list over a question
// folder of 900 files (the default set copied under the three prefixes), from
// the first file probed to the last entry listed, progress bar and list
// refreshes included (target: under 0.5 s). The pass probes 2,703 names, so
// it also shows what the case-insensitive lookup costs.
#include "BenchPlatform.h"
#include "app/Shared.h"
#include "app/SubMain.h"
#include "files/HintList.h"
#include "files/frmHintList.h"
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

int main(int argc, char** argv)
{
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    const bench::GamePlatform platform;

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
                builds.front(), bench::Median(builds), *std::max_element(builds.begin(), builds.end()), listed);

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
    std::printf("  median %.1f ms, slowest %.1f ms\n", bench::Median(passes),
                *std::max_element(passes.begin(), passes.end()));

    std::vector<double> reopen;
    for (int run = 0; run < 6; ++run) {
        QElapsedTimer timer;
        timer.start();
        form.Form_Load();
        reopen.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("Later openings from memory, marks refreshed:\n  median %.2f ms\n", bench::Median(reopen));
    UnloadHintListForm();
    return 0;
}
