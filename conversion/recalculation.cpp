#include "conversion/recalculation.h"

#include <cmath>
#include <exception>
#include <optional>

#include "conversion/conversion_tables.h"
#include "conversion/kept_figure.h"
#include "conversion/take_home_factor.h"
#include "conversion/text_to_number.h"

namespace wagelyn {
namespace {

bool RunRules(Period source, WindowOperations& window, double& takeHomeFactor,
              const NumberFormat& format) {
    // The Second40 run turns its box blue before it reads the tax entry; the
    // other eleven only once the factor is known.
    if (source == Period::Second40) {
        window.SetBoxColour(source, kBlue);
    }
    if (!ComputeTakeHomeFactor(window, takeHomeFactor, format)) {
        return false;
    }
    if (source != Period::Second40) {
        window.SetBoxColour(source, kBlue);
    }

    for (const OutputRule& rule : TableFor(source)) {
        const std::optional<double> operand = TextToNumber(window.BoxText(rule.reads), format);
        if (!operand) {
            return false;
        }
        double value = rule.chain.Apply(*operand);
        if (!std::isfinite(value)) {
            return false;
        }
        if (rule.net == Net::TimesFactor) {
            value *= takeHomeFactor;
            // Only a factor above 1 (a negative tax) can overflow here; a box
            // must never be given "inf".
            if (!std::isfinite(value)) {
                return false;
            }
        }
        window.SetBoxText(rule.target, KeptFigureText(value, rule.digits, format));
    }

    for (const PeriodInfo& info : kPeriods) {
        if (info.period != source) {
            window.SetBoxColour(info.period, kRed);
        }
    }
    return true;
}

}  // namespace

void Recalculate(Period source, WindowOperations& window, double& takeHomeFactor,
                 const NumberFormat& format) {
    bool completed = false;
    try {
        completed = RunRules(source, window, takeHomeFactor, format);
    } catch (const std::exception&) {
        completed = false;  // e.g. no memory for a pasted megabyte: same path
    }
    if (!completed) {
        window.ShowError();
    }
}

void LoadDefaults(WindowOperations& window, double& takeHomeFactor, const NumberFormat& format) {
    window.SetTaxText("0");
    // Reads back the "0" just written, so it cannot fail.
    (void)ComputeTakeHomeFactor(window, takeHomeFactor, format);
}

void ResetBoxes(WindowOperations& window) {
    for (const PeriodInfo& info : kPeriods) {
        window.SetBoxText(info.period, {});
    }
}

}  // namespace wagelyn
