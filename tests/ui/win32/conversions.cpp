// Conversions typed into the main window: the worked examples' figures,
// each figure's colour and room on the screen, and what screen readers
// hear of a run.

#include "tests/support/worked_examples.h"
#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

namespace {

// A worked example's text with the decimal comma and the grouping point.
std::string InFormat(std::string text, bool decimalComma) {
    for (char& c : text) {
        c = !decimalComma ? c : c == '.' ? ',' : c == ',' ? '.' : c;
    }
    return text;
}

void Convert(HWND main, Period source, std::string_view figure, std::string_view tax) {
    const main_form::PeriodControls& period = main_form::kPeriodControls[IndexOf(source)];
    SetText(MainControl(main, period.box), figure);
    SetText(MainControl(main, main_form::kTaxEntry), tax);
    Click(MainControl(main, period.button));
}

// How many pixels of the box's inside are clearly blue, and clearly red.
std::pair<int, int> InkIn(HWND box) {
    std::pair<int, int> ink;
    for (const std::uint32_t c : PixelsIn(box)) {
        const int red = (c >> 16) & 0xFF;
        const int green = (c >> 8) & 0xFF;
        const int blue = c & 0xFF;
        ink.first += blue > 150 && red < 100 && green < 100;
        ink.second += red > 150 && blue < 100 && green < 100;
    }
    return ink;
}

std::map<DWORD, std::set<HWND>> raisedEvents;

void CALLBACK OnEvent(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG object, LONG child,
                      DWORD /*thread*/, DWORD /*time*/) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        raisedEvents[event].insert(window);
    }
}

// The windows of the program that raised each event during `act` and a
// second after, as screen readers are told: an event is a key of the map
// if it could be hooked. Collected before anything asks the program for
// its objects: no hook stands while a cross-process call waits.
std::map<DWORD, std::set<HWND>> RaisedDuring(HWND main, const std::function<void()>& act) {
    raisedEvents.clear();
    std::vector<HWINEVENTHOOK> hooks;
    for (const DWORD event : {EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_SYSTEM_ALERT}) {
        hooks.push_back(SetWinEventHook(event, event, nullptr, OnEvent, ProcessOf(main), 0,
                                        WINEVENT_OUTOFCONTEXT));
        if (hooks.back() != nullptr) {
            raisedEvents[event];
        }
    }
    act();
    const ULONGLONG end = GetTickCount64() + 1000;
    for (MSG message{}; GetTickCount64() < end; Sleep(10)) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    for (const HWINEVENTHOOK hook : hooks) {
        if (hook != nullptr) {
            UnhookWinEvent(hook);
        }
    }
    return raisedEvents;
}

}  // namespace

// Shown whole, or cut with its last ink, an ellipsis wide, dots on the
// baseline where a cut digit reaches up.
void CheckFigureShown(HWND box) {
    const std::wstring figure = TextOf(box);
    const int rightMargin = HIWORD(SendMessageW(box, EM_GETMARGINS, 0, 0));
    const int roomRight = Rect(box, GetClientRect).right - rightMargin;
    // Where the text, as the box lays it out from its start, ends: its last
    // character's place and, above it, the widest advance of those before
    // (a digit's; no box tells where its text ends).
    const auto xOf = [box](std::size_t i) {
        return static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, i, 0)));
    };
    int widest = 0;
    for (std::size_t i = 1; i < figure.size(); ++i) {
        widest = std::max(widest, xOf(i) - xOf(i - 1));
    }
    const int endX = figure.empty() ? 0 : xOf(figure.size() - 1) + widest;
    const RECT r = ClientOnScreen(box);
    const POINT blank{r.left + 1, r.bottom - 2};
    const RECT ink = InkBounds(r, blank);
    const std::string what =
        Said(win32::Narrow(figure), " (its text ends at ", endX, ", its room at ", roomRight,
             ", its ink ", ink.left, "..", ink.right, ")");
    // The advances are whole pixels here: one more may be rounding.
    if (endX <= roomRight + 1) {
        Check(ink.right >= endX - 3 && ink.right <= roomRight + 1, "shown whole: " + what);
        return;
    }
    const int width = r.right - r.left;
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    const std::uint32_t face =
        pixels[static_cast<std::size_t>(blank.y - r.top) * width + (blank.x - r.left)];
    const int dotsTop = ink.bottom - (ink.bottom - ink.top) / 3;
    bool dots = ink.right > ink.left;
    for (int y = ink.top; y < dotsTop; ++y) {
        for (int x = ink.right - (ink.bottom - ink.top) * 7 / 10; x < ink.right; ++x) {
            dots = dots && !Differs(pixels[static_cast<std::size_t>(y) * width + x], face);
        }
    }
    Check(dots, "shown cut with an ellipsis: " + what);
}

