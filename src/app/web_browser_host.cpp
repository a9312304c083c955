#include "app/web_browser_host.h"

#include <exdisp.h>
#include <ole2.h>

#include <new>
#include <utility>

#include "text/codepage.h"

namespace {

const wchar_t kHostClass[] = L"QitongWebBrowserHost";

// CLSID_HTMLDocument of mshtml, spelled out so the huge mshtml.h stays out of the build.
const CLSID kHtmlDocument = {0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

// Owns one COM reference; no exceptions, no magic.
template <typename T>
class Com {
public:
    Com() = default;
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    ~Com() { reset(); }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void** out() {
        reset();
        return reinterpret_cast<void**>(&p_);
    }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }

private:
    T* p_ = nullptr;
};

// The HTML engine is there when mshtml hands out a document object. Asked before
// anything else so a missing engine leaves no trace (and under Wine the override
// that disables mshtml makes this fail instead of offering a download).
bool html_engine_available() {
    Com<IUnknown> document;
    return SUCCEEDED(CoCreateInstance(kHtmlDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, document.out()));
}

// The container side of the embedding: client site, in-place site and a frame
// that declines menus, borders and accelerators. One object answers for all of
// them; the host window holds one reference for its lifetime.
class Site final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    Site(HWND host, bool owns_ole) : host_(host), owns_ole_(owns_ole) {}

    bool owns_ole() const { return owns_ole_; }

    bool embed(const std::wstring& address) {
        RECT area;
        ::GetClientRect(host_, &area);
        if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, object_.out())))
            return false;
        if (FAILED(object_->SetClientSite(static_cast<IOleClientSite*>(this)))) return false;
        site_set_ = true;
        OleSetContainedObject(object_.get(), TRUE);
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(this), 0, host_, &area)))
            return false;
        if (FAILED(object_->QueryInterface(IID_IOleInPlaceObject, in_place_.out()))) return false;
        if (FAILED(in_place_->SetObjectRects(&area, &area))) return false;

        Com<IWebBrowser2> browser;
        if (FAILED(object_->QueryInterface(IID_IWebBrowser2, browser.out()))) return false;
        // Script errors on the maker's pages must not pop up dialogs.
        browser->put_Silent(VARIANT_TRUE);
        BSTR url = SysAllocString(address.c_str());
        if (!url) return false;
        VARIANT none;
        VariantInit(&none);
        const HRESULT navigated = browser->Navigate(url, &none, &none, &none, &none);
        SysFreeString(url);
        return SUCCEEDED(navigated);
    }

    void resize(int width, int height) {
        if (!in_place_) return;
        RECT area = {0, 0, width, height};
        in_place_->SetObjectRects(&area, &area);
    }

    // Safe to call more than once; the window calls it on destruction.
    void close() {
        in_place_.reset();
        if (object_) {
            object_->Close(OLECLOSE_NOSAVE);
            if (site_set_) object_->SetClientSite(nullptr);
            site_set_ = false;
            object_.reset();
        }
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *out = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *out = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *out = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&refs_);
        if (left == 0) delete this;
        return left;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override {
        if (out) *out = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the in-place site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
        if (!out) return E_POINTER;
        *out = host_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, RECT* position,
                                               RECT* clip, OLEINPLACEFRAMEINFO* info) override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        ::GetClientRect(host_, position);
        *clip = *position;
        // cb is set by the caller; the rest describes a frame with no menus or accelerators.
        info->fMDIApp = FALSE;
        info->hwndFrame = host_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override {
        if (in_place_ && position) in_place_->SetObjectRects(position, position);
        return S_OK;
    }

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    ~Site() = default;

    LONG refs_ = 1;
    HWND host_;
    bool owns_ole_;  // one OleInitialize to balance when the host window goes
    bool site_set_ = false;
    Com<IOleObject> object_;
    Com<IOleInPlaceObject> in_place_;
};

Site* site_of(HWND window) { return reinterpret_cast<Site*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SIZE:
        if (Site* site = site_of(window)) site->resize(LOWORD(lparam), HIWORD(lparam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the control paints the whole area
    case WM_DESTROY:
        if (Site* site = site_of(window)) site->close();
        return 0;
    case WM_NCDESTROY:
        if (Site* site = site_of(window)) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            site->close();
            const bool owns_ole = site->owns_ole();
            site->Release();
            if (owns_ole) OleUninitialize();
        }
        break;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

bool host_class_registered() {
    // Function-local static: registered once, on first use.
    static const bool registered = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = host_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kHostClass;
        return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

HWND create_web_browser(HWND parent, int x, int y, int width, int height, const std::string& address, int control_id) {
    if (!IsWindow(parent)) return nullptr;
    // The caller's thread is normally initialised already; this only adds a
    // counted reference, handed to the host window or given back below.
    if (FAILED(OleInitialize(nullptr))) return nullptr;  // e.g. a multi-threaded apartment
    if (!html_engine_available() || !host_class_registered()) {
        OleUninitialize();
        return nullptr;
    }
    // Hidden until the control is in place, so a failure never flashes anything.
    HWND host = CreateWindowExW(0, kHostClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, x, y, width, height,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!host) {
        OleUninitialize();
        return nullptr;
    }
    Site* site = new (std::nothrow) Site(host, true);
    if (!site) {
        DestroyWindow(host);
        OleUninitialize();
        return nullptr;
    }
    SetWindowLongPtrW(host, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site));
    if (!site->embed(gbk::to_wide(address))) {
        DestroyWindow(host);  // closes the control, releases the site, balances OLE
        return nullptr;
    }
    ShowWindow(host, SW_SHOWNA);
    return host;
}
