#include "frm_scoffle.h"

#include "command_ids.h"
#include "native_class.h"
#include "text_measure.h"
#include "tool_tips.h"
#include "win32_text.h"
#include "window/scoffle_rules.h"

#include <optional>

using form::Control;
using form::Kind;

namespace {

std::error_code LastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                         (form::kResizable ? WS_THICKFRAME | WS_MAXIMIZEBOX : 0);
constexpr UINT_PTR kTimerId = 1;
// Posted once the window shows: tooltips are not wanted before, and making them costs time.
constexpr UINT kAddToolTips = WM_APP;

} // namespace

FrmScoffle::FrmScoffle(HINSTANCE instance)
    : instance_(instance), class_(instance, &FrmScoffle::Procedure) {
    if (!class_.name()) {
        failure_ = LastError();
        return;
    }
    // Made at the size the layout has at the system's resolution, which is where it stays
    // unless the font asks for more: each change of size costs a round trip.
    const UINT dpi = ::GetDpiForSystem();
    const TwipsScale twips(1.0, static_cast<int>(dpi));
    const SIZE size =
        frameSize(twips.pixels(form::kClient.width), twips.pixels(form::kClient.height), dpi);
    ::CreateWindowExW(0, class_.name(), Wide(form::kTitle).c_str(), kStyle, CW_USEDEFAULT,
                      CW_USEDEFAULT, size.cx, size.cy, nullptr, menu_.handle(), instance, this);
    if (!hwnd_) {
        failure_ = LastError(); // before the menu bar's destruction sets it anew
        return;
    }
    menu_.handOver();
    createControls();
    if (failure_)
        return;
    layOut();
    ::SetFocus(control(form::TabOrder().front()));
}

FrmScoffle::~FrmScoffle() {
    if (hwnd_)
        ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK FrmScoffle::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<FrmScoffle *>(reinterpret_cast<CREATESTRUCTW *>(l)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FrmScoffle *>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    // Until the rules are attached the window is only being made; hwnd_ is gone once it is
    // destroyed.
    if (!self || !self->hwnd_ || !self->rules_)
        return ::DefWindowProcW(window, message, w, l);
    return self->onMessage(message, w, l);
}

LRESULT FrmScoffle::onMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
        return 0;
    case kAddToolTips:
        AddToolTips(hwnd_, controls_);
        return 0;
    case DM_GETDEFID: // the dialog manager asks which button Enter clicks
        return MAKELRESULT(command_id::Of(defaultButton_), DC_HASDEFID);
    case WM_TIMER:
        if (w == kTimerId)
            rules_->tick();
        return 0;
    case WM_SIZE:
        if (w == SIZE_MINIMIZED)
            rules_->followWindowState(WindowState::Minimized);
        else if (w == SIZE_MAXIMIZED)
            rules_->followWindowState(WindowState::Maximized);
        else if (w == SIZE_RESTORED)
            rules_->followWindowState(WindowState::Normal);
        return 0;
    case WM_DPICHANGED: {
        const RECT *suggested = reinterpret_cast<const RECT *>(l);
        ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
        layOut();
        return 0;
    }
    case WM_SETTINGCHANGE:
        if (w == SPI_SETNONCLIENTMETRICS)
            layOut(); // the system's font changed while the program ran
        break;
    case WM_DESTROY:
        ::KillTimer(hwnd_, kTimerId);
        live_.clear();
        hwnd_ = nullptr;
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd_, message, w, l);
}

void FrmScoffle::onCommand(int id, int code, HWND from) {
    const std::optional<Control> sender = command_id::ControlOf(id);
    if (from && (code == BN_SETFOCUS || code == EN_SETFOCUS)) {
        makeDefault(form::ButtonForEnter(sender)); // the focused button takes Enter, and shows it
        return;
    }
    if (from && code != BN_CLICKED)
        return;
    if (sender) {
        rules_->click(*sender);
    } else if (id == command_id::kFileExit) {
        rules_->clickFileExit();
    } else if (const std::optional<form::Setting> item = command_id::SettingOf(id)) {
        menu_.invert(*item);
        rules_->clickSetting(*item);
    }
}

void FrmScoffle::makeDefault(Control button) {
    defaultButton_ = button;
    for (const form::ControlEntry &entry : form::kControls)
        if (entry.kind == Kind::Button)
            ::SendMessageW(control(entry.id), BM_SETSTYLE,
                           (entry.id == button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY,
                           TRUE);
}

void FrmScoffle::createControls() {
    const auto create = [this](const form::ControlEntry &entry) {
        const NativeClass native = NativeClassFor(entry.kind);
        const HWND parent = form::InFrame(entry.id) ? control(Control::Stats) : hwnd_;
        const DWORD visible = entry.hidden ? 0 : WS_VISIBLE;
        controls_[static_cast<int>(entry.id)] = ::CreateWindowExW(
            native.extendedStyle, native.name, Wide(entry.caption).c_str(),
            WS_CHILD | visible | native.style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(command_id::Of(entry.id))), instance_,
            nullptr);
        if (!controls_[static_cast<int>(entry.id)] && !failure_)
            failure_ = LastError();
    };
    // The dialog manager's Tab follows the order of making, so the focusable controls come first.
    for (const Control id : form::TabOrder())
        create(form::EntryOf(id));
    for (const form::ControlEntry &entry : form::kControls)
        if (!form::TakesFocus(entry.id))
            create(entry);
    makeDefault(form::kDefaultButton);
    live_.annotate(controls_);
    ::SendMessageW(control(Control::Output), EM_SETLIMITTEXT, form::kOutputLongest, 0);
}

