#include "ui/forms/print_command.h"

namespace wagelyn {
namespace {

class Busy {
public:
    explicit Busy(PrintableWindow& window) : window_(window) { window_.SetBusy(true); }
    ~Busy() { window_.SetBusy(false); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    PrintableWindow& window_;
};

}  // namespace

void RunPrintCommand(PrintableWindow& window) {
    const page::FormLook look = window.CurrentLook();
    const PrintOutcome outcome = [&] {
        const Busy busy(window);
        return window.PrintLook(look);
    }();
    const std::string problem = PrintReport(outcome.result, outcome.printer);
    if (!problem.empty()) {
        window.ShowPrintProblem(problem);
    }
}

}  // namespace wagelyn
