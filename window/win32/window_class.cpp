#include "window_class.h"

namespace {

HICON LoadAppIcon(HINSTANCE instance, int width, int height, UINT flags) {
    return static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, width, height, flags));
}

} // namespace

WindowClass::WindowClass(HINSTANCE instance, WNDPROC procedure)
    : instance_(instance), icon_(LoadAppIcon(instance, 0, 0, LR_DEFAULTSIZE)),
      smallIcon_(LoadAppIcon(instance, ::GetSystemMetrics(SM_CXSMICON),
                             ::GetSystemMetrics(SM_CYSMICON), 0)) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hIcon = icon_.get();
    type.hIconSm = smallIcon_.get();
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = kName;
    registered_ = ::RegisterClassExW(&type) != 0;
}

WindowClass::~WindowClass() {
    if (registered_)
        ::UnregisterClassW(kName, instance_);
}
