#include "frm_scoffle.h"

#include "window/caption_fit.h"
#include "window/scoffle_layout.h"

#include <commctrl.h>

#include <algorithm>

namespace {

constexpr wchar_t kClassName[] = L"ZestiveVilifex";
// A fixed layout: a minimise box, no maximise box, no border to resize by.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR kTimerId = 1;
// Posted once the window shows: tooltips are not wanted before, and making them costs time.
constexpr UINT kAddToolTips = WM_APP;

// Control and menu identifiers. Esc comes as IDCANCEL, which is Exit's.
enum : int {
    kMakeId = 100,
    kClipId,
    kSaveId,
    kOutputId,
    kAutoId,
    kExitId = IDCANCEL,
    kFileExitId = 200,
    kFirstSettingId = 210, // + Setting
};

int SettingId(Setting item) {
    return kFirstSettingId + static_cast<int>(item);
}

// Win32 text is UTF-16 in wchar_t.
std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

// A caption's size in pixels in the font, its access key's "&" left out.
SIZE CaptionSize(HDC dc, HFONT font, const std::u16string &caption) {
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT box{};
    const std::wstring text = Wide(caption);
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    return {box.right - box.left, box.bottom - box.top};
}

// A label's width for its caption: the caption's advance, and room for ink that reaches past
// it, the last glyph's overhang and the pixel or two that the drawn text gains over the
// measured one at some resolutions (the "s" of "215 Adjectives" was cut at 120 dpi).
LONG LabelWidth(HDC dc, HFONT font, const std::u16string &caption) {
    LONG width = CaptionSize(dc, font, caption).cx;
    const HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ABC last{};
    const wchar_t end = caption.empty() ? L' ' : static_cast<wchar_t>(caption.back());
    if (::GetCharABCWidthsW(dc, end, end, &last) && last.abcC < 0)
        width -= last.abcC;
    ::SelectObject(dc, old);
    return width + metrics.tmAveCharWidth / 2;
}

// The screen's device context, for measuring text, while it lives.
class ScreenDc {
public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() { ::ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc &) = delete;
    ScreenDc &operator=(const ScreenDc &) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

} // namespace

FrmScoffle::FrmScoffle(HINSTANCE instance, RandomSource &random, AppFiles files)
    : instance_(instance), rules_(*this, random, std::move(files)) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = &FrmScoffle::Procedure;
    type.hInstance = instance;
    type.hIcon = static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    type.hIconSm = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON),
                                                   ::GetSystemMetrics(SM_CYSMICON), 0));
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kClassName;
    ::RegisterClassExW(&type);

    createMenus();
    // Made at the size the layout has at the system's resolution, which is where it stays
    // unless the font asks for more: each change of size costs a round trip.
    const SIZE size =
        frameSize(TwipsScale(1.0, static_cast<int>(::GetDpiForSystem())), ::GetDpiForSystem());
    window_ = ::CreateWindowExW(0, kClassName, Wide(layout::kTitle).c_str(), kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, size.cx, size.cy, nullptr, menu_, instance, this);
    createControls();
    layOut();
    ::SetFocus(cmdMake);
}

FrmScoffle::~FrmScoffle() {
    if (window_)
        ::DestroyWindow(window_);
    ::DeleteObject(messageFont_);
    ::DeleteObject(outputFont_);
}

LRESULT CALLBACK FrmScoffle::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<FrmScoffle *>(reinterpret_cast<CREATESTRUCTW *>(l)->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FrmScoffle *>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(window, message, w, l) : ::DefWindowProcW(window, message, w, l);
}

