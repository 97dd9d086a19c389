#include "platform/PrintTarget.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrinterInfo>

namespace velin {

namespace {
PrintTarget* installed = nullptr;
} // namespace

PrintTarget& PrintTarget::Get()
{
    static QtPrintTarget real;
    return installed ? *installed : real;
}

void PrintTarget::Install(PrintTarget* target)
{
    installed = target;
}

QString QtPrintTarget::DefaultPrinter()
{
    return QPrinterInfo::defaultPrinterName();
}

std::optional<QString> QtPrintTarget::AskPdfPath(const QString& proposedPath)
{
    const QString path =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("印刷の代わりにPDFファイルに保存"),
                                     proposedPath, QStringLiteral("PDF ファイル (*.pdf)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace velin
