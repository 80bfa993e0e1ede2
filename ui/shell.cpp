#include "ui/shell.h"

#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <string>

#include "ui/system_api.h"

// shellapi.h's macro for ShellExecuteA would rename the shell object's method.
#undef ShellExecute

namespace ui {
namespace {

// One interface pointer, released at the end.
template <class Interface>
class ComPtr {
 public:
    ComPtr() = default;
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return pointer_; }
    Interface** Out() { return &pointer_; }
    void** OutVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
    Interface* pointer_ = nullptr;
};

// Text of the system code page as a BSTR, freed at the end; null for none.
class Bstr {
 public:
    explicit Bstr(LPCSTR text) {
        if (!text) return;
        std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0), L'\0');
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), static_cast<int>(wide.size()));
        value_ = api::SysAllocString(wide.c_str());
    }
    ~Bstr() { api::SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return value_; }

 private:
    BSTR value_ = nullptr;
};

VARIANT Number(LONG number) {
    VARIANT variant{};
    variant.vt = VT_I4;
    variant.lVal = number;
    return variant;
}

// The text, or nothing (VT_EMPTY) where there is none; borrows the BSTR.
VARIANT OptionalText(const Bstr& text) {
    VARIANT variant{};
    if (text.Get()) {
        variant.vt = VT_BSTR;
        variant.bstrVal = text.Get();
    }
    return variant;
}

// The desktop window's browser object; false when no desktop shell answers.
bool FindDesktopBrowser(ComPtr<IDispatch>& browser) {
    ComPtr<IShellWindows> windows;
    if (FAILED(api::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                     windows.OutVoid())))
        return false;
    VARIANT desktop = Number(CSIDL_DESKTOP);
    VARIANT noRoot{};
    long window = 0;
    // S_FALSE, and no object, when there is no desktop window.
    return windows->FindWindowSW(&desktop, &noRoot, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, browser.Out()) == S_OK;
}

// The shell object of the desktop: the application of its shell view.
bool FindDesktopShell(ComPtr<IShellDispatch2>& shell) {
    ComPtr<IDispatch> desktopBrowser;
    ComPtr<IServiceProvider> services;
    ComPtr<IShellBrowser> browser;
    ComPtr<IShellView> view;
    ComPtr<IDispatch> background;
    ComPtr<IShellFolderViewDual> folderView;
    ComPtr<IDispatch> application;
    return FindDesktopBrowser(desktopBrowser) &&
           SUCCEEDED(desktopBrowser->QueryInterface(IID_IServiceProvider, services.OutVoid())) &&
           SUCCEEDED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.OutVoid())) &&
           SUCCEEDED(browser->QueryActiveShellView(view.Out())) &&
           SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.OutVoid())) &&
           SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, folderView.OutVoid())) &&
           SUCCEEDED(folderView->get_Application(application.Out())) &&
           SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, shell.OutVoid()));
}

}  // namespace

HINSTANCE WINAPI ShellExecuteAsDesktopUser(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                           LPCSTR directory, INT show) {
    ComPtr<IShellDispatch2> shell;
    if (!FindDesktopShell(shell)) return api::ShellExecuteA(owner, verb, file, parameters, directory, show);
    const Bstr target(file), arguments(parameters), folder(directory), operation(verb);
    const HRESULT result = shell->ShellExecute(target.Get(), OptionalText(arguments), OptionalText(folder),
                                               OptionalText(operation), Number(show));
    // ShellExecuteA's answers: above 32 for a start; the shell gives no finer reason for a refusal.
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SUCCEEDED(result) ? 33 : SE_ERR_ACCESSDENIED));
}

}  // namespace ui