// Each worked example gives the boxes its texts. Then a few sources, salaries
// whose figures run to 9 and 14 characters among them: the source's figure
// drawn blue and the others red, each shown whole or cut with an ellipsis.
void CheckConversions(HWND main, bool decimalComma) {
    for (const testing::WorkedExample& example : testing::kWorkedExamples) {
        const std::string typed = InFormat(example.figure, decimalComma);
        Convert(main, example.source, typed, InFormat(example.tax, decimalComma));
        const std::string_view source = main_form::kPeriodControls[IndexOf(example.source)].box;
        const std::string kept = win32::Narrow(TextOf(MainControl(main, source)));
        Check(kept == typed, std::string(example.name) + " keeps \"" + typed + "\" as typed in " +
                                 std::string(source) + ": \"" + kept + "\"");
        for (const auto& [period, text] : example.texts) {
            const std::string_view box = main_form::kPeriodControls[IndexOf(period)].box;
            const std::string shown = win32::Narrow(TextOf(MainControl(main, box)));
            const std::string expected = InFormat(text, decimalComma);
            Check(shown == expected, std::string(example.name) + " gives " + std::string(box) +
                                         " \"" + shown + "\", not \"" + expected + "\"");
        }
    }
    const std::string d = decimalComma ? "," : ".";
    const std::tuple<Period, std::string, std::string> drawn[] = {
        {Period::Hourly35, "28" + d + "57", "12" + d + "5"},
        {Period::Second40, "0" + d + "0069", "20"},
        {Period::Monthly, "4333" + d + "33", "150"},
        {Period::Annual, "1250000", "0"},
        {Period::Annual, "5200000", "0"},
        {Period::Annual, "520000000000", "0"},
        {Period::Annual, InFormat("52,000", decimalComma), "0"},  // last: what a screenshot shows
    };
    for (const auto& [source, figure, tax] : drawn) {
        Convert(main, source, figure, tax);
        const auto drawnRight = [&](const main_form::PeriodControls& box) {
            const auto [blue, red] = InkIn(MainControl(main, box.box));
            return box.period == source ? blue > 20 && red == 0 : red > 20 && blue == 0;
        };
        WaitFor([&] { return std::ranges::all_of(main_form::kPeriodControls, drawnRight); }, 3000);
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            Check(drawnRight(box), Said(figure, " from ", box.caption, ": ", box.box, " is drawn ",
                                        box.period == source ? "blue" : "red"));
            CheckFigureShown(MainControl(main, box.box));
        }
    }
}

std::function<Colour(const ControlDef&)> BoxColours(Period source, Colour others) {
    return [source, others](const ControlDef& def) {
        for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
            if (box.box == def.name) {
                return box.period == source ? kBlue : others;
            }
        }
        return def.foreground;
    };
}

// What a screen reader hears of every control before a conversion and
// after it, and that it is told of each box whose description changed.
void CheckHeardAcrossAConversion(HWND main) {
    // The default text colour in the boxes before any run.
    const auto opening = BoxColours(Period::Annual, 0);
    CheckHeard("before a conversion", main, main_form::Form(), opening);
    const Period source = Period::Hourly35;
    const auto converted = BoxColours(source, kRed);
    std::set<HWND> describedAnew;
    for (const AccessibleDef& def : main_form::Form().accessible) {
        const ControlDef* control = FindControl(main_form::Controls(), def.control);
        // Not the window itself, whose description never changes.
        if (control != nullptr &&
            DescriptionOf(def, opening(*control)) != DescriptionOf(def, converted(*control))) {
            describedAnew.insert(MainControl(main, def.control));
        }
    }
    auto events = RaisedDuring(main, [&] { Convert(main, source, "28", "0"); });
    CheckHeard("after a conversion", main, main_form::Form(), converted);
    Check(events.contains(EVENT_OBJECT_DESCRIPTIONCHANGE) &&
              events[EVENT_OBJECT_DESCRIPTIONCHANGE] == describedAnew,
          "screen readers hear of the " + std::to_string(describedAnew.size()) +
              " boxes whose description changed, and no others");

    // The run's result in words: a UI Automation notification where the
    // system has them, which Wine gives this driver no way to hear;
    // otherwise an alert, heard here.
    const win32::Module automation = win32::LoadSystemLibrary(L"uiautomationcore.dll");
    if (automation && GetProcAddress(automation.get(), "UiaRaiseNotificationEvent") != nullptr) {
        std::printf(
            "SKIPPED: the result is told by a UI Automation notification: not heard here\n");
        return;
    }
    const std::string told(Translate(main_form::kComputedAnnouncement));
    const std::set<HWND>& alerted = events[EVENT_SYSTEM_ALERT];
    Check(alerted.size() == 1 && NameHeard(*alerted.begin()) == told,
          "screen readers are told \"" + told + "\" once when a period button has run");
}

}  // namespace wagelyn::drive
