// "contrast": under the session's colour scheme (run_wagelyn.sh sets a
// high-contrast one), figures converted, every text of the three windows
// legible, and every control redrawn when the colours change.

#include "tests/ui/win32/driver.h"
#include "ui/forms/legible_colours.h"

namespace wagelyn::drive {

namespace {

// What a control shows on the screen, as 0x00BBGGRR: its background, the
// colour most of its inside is filled with, and as its text the ink that
// stands out most from it.
ColourPair ShownIn(HWND control) {
    std::vector<std::uint32_t> pixels = PixelsIn(control);
    for (std::uint32_t& c : pixels) {
        c = ((c & 0xFFU) << 16U) | (c & 0xFF00U) | ((c >> 16U) & 0xFFU);
    }
    const Colour fill = MostCommon(pixels);
    const auto contrast = [fill](Colour c) { return ContrastRatio(c, fill); };
    return {pixels.empty() ? fill : std::ranges::max(pixels, {}, contrast), fill};
}

// A control's colours in the usual Windows scheme (black text on white
// fields and on the 240-grey face), with its text in `text`.
ColourPair UsualColours(const FormDef& form, const ControlDef& def, Colour text) {
    const bool field = def.kind == ControlKind::TextBox || def.kind == ControlKind::ComboBox;
    const bool onFace = def.onFormFace && form.background != kSystemColour;
    const Colour usual = field ? 0xFFFFFF : onFace ? form.background : 0xF0F0F0;
    return {text == kSystemColour ? 0x000000 : text,
            def.background == kSystemColour ? usual : def.background};
}

// Every text of a window keeps on the screen at least min(4.5, the contrast
// it has in the usual scheme); `designText` gives each control's text colour
// as the design now wants it.
void CheckContrast(HWND window, const FormDef& form,
                   const std::function<Colour(const ControlDef&)>& designText) {
    struct Text {
        const ControlDef* def;
        HWND control;
        double wanted;
    };
    std::vector<Text> texts;
    for (const ControlDef& def : form.controls) {
        if (def.kind != ControlKind::Picture) {
            const ColourPair usual = UsualColours(form, def, designText(def));
            texts.push_back(
                {&def, ControlAt(window, form.controls, def.name),
                 std::min(kWantedContrast, ContrastRatio(usual.text, usual.background))});
        }
    }
    const auto contrastOf = [](const Text& text) {
        const ColourPair shown = ShownIn(text.control);
        return std::pair{shown, ContrastRatio(shown.text, shown.background)};
    };
    // Antialiased strokes may miss a full pixel of the ink by a shade.
    const auto legible = [&](const Text& text) {
        return contrastOf(text).second >= text.wanted - 0.05;
    };
    // A window just shown may not have drawn yet: its controls' pixels would
    // be another window's.
    WaitFor(10000, [&] {
        return GetUpdateRect(window, nullptr, FALSE) == FALSE &&
               std::ranges::none_of(texts, [](const Text& text) {
                   return GetUpdateRect(text.control, nullptr, FALSE) != FALSE;
               });
    });
    WaitFor(3000, [&] { return std::ranges::all_of(texts, legible); });
    for (const Text& text : texts) {
        const auto [shown, contrast] = contrastOf(text);
        char said[160];
        std::snprintf(said, sizeof said,
                      "%s reads #%02X%02X%02X on #%02X%02X%02X at %.2f:1, wanted %.2f:1",
                      std::string(text.def->name).c_str(), RedOf(shown.text), GreenOf(shown.text),
                      BlueOf(shown.text), RedOf(shown.background), GreenOf(shown.background),
                      BlueOf(shown.background), contrast, text.wanted);
        std::printf("contrast: %s\n", said);
        Check(contrast >= text.wanted - 0.05, said);
    }
}

// After a conversion from the Annual box: every text of the three windows
// stays legible, and the source figure's colour is told apart from the nets'.
void CheckSchemeContrast(const Run& run) {
    CheckContrast(run.main, main_form::Form(), BoxColours(Period::Annual, kRed));
    const ColourPair source = ShownIn(MainControl(run.main, main_form::kPeriodControls[0].box));
    for (const main_form::PeriodControls& box : main_form::kPeriodControls) {
        const ColourPair net = ShownIn(MainControl(run.main, box.box));
        const auto apart = [](Colour a, Colour b) {
            constexpr int kApart = 64;
            return std::abs(RedOf(a) - RedOf(b)) > kApart ||
                   std::abs(GreenOf(a) - GreenOf(b)) > kApart ||
                   std::abs(BlueOf(a) - BlueOf(b)) > kApart;
        };
        Check(box.period == Period::Annual || apart(source.text, net.text),
              std::string(box.box) + "'s net figure is told apart from the source figure");
    }
    WithEachDialog(run, [](HWND dialog, const FormDef& form, const std::string&) {
        CheckContrast(dialog, form, &ControlDef::foreground);
    });
}

// A change of the system's colours or theme redraws every control. (Wine
// keeps a running program's system colours when another process changes
// them, so what can be seen is the redraw itself.) Each control is painted
// over from here, then the window hears of the change.
void CheckRedrawnOnColourChange(HWND main) {
    static constexpr std::uint32_t kMagenta = 0xFF00FF;  // in no scheme of the tests
    const auto scribbled = [](HWND control) {
        return std::ranges::count(PixelsIn(control), kMagenta) != 0;
    };
    const std::pair<UINT, const char*> changes[] = {{WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
                                                    {WM_SETTINGCHANGE, "WM_SETTINGCHANGE"},
                                                    {WM_THEMECHANGED, "WM_THEMECHANGED"}};
    for (const auto& [message, name] : changes) {
        std::vector<std::pair<std::string_view, HWND>> controls;
        for (const ControlDef& def : main_form::Controls()) {
            HWND control = MainControl(main, def.name);
            const RECT inside = Rect(control);
            FillRect(win32::WindowDc(nullptr).Get(), &inside, Brush(kMagenta).get());
            GdiFlush();
            if (scribbled(control)) {
                controls.emplace_back(def.name, control);
            }
        }
        if (controls.empty()) {
            std::printf("SKIPPED: %s: this system draws nothing over another program\n", name);
            continue;
        }
        SendMessageW(main, message, 0, 0);
        WaitFor(3000, [&] {
            return std::ranges::none_of(controls,
                                        [&](const auto& c) { return scribbled(c.second); });
        });
        for (const auto& [control, handle] : controls) {
            Check(!scribbled(handle), std::string(control) + " is redrawn on " + name);
        }
    }
}

}  // namespace

void Contrast(const Run& run) {
    CheckConversions(run.main, false);
    CheckSchemeContrast(run);
    CheckRedrawnOnColourChange(run.main);
}

}  // namespace wagelyn::drive
