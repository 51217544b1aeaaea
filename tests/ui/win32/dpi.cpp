// "dpichange": the window starts at 96 DPI and moves to 144 DPI, as
// Windows does when it is dragged to a monitor of that scale (Wine never
// does). "dpi144": the window, its words and its figures in a session
// started at 144 DPI.
#include "tests/ui/win32/driver.h"

namespace wagelyn::drive {

namespace {

// How many pixel rows the control's text covers: rows holding a pixel
// unlike the control's own background (its most common colour).
int InkRows(HWND control) {
    const RECT r = Rect(control);
    const std::vector<std::uint32_t> pixels = PixelsIn(control);
    const std::uint32_t background = MostCommon(pixels);
    // PixelsIn leaves out 3 pixels each side.
    const RECT ink = BoundsOf(pixels, r.right - r.left - 6,
                              [background](std::uint32_t c) { return c != background; });
    return ink.bottom - ink.top;
}

}  // namespace

// The messages Windows sends, the window's answer, and what the user sees
// after: every control stands at its 144 DPI rectangle, and each label's
// and button's text is drawn anew in fonts half as big again.
void DpiChange(const Run& run) {
    CheckLayout(run.main, 96);
    std::vector<std::pair<std::string_view, int>> before;
    for (const ControlDef& def : main_form::Controls()) {
        if (def.kind == ControlKind::Label || def.kind == ControlKind::Button) {
            // The last controls may still be painting their first time.
            HWND control = MainControl(run.main, def.name);
            WaitFor(3000, [&] { return InkRows(control) > 0; });
            before.emplace_back(def.name, InkRows(control));
        }
    }
    constexpr int kNewDpi = 144;
    const RECT frame = Rect(run.main);
    SIZE size{MulDiv(frame.right - frame.left, kNewDpi, 96),
              MulDiv(frame.bottom - frame.top, kNewDpi, 96)};
    Check(run.program.SendPointing(run.main, WM_GETDPISCALEDSIZE, kNewDpi, &size, sizeof size) != 0,
          "the window gives its size for the new DPI");
    // Where Windows would put it: on the new monitor, here the same one.
    const RECT work = WorkArea(run.main);
    RECT suggested{work.left, work.top, work.left + size.cx, work.top + size.cy};
    run.program.SendPointing(run.main, WM_DPICHANGED, MAKEWPARAM(kNewDpi, kNewDpi), &suggested,
                             sizeof suggested);
    changedDpi = kNewDpi;
    CheckLayout(run.main, kNewDpi);
    for (const auto& [name, rows] : before) {
        HWND control = MainControl(run.main, name);
        // 1.5 times as high, give or take the rounding of a font's ascent.
        const auto grown = [&] { return InkRows(control) * 10 >= rows * 13; };
        WaitFor(3000, grown);
        Check(rows > 0 && grown(), Said(name, "'s text is drawn anew at 144 DPI: ", rows,
                                        " rows of ink, now ", InkRows(control)));
    }
}

void Dpi144(const Run& run) {
    CheckLayout(run.main, 144);
    CheckKeyboard(run.main);
    CheckWords(run.main, main_form::Form(), Translate(main_form::kCaption));
    CheckTextFits(run.main, main_form::Controls());
    CheckHeardAcrossAConversion(run.main);
    CheckConversions(run.main, false);
}

}  // namespace wagelyn::drive
