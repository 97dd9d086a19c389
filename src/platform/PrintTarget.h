#pragma once
// Where printed pages go: the default printer, or, on a machine without one,
// a PDF file the user names in a save dialog. The real implementation asks
// the print system and shows a file dialog; tests install a stand-in that
// has no printer and answers the dialog from a script.
#include <QString>
#include <optional>

namespace velin {

class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // The default printer's name; empty when the machine has no printer.
    virtual QString DefaultPrinter() = 0;
    // The save dialog for a PDF, proposing `proposedPath`; nullopt when cancelled.
    virtual std::optional<QString> AskPdfPath(const QString& proposedPath) = 0;

    // The installed target, or the real one when none is installed.
    static PrintTarget& Get();
    // Installs a target; a null pointer goes back to the real one.
    static void Install(PrintTarget* target);
};

class QtPrintTarget final : public PrintTarget {
public:
    QString DefaultPrinter() override;
    std::optional<QString> AskPdfPath(const QString& proposedPath) override;
};

} // namespace velin
