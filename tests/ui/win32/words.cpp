// "words LANGUAGE": every word the user meets in the three windows, the
// menu and the message boxes, as shown and as screen readers hear it, in
// the catalogue's language; every text fitting its control; figures in the
// regional format "." and "," whatever the language (run_wagelyn.sh sets
// it). "german": the same in English, with the format "," and ".".
#include "tests/ui/win32/driver.h"
#include "ui/forms/print_report.h"

namespace wagelyn::drive {

namespace {

// `text` drawn in `font`, in the menu text colour, centred on `face`.
std::vector<std::uint32_t> TextPixels(std::string_view text, const LOGFONTW& font, int width,
                                      int height, std::uint32_t face) {
    return Drawn(width, height, face, [&](HDC memory, HDC) {
        const win32::Font made(CreateFontIndirectW(&font));
        const win32::Selection selected(memory, made.get());
        SetTextColor(memory, GetSysColor(COLOR_MENUTEXT));
        SetBkMode(memory, TRANSPARENT);
        const std::wstring wide = win32::Widen(text);
        // Clipped, as a menu bar clips each item, to the text's advance.
        RECT item{};
        DrawTextW(memory, wide.c_str(), -1, &item, DT_SINGLELINE | DT_CALCRECT);
        OffsetRect(&item, (width - item.right) / 2, (height - item.bottom) / 2);
        DrawTextW(memory, wide.c_str(), -1, &item, DT_SINGLELINE);
    });
}

// The pixels that stand out from an image's most common colour, cropped
// to their bounds: the shape of the text drawn in it, wherever it stands.
struct Shape {
    int width = 0;
    int height = 0;
    std::vector<bool> ink;
    bool operator==(const Shape&) const = default;
};

Shape ShapeOf(const std::vector<std::uint32_t>& pixels, int width) {
    const std::uint32_t face = MostCommon(pixels);
    const auto ink = [face](std::uint32_t c) { return Differs(c, face); };
    const RECT bounds = BoundsOf(pixels, width, ink);
    Shape shape{bounds.right - bounds.left, bounds.bottom - bounds.top, {}};
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            shape.ink.push_back(ink(pixels[static_cast<std::size_t>(y) * width + x]));
        }
    }
    return shape;
}

// Another process cannot read a window's menu under Wine (GetMenuStringW
// fails there): the menu bar is read by its pixels. It holds the one item
// `text`: the ink between the frame's sides, above the client area, has the
// shape of that text drawn in the menu font, in the menu text colour on the
// bar's face, so that the glyphs' smoothed edges blend alike.
void CheckMenuBar(HWND window, std::string_view text) {
    const RECT client = ClientOnScreen(window);
    const auto dpi = static_cast<UINT>(DpiOf(window));
    const int height = GetSystemMetricsForDpi(SM_CYMENU, dpi);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
    // The bar's lowest row is the line between it and the client area.
    const RECT bar{client.left, client.top - height, client.right, client.top - 1};
    const int width = bar.right - bar.left;
    Shape shown, expected;
    WaitFor(2000, [&] {
        const std::vector<std::uint32_t> pixels = ScreenPixels(bar);
        shown = ShapeOf(pixels, width);
        expected =
            ShapeOf(TextPixels(text, metrics.lfMenuFont, width, height, pixels.back()), width);
        return shown == expected;
    });
    Check(expected.width > 0 && shown == expected,
          Said("the menu bar shows \"", text, "\": ink of ", shown.width, " x ", shown.height,
               " pixels, the text's ", expected.width, " x ", expected.height));
}

}  // namespace

void CheckWords(HWND window, const FormDef& form, std::string_view caption,
                const std::map<std::string_view, std::string>& loaded) {
    CheckSame(TextOf(window), caption, "the caption reads");
    for (const ControlDef& def : form.controls) {
        if (def.kind == ControlKind::Label || def.kind == ControlKind::Button) {
            const auto set = loaded.find(def.name);
            CheckSame(TextOf(ControlAt(window, form.controls, def.name)),
                      set != loaded.end() ? std::string_view(set->second) : Translate(def.text),
                      Said(def.name, " reads"));
        }
    }
}

void Words(const Run& run) {
    CheckWords(run.main, main_form::Form(), Translate(main_form::kCaption));
    CheckMenuBar(run.main, Translate(main_form::kHelpMenu));
    CheckTextFits(run.main, main_form::Controls());
    CheckHeardAcrossAConversion(run.main);
    CheckConversions(run.main, run.mode == "german");
    const std::string printed = PressPrint(run).said;
    const std::string noPrinter = PrintReport(PrintResult::NoDefaultPrinter, {});
    Check(printed.find(noPrinter) != std::string::npos,
          "Print without a printer says \"" + noPrinter + "\": \"" + printed + "\"");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kToolKey);
    WithEachDialog(run, [&](HWND dialog, const FormDef& form, const std::string& caption) {
        // The About dialog's: the error dialog has no controls of these names.
        const std::map<std::string_view, std::string> loaded = {
            {about_form::kTitleLabel, std::string(kApplicationTitle)},
            {about_form::kVersionLabel, about_form::VersionLine()}};
        CheckWords(dialog, form, caption, loaded);
        CheckHeard(caption, dialog, form, &ControlDef::foreground);
        CheckTextFits(dialog, form.controls);
        if (&form == &about_form::Form()) {
            PostMessageW(ControlAt(dialog, form.controls, about_form::kSysInfoButton), BM_CLICK, 0,
                         0);
            const std::string said = CloseMessageBox(run, 5000);
            Check(said.find(Translate(kSysInfoUnavailable)) != std::string::npos,
                  "System Info without a tool says so: \"" + said + "\"");
        }
    });
    Quit(run);
}

}  // namespace wagelyn::drive