LRESULT FrmScoffle::handle(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
        return 0;
    case kAddToolTips:
        addToolTips();
        return 0;
    case DM_GETDEFID: // the dialog manager asks which button Enter clicks
        return MAKELRESULT(defaultId_, DC_HASDEFID);
    case WM_TIMER:
        if (w == kTimerId)
            rules_.make();
        return 0;
    case WM_SIZE:
        if (w == SIZE_MINIMIZED)
            rules_.followWindowState(WindowState::Minimized);
        else if (w == SIZE_MAXIMIZED)
            rules_.followWindowState(WindowState::Maximized);
        else if (w == SIZE_RESTORED)
            rules_.followWindowState(WindowState::Normal);
        return 0;
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(l);
        ::SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        layOut();
        return 0;
    }
    case WM_SETTINGCHANGE:
        if (w == SPI_SETNONCLIENTMETRICS)
            layOut(); // the system's font changed while the program ran
        break;
    case WM_DESTROY:
        ::KillTimer(window_, kTimerId);
        window_ = nullptr;
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, w, l); // window_ is gone once it is destroyed
}

void FrmScoffle::command(int id, int code, HWND control) {
    if (control && code == BN_SETFOCUS) {
        makeDefault(id); // the focused button takes Enter, and shows it
        return;
    }
    if (control && code == EN_SETFOCUS) {
        makeDefault(kMakeId);
        return;
    }
    if (control && code != BN_CLICKED)
        return;
    switch (id) {
    case kMakeId:
        rules_.make();
        break;
    case kAutoId:
        rules_.switchAuto();
        break;
    case kClipId:
        rules_.clip();
        break;
    case kSaveId:
        rules_.save();
        break;
    case kExitId:
        closeWindow();
        break;
    case kFileExitId:
        rules_.exitFromMenu();
        break;
    default:
        if (id >= SettingId(Setting::Stats) && id <= SettingId(Setting::Single)) {
            const auto item = static_cast<Setting>(id - kFirstSettingId);
            ::CheckMenuItem(menu_, id, isChecked(item) ? MF_UNCHECKED : MF_CHECKED);
            if (item == Setting::Stats)
                rules_.switchStats();
            else if (item == Setting::Single)
                rules_.switchSingle();
        }
    }
}

void FrmScoffle::makeDefault(int id) {
    defaultId_ = id;
    for (HWND button : {cmdMake, cmdClip, cmdSave, cmdExit, cmdAuto}) {
        const bool isDefault = ::GetDlgCtrlID(button) == id;
        ::SendMessageW(button, BM_SETSTYLE,
                       (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, TRUE);
    }
}

void FrmScoffle::createMenus() {
    menu_ = ::CreateMenu();
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, kFileExitId, Wide(layout::kFileExit).c_str());
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file),
                  Wide(layout::kFileMenu).c_str());
    const HMENU settings = ::CreatePopupMenu();
    for (const SettingItem &item : kSettingItems)
        ::AppendMenuW(settings, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                      SettingId(item.setting), Wide(item.caption).c_str());
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(settings),
                  Wide(layout::kSettingsMenu).c_str());
}

