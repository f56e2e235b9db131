#include "live_epithet.h"

#include "win32_text.h"

#include <initguid.h>

#include <oleacc.h>

namespace {

// UI Automation's LiveSetting property, which MSAA's annotation carries to it, and its value
// for a region whose news waits until the screen reader has finished speaking.
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG kPolite = 1;

} // namespace

LiveEpithet::~LiveEpithet() {
    clear();
    if (services_)
        services_->Release();
}

void LiveEpithet::annotate(const HWND (&controls)[form::kControlCount]) {
    if (!services_ &&
        FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IAccPropServices, reinterpret_cast<void **>(&services_))))
        services_ = nullptr;
    for (const form::ControlEntry &entry : form::kControls)
        controls_[static_cast<int>(entry.id)] = controls[static_cast<int>(entry.id)];
    if (!services_)
        return;
    for (const form::ControlEntry &entry : form::kControls)
        if (!entry.accessibleName.empty())
            services_->SetHwndPropStr(controls_[static_cast<int>(entry.id)], OBJID_CLIENT,
                                      CHILDID_SELF, PROPID_ACC_NAME,
                                      Wide(entry.accessibleName).c_str());
    VARIANT live{};
    live.vt = VT_I4;
    live.lVal = kPolite;
    services_->SetHwndProp(controls_[static_cast<int>(form::Control::Output)], OBJID_CLIENT,
                           CHILDID_SELF, kLiveSettingProperty, live);
}

void LiveEpithet::clear() {
    if (!services_)
        return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, kLiveSettingProperty};
    for (HWND &control : controls_) {
        if (control)
            services_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, properties, 2);
        control = nullptr;
    }
}

void LiveEpithet::announce() const {
    ::NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED,
                     controls_[static_cast<int>(form::Control::Output)], OBJID_CLIENT,
                     CHILDID_SELF);
}
