#include "ui/accessibility.h"

#include <oleacc.h>

#include "ui/code_page.h"
#include "ui/controls.h"
#include "ui/system_api.h"

namespace ui::accessibility {
namespace {

// Made on first use and kept for the process; COM loads oleacc.dll by the
// full path it is registered under. Null where the system offers none: the
// windows then keep their standard names and roles.
IAccPropServices* Services() {
    static IAccPropServices* const services = [] {
        api::InitializeComOnce();
        void* made = nullptr;
        const HRESULT result = api::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                                     IID_IAccPropServices, &made);
        return SUCCEEDED(result) ? static_cast<IAccPropServices*>(made) : nullptr;
    }();
    return services;
}

void AnnotateForWindows(HWND window, const Annotation& annotation) {
    IAccPropServices* services = Services();
    if (!services) return;
    if (annotation.name)
        services->SetHwndPropStr(window, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                 ToWide(annotation.name).c_str());
    if (annotation.role) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = annotation.role;
        services->SetHwndProp(window, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
}

}  // namespace

AnnotateFunction annotate = &AnnotateForWindows;

}  // namespace ui::accessibility
