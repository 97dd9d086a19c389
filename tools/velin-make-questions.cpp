// velin-make-questions ART_FOLDER OUTPUT_FOLDER
// Turns the text-art puzzles of ART_FOLDER (data/art) into question files in
// OUTPUT_FOLDER (data/Question). Each picture is checked with a complete line
// solver against its "logic" mark before anything is written, so a puzzle
// advertised as solvable by line logic really is.
//
//   velin-make-questions data/art data/Question
#include "ArtPuzzle.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: velin-make-questions ART_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    if (!QDir().mkpath(args.at(2))) {
        std::fprintf(stderr, "velin-make-questions: cannot create %s\n", qPrintable(args.at(2)));
        return 1;
    }
    QStringList written;
    QString error;
    if (!velin::art::WriteQuestions(args.at(1), args.at(2), written, error)) {
        std::fprintf(stderr, "velin-make-questions: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%lld question files written to %s\n", static_cast<long long>(written.size()), qPrintable(args.at(2)));
    return 0;
}
