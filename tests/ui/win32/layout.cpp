// "layout": the main window at 96 DPI, its controls at their design
// rectangles, every text of the three windows fitting its control, and a
// figure too long for its box. "fit LANGUAGE": only every text fitting, at
// the session's DPI.
#include "tests/ui/win32/driver.h"

#include <commctrl.h>

namespace wagelyn::drive {

namespace {

// The program's tooltip standing on the screen now, or nullptr.
HWND ShownTip(DWORD process) {
    const std::vector<HWND> tips = TopWindows(process, L"tooltips_class32");
    return tips.empty() ? nullptr : tips.front();
}

// The bounds, relative to `r`, of the pixels in `r` that stand out from the
// colour at `blank` (a point of `r` where no text is drawn); empty if none.
RECT InkBounds(const RECT& r, POINT blank) {
    const int width = r.right - r.left;
    const std::vector<std::uint32_t> pixels = ScreenPixels(r);
    const std::uint32_t face =
        pixels[static_cast<std::size_t>(blank.y - r.top) * width + (blank.x - r.left)];
    return BoundsOf(pixels, width, [face](std::uint32_t c) { return Differs(c, face); });
}

// A figure too long for its box shows its first digits: the character at
// the left edge of the box's text is the figure's first. Under the pointer,
// its tooltip gives the whole figure.
void CheckLeadingDigits(HWND main) {
    Convert(main, Period::Annual, "999999999999999999999", "0");
    const DWORD process = ProcessOf(main);
    for (const char* name : {"Text2", "Text11"}) {
        HWND box = MainControl(main, name);
        const std::string figure = TextOf(box);
        const RECT client = Rect(box, GetClientRect);
        const auto last = static_cast<WPARAM>(figure.size() - 1);
        const auto lastX = static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, last, 0)));
        const int left = LOWORD(SendMessageW(box, EM_GETMARGINS, 0, 0)) + 1;
        const LRESULT atLeft =
            SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(left, client.bottom / 2));
        Check(lastX > client.right && LOWORD(atLeft) == 0,
              Said(name, " shows \"", figure, "\" from character ", LOWORD(atLeft),
                   ", its last at x ", lastX));
        CheckFigureShown(box);
        const RECT r = Rect(box);
        SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        std::string tip;
        // With no tooltip shown, no window is asked: no text.
        WaitFor(5000, [&] { return (tip = TextOf(ShownTip(process))) == figure; });
        CheckSame(tip, figure, Said(name, "'s tooltip says"));
        // Gone with the pointer, or at once: later checks read the boxes' pixels.
        SetCursorPos(0, 0);
        const auto gone = [&] { return ShownTip(process) == nullptr; };
        if (!WaitFor(1000, gone)) {
            SendMessageW(ShownTip(process), TTM_POP, 0, 0);
            WaitFor(1000, gone);
        }
    }
}

}  // namespace

void CheckLayout(HWND main, int wanted) {
    const int dpi = DpiOf(main);
    if (changedDpi == 0) {  // else the DPI the driver sent
        Check(dpi == wanted, Said("the window runs at ", dpi, " DPI"));
    }
    const RECT client = Rect(main, GetClientRect);
    Check(client.right == MulDiv(main_form::kClientWidth, dpi, 1440) &&
              client.bottom == MulDiv(main_form::kClientHeight, dpi, 1440),
          Said("client area ", client.right, " x ", client.bottom, " at ", dpi, " DPI"));
    const RECT frame = Rect(main);
    const RECT work = WorkArea(main);
    Check(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right &&
              frame.bottom <= work.bottom,
          "the window stands inside the work area");
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    Check((style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) == 0 && (style & WS_SYSMENU),
          "a fixed frame with a close box only");
    for (const ControlDef& def : main_form::Controls()) {
        HWND control = MainControl(main, def.name);
        const RECT actual = Rect(control);
        const RECT design = OnScreen(main, def);
        const bool combo = def.kind == ControlKind::ComboBox;  // its height is its font's
        Check(control != main && actual.left == design.left && actual.top == design.top &&
                  actual.right == design.right && (combo || actual.bottom == design.bottom),
              std::string(def.name) + " stands at its design rectangle");
    }
}

