#include "platform/Surface.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    velin::InstallFontSubstitutions();
    return 0;
}