void FrmScoffle::createControls() {
    const auto create = [this](HWND parent, const wchar_t *type, const layout::Control &control,
                               DWORD style, int id, DWORD extended = 0) {
        return ::CreateWindowExW(
            extended, type, Wide(control.caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
            0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    };
    const DWORD button = WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY;
    // Made in the tab order: Make, Clip, Save, the text box, Exit, Auto.
    cmdMake = create(window_, L"BUTTON", layout::kMake, WS_TABSTOP | BS_DEFPUSHBUTTON | BS_NOTIFY,
                     kMakeId);
    defaultId_ = kMakeId;
    cmdClip = create(window_, L"BUTTON", layout::kClip, button, kClipId);
    cmdSave = create(window_, L"BUTTON", layout::kSave, button, kSaveId);
    txtOutput = create(window_, L"EDIT", layout::kOutput, WS_TABSTOP | ES_AUTOHSCROLL, kOutputId,
                       WS_EX_CLIENTEDGE);
    ::SendMessageW(txtOutput, EM_SETLIMITTEXT, 0, 0); // as long as an epithet gets
    cmdExit = create(window_, L"BUTTON", layout::kExit, button, kExitId);
    cmdAuto = create(window_, L"BUTTON", layout::kAuto, button, kAutoId);
    fraStats = create(window_, L"STATIC", layout::kStats, 0, -1);
    ::ShowWindow(fraStats, SW_HIDE);
    lblAdjectives = create(fraStats, L"STATIC", layout::kAdjectives, SS_NOPREFIX, -1);
    lblAdverbs = create(fraStats, L"STATIC", layout::kAdverbs, SS_NOPREFIX, -1);
    lblNouns = create(fraStats, L"STATIC", layout::kNouns, SS_NOPREFIX, -1);

    const auto place = [this](HWND control, const layout::Control &at, bool isButton) {
        placements_.push_back({control, at.twips, {std::u16string(at.caption)}, isButton});
    };
    place(cmdAuto, layout::kAuto, true);
    placements_.back().captions.emplace_back(layout::kAutoOff);
    place(cmdClip, layout::kClip, true);
    place(fraStats, layout::kStats, false);
    placements_.back().captions.clear();
    place(lblAdjectives, layout::kAdjectives, false);
    place(lblAdverbs, layout::kAdverbs, false);
    place(lblNouns, layout::kNouns, false);
    place(cmdSave, layout::kSave, true);
    place(txtOutput, layout::kOutput, false);
    placements_.back().captions.clear();
    place(cmdMake, layout::kMake, true);
    place(cmdExit, layout::kExit, true);
}

void FrmScoffle::addToolTips() {
    const HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        window_, nullptr, instance_, nullptr);
    for (const auto &[control, at] :
         {std::pair{cmdAuto, layout::kAuto}, std::pair{cmdClip, layout::kClip},
          std::pair{cmdSave, layout::kSave}}) {
        std::wstring text = Wide(at.toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();
        ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

double FrmScoffle::fontScale(HFONT font) const {
    const int dpi = static_cast<int>(::GetDpiForWindow(window_));
    // A button's caption needs its frame and a little room on either side of it.
    const int padX = ::MulDiv(12, dpi, 96), padY = ::MulDiv(8, dpi, 96);
    const ScreenDc dc;
    std::vector<CaptionRoom> captions;
    for (const Placement &placement : placements_) {
        for (const std::u16string &caption : placement.captions) {
            const SIZE size = CaptionSize(dc, font, caption);
            if (placement.isButton)
                captions.push_back({size.cx + padX, size.cy + padY, placement.twips});
            else
                captions.push_back(
                    {LabelWidth(dc, font, caption), size.cy, layout::LabelRoom(placement.twips)});
        }
    }
    return ScaleToFit(captions, dpi);
}

void FrmScoffle::layOut() {
    const int dpi = static_cast<int>(::GetDpiForWindow(window_));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                 static_cast<UINT>(dpi));
    const HFONT message = ::CreateFontIndirectW(&metrics.lfMessageFont);
    const double scale = fontScale(message);
    const TwipsScale twips(scale, dpi);

    // The epithet grows with the layout: 9.75 points bold at the design's size.
    LOGFONTW output{};
    output.lfHeight = -static_cast<LONG>(std::lround(layout::kOutputPoints * scale * dpi / 72));
    output.lfWeight = FW_BOLD;
    output.lfCharSet = ANSI_CHARSET;
    const std::wstring face = Wide(layout::kOutputFace);
    face.copy(output.lfFaceName, LF_FACESIZE - 1);
    const HFONT outputFont = ::CreateFontIndirectW(&output);

    for (const Placement &placement : placements_) {
        const Rect at = twips.rect(placement.twips);
        ::SetWindowPos(placement.control, nullptr, at.x, at.y, at.width, at.height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(
            placement.control, WM_SETFONT,
            reinterpret_cast<WPARAM>(placement.control == txtOutput ? outputFont : message), FALSE);
    }
    ::DeleteObject(messageFont_);
    ::DeleteObject(outputFont_);
    messageFont_ = message;
    outputFont_ = outputFont;
    for (HWND label : {lblAdverbs, lblAdjectives, lblNouns})
        sizeLabel(label);

    const SIZE size = frameSize(twips, static_cast<UINT>(dpi));
    RECT now{};
    ::GetWindowRect(window_, &now);
    if (now.right - now.left != size.cx || now.bottom - now.top != size.cy)
        ::SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    ::InvalidateRect(window_, nullptr, TRUE);
}

SIZE FrmScoffle::frameSize(const TwipsScale &twips, UINT dpi) {
    RECT frame{0, 0, twips.pixels(layout::kClient.width), twips.pixels(layout::kClient.height)};
    ::AdjustWindowRectExForDpi(&frame, kStyle, TRUE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void FrmScoffle::sizeLabel(HWND label) {
    // A label keeps its left edge and height, and takes the width of its caption.
    RECT at{};
    ::GetWindowRect(label, &at);
    ::MapWindowPoints(HWND_DESKTOP, fraStats, reinterpret_cast<POINT *>(&at), 2);
    const LONG width = LabelWidth(ScreenDc(), messageFont_, WindowText(label));
    ::SetWindowPos(label, nullptr, 0, 0, width, at.bottom - at.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void FrmScoffle::showWindow() {
    ::ShowWindow(window_, SW_SHOWNORMAL);
    ::UpdateWindow(window_);
    ::PostMessageW(window_, kAddToolTips, 0, 0);
}

void FrmScoffle::closeWindow() {
    if (window_)
        ::DestroyWindow(window_);
}

void FrmScoffle::setTitle(const std::u16string &title) {
    ::SetWindowTextW(window_, Wide(title).c_str());
}

std::u16string FrmScoffle::outputText() const {
    return WindowText(txtOutput);
}

void FrmScoffle::setOutputText(const std::u16string &text) {
    ::SetWindowTextW(txtOutput, Wide(text).c_str());
    ::SendMessageW(txtOutput, EM_SETSEL, 0, 0); // a long epithet shows its start
}

std::u16string FrmScoffle::autoCaption() const {
    return WindowText(cmdAuto);
}

void FrmScoffle::setAutoCaption(const std::u16string &caption) {
    ::SetWindowTextW(cmdAuto, Wide(caption).c_str());
}

void FrmScoffle::setTimerEnabled(bool enabled) {
    if (enabled)
        ::SetTimer(window_, kTimerId, layout::kAutoIntervalMs, nullptr);
    else
        ::KillTimer(window_, kTimerId);
    timerEnabled_ = enabled;
}

bool FrmScoffle::isChecked(Setting item) const {
    return (::GetMenuState(menu_, SettingId(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void FrmScoffle::setEnabled(Setting item, bool enabled) {
    ::EnableMenuItem(menu_, SettingId(item), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void FrmScoffle::setStatsVisible(bool visible) {
    ::ShowWindow(fraStats, visible ? SW_SHOW : SW_HIDE);
}

void FrmScoffle::setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                           const std::u16string &nouns) {
    const std::pair<HWND, const std::u16string &> captions[] = {
        {lblAdverbs, adverbs}, {lblAdjectives, adjectives}, {lblNouns, nouns}};
    for (const auto &[label, caption] : captions) {
        ::SetWindowTextW(label, Wide(caption).c_str());
        // Counts of any size must fit as the placeholders did: the layout grows for them too.
        for (Placement &placement : placements_)
            if (placement.control == label)
                placement.captions = {placement.captions.front(), caption};
    }
    layOut();
}

void FrmScoffle::announce(const std::u16string &) {
    // Accessibility clients hear of the text box's new value from this event, whichever
    // control has the focus.
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, txtOutput, OBJID_CLIENT, CHILDID_SELF);
}

void FrmScoffle::showStopMessage(const std::u16string &title, const std::u16string &text) {
    ::MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONSTOP);
}

void FrmScoffle::beep() {
    ::MessageBeep(MB_OK);
}

bool FrmScoffle::setClipboardText(const std::u16string &text) {
    // Another program may hold the clipboard open for a moment, as clipboard viewers do: try
    // for a fifth of a second before giving up.
    for (int tried = 1; !::OpenClipboard(window_); ++tried) {
        if (tried == 10)
            return false;
        ::Sleep(20);
    }
    ::EmptyClipboard();
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto *units = static_cast<wchar_t *>(::GlobalLock(memory));
        std::copy(text.begin(), text.end(), units);
        units[text.size()] = L'\0';
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_UNICODETEXT, memory))
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return true;
}