// Every label's and button's text, as the control itself draws it, fits the
// room it has on the screen: nothing is cut off. With every other control
// hidden, each one is grown for a moment, so that it draws all of its text
// (a label wraps at its own width and grows downwards; a button grows around
// its centre, where its text stays), and the ink it draws then must lie
// inside its usual room: for a label its client area, for a button the
// inside of its frame.
void CheckTextFits(HWND window, std::span<const ControlDef> controls) {
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    std::vector<HWND> shown;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            shown.push_back(child);
        }
    }
    // Each label and button shown, at its place in the window's client area.
    std::vector<std::tuple<const ControlDef*, HWND, RECT>> measured;
    for (const ControlDef& def : controls) {
        HWND control = ControlAt(window, controls, def.name);
        RECT r = Rect(control);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        if ((def.kind == ControlKind::Label || def.kind == ControlKind::Button) &&
            control != window && IsWindowVisible(control)) {
            measured.emplace_back(&def, control, r);
        }
    }
    constexpr UINT kKeep = SWP_NOZORDER | SWP_NOACTIVATE;
    const auto showAll = [&](UINT show) {
        for (HWND control : shown) {
            SetWindowPos(control, nullptr, 0, 0, 0, 0, kKeep | SWP_NOMOVE | SWP_NOSIZE | show);
        }
    };
    showAll(SWP_HIDEWINDOW);
    const RECT client = Rect(window, GetClientRect);
    for (const auto& [def, control, r] : measured) {
        const bool button = def->kind == ControlKind::Button;
        const int width = r.right - r.left;
        const int height = r.bottom - r.top;
        const int wanted = height + MulDiv(40, dpi, 96);
        const int sideways = button ? std::min<int>(wanted, (client.right - width) / 2) : 0;
        const int upwards = button ? std::min<int>(wanted, (client.bottom - height) / 2) : 0;
        const int downwards = button ? upwards : std::min<int>(wanted, client.bottom - height);
        const int left = std::clamp<int>(r.left - sideways, 0, client.right - width - 2 * sideways);
        const int top =
            std::clamp<int>(r.top - upwards, 0, client.bottom - height - upwards - downwards);
        SetWindowPos(control, nullptr, left, top, width + 2 * sideways,
                     height + upwards + downwards, kKeep | SWP_SHOWWINDOW);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT grown = ClientOnScreen(control);
        // The usual client area, where it stands in the grown one.
        RECT room{sideways, upwards, grown.right - grown.left - sideways,
                  grown.bottom - grown.top - downwards};
        // A button's frame and focus rectangle take some pixels on each side.
        const int frame = button ? MulDiv(4, dpi, 96) : 0;
        InflateRect(&grown, -frame, -frame);
        InflateRect(&room, -frame, -frame);
        // Drawn anew once its ink has stayed the same for a tenth of a
        // second: two looks alike can both come before the control paints.
        RECT ink{};
        RECT before{-1, -1, -1, -1};
        int alike = 0;
        WaitFor(3000, [&] {
            ink = InkBounds(grown, {grown.left, grown.bottom - 1});
            alike = ink.right > ink.left && EqualRect(&ink, &before) ? alike + 1 : 0;
            before = ink;
            return alike >= 5;
        });
        OffsetRect(&ink, frame, frame);
        SetWindowPos(control, nullptr, r.left, r.top, width, height, kKeep | SWP_HIDEWINDOW);
        // A label does not grow sideways: ink on its outermost column is cut
        // there, but a left-aligned one's text starts at its left edge.
        const bool fits = ink.right > ink.left && ink.top >= room.top &&
                          ink.bottom <= room.bottom &&
                          (button ? ink.left >= room.left && ink.right <= room.right
                                  : ink.right < room.right && (ink.left > 0 || !def->centred));
        Check(fits, Said(def->name, " holds its text at ", dpi, " DPI: its ink spans ", ink.left,
                         "..", ink.right, " x ", ink.top, "..", ink.bottom, ", its room ",
                         room.left, "..", room.right, " x ", room.top, "..", room.bottom));
    }
    showAll(SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Fit(const Run& run) {
    CheckTextFits(run.main, main_form::Controls());
    WithEachDialog(run, [](HWND dialog, const FormDef& form, const std::string&) {
        CheckTextFits(dialog, form.controls);
    });
    Quit(run);
}

void Layout(const Run& run) {
    CheckLayout(run.main, 96);
    CheckLeadingDigits(run.main);
    Fit(run);
}

}  // namespace wagelyn::drive