void FrmScoffle::layOut() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                 static_cast<UINT>(dotsPerInch()));
    messageFont_.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
    for (const form::ControlEntry &entry : form::kControls)
        if (entry.id != Control::Output)
            ::SendMessageW(control(entry.id), WM_SETFONT,
                           reinterpret_cast<WPARAM>(messageFont_.get()), FALSE);
    layout_.layOut(*this);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

int FrmScoffle::dotsPerInch() const {
    return static_cast<int>(::GetDpiForWindow(hwnd_));
}

FormCanvas::Size FrmScoffle::captionNeeds(Control id, std::u16string_view caption) const {
    const ScreenDc dc;
    const SIZE size = CaptionSize(dc, messageFont_.get(), caption);
    if (form::EntryOf(id).kind == Kind::Label)
        return {LabelWidth(dc, messageFont_.get(), caption), size.cy};
    // A button's caption needs its frame and a little room on either side of it.
    const int dpi = dotsPerInch();
    return {size.cx + ::MulDiv(12, dpi, 96), size.cy + ::MulDiv(8, dpi, 96)};
}

int FrmScoffle::labelWidth(Control, std::u16string_view caption) const {
    return LabelWidth(ScreenDc(), messageFont_.get(), caption);
}

void FrmScoffle::setOutputPoints(double points) {
    LOGFONTW output{};
    output.lfHeight = -static_cast<LONG>(std::lround(points * dotsPerInch() / 72));
    output.lfWeight = form::kOutputBold ? FW_BOLD : FW_NORMAL;
    output.lfCharSet = ANSI_CHARSET;
    Wide(form::kOutputFace).copy(output.lfFaceName, LF_FACESIZE - 1);
    Font font(::CreateFontIndirectW(&output));
    ::SendMessageW(control(Control::Output), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                   FALSE);
    outputFont_ = std::move(font); // the old one only once the box has let go of it
}

void FrmScoffle::setLabelText(Control label, std::u16string_view text) {
    ::SetWindowTextW(control(label), Wide(text).c_str());
}

void FrmScoffle::setClientSize(int width, int height) {
    const SIZE size = frameSize(width, height, static_cast<UINT>(dotsPerInch()));
    RECT now{};
    ::GetWindowRect(hwnd_, &now);
    if (now.right - now.left != size.cx || now.bottom - now.top != size.cy)
        ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void FrmScoffle::place(Control id, const Rect &pixels) {
    ::SetWindowPos(control(id), nullptr, pixels.x, pixels.y, pixels.width, pixels.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE FrmScoffle::frameSize(int width, int height, UINT dpi) const {
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectExForDpi(&frame, kStyle, TRUE, 0, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void FrmScoffle::showWindow() {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::UpdateWindow(hwnd_);
    ::PostMessageW(hwnd_, kAddToolTips, 0, 0);
}

void FrmScoffle::closeWindow() {
    if (hwnd_)
        ::DestroyWindow(hwnd_);
}

void FrmScoffle::setTitle(const std::u16string &title) {
    ::SetWindowTextW(hwnd_, Wide(title).c_str());
}

std::u16string FrmScoffle::outputText() const {
    return WindowText(control(Control::Output));
}

void FrmScoffle::setOutputText(const std::u16string &text) {
    ::SetWindowTextW(control(Control::Output), Wide(text).c_str());
}

void FrmScoffle::setOutputCursor(size_t position) {
    ::SendMessageW(control(Control::Output), EM_SETSEL, position, static_cast<LPARAM>(position));
}

std::u16string FrmScoffle::autoCaption() const {
    return WindowText(control(Control::Auto));
}

void FrmScoffle::setAutoCaption(const std::u16string &caption) {
    ::SetWindowTextW(control(Control::Auto), Wide(caption).c_str());
}

void FrmScoffle::setTimerEnabled(bool enabled) {
    if (enabled)
        ::SetTimer(hwnd_, kTimerId, form::kAutoIntervalMs, nullptr);
    else
        ::KillTimer(hwnd_, kTimerId);
    timerEnabled_ = enabled;
}

bool FrmScoffle::isChecked(form::Setting item) const {
    return menu_.isChecked(item);
}

void FrmScoffle::setEnabled(form::Setting item, bool enabled) {
    menu_.setEnabled(item, enabled);
}

void FrmScoffle::setStatsVisible(bool visible) {
    ::ShowWindow(control(Control::Stats), visible ? SW_SHOW : SW_HIDE);
}

void FrmScoffle::setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                           const std::u16string &nouns) {
    layout_.showCounts(*this, adverbs, adjectives, nouns);
}

void FrmScoffle::announce(const std::u16string &) {
    live_.announce();
}
