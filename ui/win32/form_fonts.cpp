// The faces and fonts a form's controls are drawn in, made at the window's
// DPI, and the icons sized for it.
#include <algorithm>
#include <cmath>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "i18n/translation.h"
#include "ui/forms/face_preferences.h"
#include "ui/forms/text_fitting.h"
#include "ui/win32/form_window.h"
#include "ui/win32/text.h"

namespace wagelyn::win32 {
namespace {

// Whether the font mapper gives the face itself when asked for it, rather
// than a stand-in, and a scalable one: a bitmap face stays at its one size
// at any DPI. Cheaper than enumerating every installed font.
bool InstalledAndScalable(const std::wstring& face) {
    const Font font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, face.c_str()));
    const WindowDc screen(nullptr);
    const Selection selected(screen.Get(), font.get());
    wchar_t chosen[LF_FACESIZE] = {};
    GetTextFaceW(screen.Get(), LF_FACESIZE, chosen);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    return _wcsicmp(chosen, face.c_str()) == 0 && (metrics.tmPitchAndFamily & TMPF_VECTOR) != 0;
}

std::wstring FirstInstalled(std::span<const std::string_view> faces) {
    for (const std::string_view face : faces) {
        std::wstring wide = Widen(face);
        if (InstalledAndScalable(wide)) {
            return wide;
        }
    }
    return Widen(faces.front());
}

// The first installed face of the preference list, looked up once.
const wchar_t* FaceFor(Face face) {
    static const std::wstring sansSerif = FirstInstalled(FacePreferences(Face::SansSerif));
    static const std::wstring arial = FirstInstalled(FacePreferences(Face::Arial));
    return face == Face::Arial ? arial.c_str() : sansSerif.c_str();
}

}  // namespace

Font CreateDesignFont(const FontDef& def, int dpi) {
    const FontDef& font = ResolvedFont(def);
    const int hundredths = static_cast<int>(std::lround(font.points * 100));
    return Font(CreateFontW(-MulDiv(hundredths, dpi, 7200), 0, 0, 0,
                            font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, FaceFor(font.face)));
}

bool TextFits(HDC dc, const std::wstring& text, HFONT font, const RECT& room, UINT flags) {
    const Selection selected(dc, font);
    RECT needed = room;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, flags | DT_CALCRECT);
    const bool wrapped = (flags & DT_WORDBREAK) != 0;
    return needed.right <= room.right && (!wrapped || needed.bottom <= room.bottom);
}

Font FittedDesignFont(HDC dc, const std::wstring& text, const FontDef& def, int dpi,
                      const RECT& room, UINT flags, double smallest) {
    Font font;
    int tried = 0;
    const auto fitsAt = [&](double scale) {
        const int scaled = static_cast<int>(std::lround(dpi * scale));
        if (scaled != tried || !font) {
            tried = scaled;
            font = CreateDesignFont(def, tried);
        }
        return TextFits(dc, text, font.get(), room, flags);
    };
    const TextFitting fitting = FitText(fitsAt, smallest);
    fitsAt(fitting.scale);  // the font of the scale chosen, made last or now
    return font;
}

HFONT FormWindow::FontFor(const FontDef& def) const {
    const FontDef& font = ResolvedFont(def);
    const auto found = fonts_.find({font.face, font.points, font.bold});
    return found == fonts_.end() ? nullptr : found->second.get();
}

HFONT FormWindow::ControlFont(std::size_t index) const {
    for (const auto* fonts : {&fitted_, &figureFonts_}) {
        if (const auto found = fonts->find(index); found != fonts->end()) {
            return found->second.get();
        }
    }
    return FontFor(form_.controls[index].font);
}

// A smaller font for each label or button whose text, as the control draws
// it, would not fit its room in the design's font: its text made, not yet
// drawn, or the design's while the control is still to be made.
std::map<std::size_t, Font> FormWindow::FitLabelsAndButtons() const {
    std::map<std::size_t, Font> fitted;
    const OwnedDc dc(CreateCompatibleDC(nullptr));
    if (!dc) {
        return fitted;
    }
    for (std::size_t i = 0; i < form_.controls.size(); ++i) {
        const ControlDef& def = form_.controls[i];
        if (def.kind != ControlKind::Label && def.kind != ControlKind::Button) {
            continue;
        }
        const bool made = i < controls_.size() && controls_[i] != nullptr;
        const std::wstring text = made ? WindowText(controls_[i]) : Widen(Translate(def.text));
        if (text.empty()) {
            continue;
        }
        const RECT place = PlaceOf(def);
        RECT room{0, 0, place.right - place.left, place.bottom - place.top};
        UINT flags = 0;
        if (def.kind == ControlKind::Label) {
            flags =
                DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | (def.centred ? DT_CENTER : DT_LEFT);
            if (def.bordered) {
                InflateRect(&room, -1, -1);  // WS_BORDER: one pixel at any DPI
            }
        } else {
            flags = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
            const int frame = MulDiv(4, dpi_, USER_DEFAULT_SCREEN_DPI);  // and the focus rectangle
            InflateRect(&room, -frame, -frame);
        }
        if (!TextFits(dc.get(), text, FontFor(def.font), room, flags)) {
            fitted[i] =
                FittedDesignFont(dc.get(), text, def.font, dpi_, room, flags, kSmallestLabelScale);
        }
    }
    return fitted;
}

// The new fonts are given to the controls before the old ones are freed: a
// control never holds a deleted font.
void FormWindow::MakeFonts() {
    std::map<std::tuple<Face, double, bool>, Font> fonts;
    const auto make = [this, &fonts](const FontDef& def) {
        const FontDef& font = ResolvedFont(def);
        auto& slot = fonts[{font.face, font.points, font.bold}];
        if (!slot) {
            slot = CreateDesignFont(font, dpi_);
        }
    };
    make(kFormFont);
    for (const ControlDef& def : form_.controls) {
        make(def.font);
    }
    fonts_.swap(fonts);
    FitFonts();
}

void FormWindow::FitFonts() {
    std::map<std::size_t, Font> fitted = FitLabelsAndButtons();
    fitted_.swap(fitted);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        // Drawn anew when laid out and redrawn: no repaint is asked for here.
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont(i)), FALSE);
    }
}

// The window's icons and the form's picture at the window's DPI; like the
// fonts, each old one is freed only once its new one is in place.
void FormWindow::MakeIcons() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [instance](int size) {
        return Icon(
            static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, 0)));
    };
    Icon big = load(GetSystemMetricsForDpi(SM_CXICON, static_cast<UINT>(dpi_)));
    Icon small = load(GetSystemMetricsForDpi(SM_CXSMICON, static_cast<UINT>(dpi_)));
    // Each icon made costs start-up time: the picture's only where one shows.
    const bool hasPicture =
        std::any_of(form_.controls.begin(), form_.controls.end(),
                    [](const ControlDef& control) { return control.kind == ControlKind::Picture; });
    Icon picture = hasPicture ? load(MulDiv(32, dpi_, USER_DEFAULT_SCREEN_DPI)) : Icon();
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (form_.controls[i].kind == ControlKind::Picture) {
            SendMessageW(controls_[i], STM_SETICON, reinterpret_cast<WPARAM>(picture.get()), 0);
        }
    }
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
    pictureIcon_ = std::move(picture);
}

}  // namespace wagelyn::win32
