#include "platform/accessible_name.h"

#include <commctrl.h>
#include <oleacc.h>

#include "platform/system_library.h"

namespace tv {
namespace {

struct Texts {
    std::wstring name;
    AccessibleValue value = nullptr;
};

constexpr UINT_PTR kSubclassId = 0x7661;  // "va"
// Where a window keeps its texts: the system's import libraries lack the
// call that reads a subclass's data back.
constexpr const wchar_t* kTextsProperty = L"TallyvaneReaderTexts";

// The system's own object for the window, with the name and value replaced;
// everything else is the system's answer.
class NamedObject final : public IAccessible {
public:
    NamedObject(IAccessible* inner, HWND window, const Texts& texts) : inner_(inner), window_(window), texts_(texts) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        // Window handle, children and services: the system's object serves them.
        return inner_->QueryInterface(iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = InterlockedDecrement(&refs_);
        if (!left) {
            inner_->Release();
            delete this;
        }
        return left;
    }

    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child) || texts_.name.empty()) return inner_->get_accName(child, name);
        return Answer(texts_.name, name);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child) || !texts_.value) return inner_->get_accValue(child, value);
        return Answer(texts_.value(window_), value);
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override { return inner_->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override { return inner_->GetTypeInfo(i, l, t); }
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
        return inner_->GetIDsOfNames(iid, n, c, l, d);
    }
    STDMETHODIMP Invoke(DISPID d, REFIID iid, LCID l, WORD f, DISPPARAMS* p, VARIANT* r, EXCEPINFO* e,
                        UINT* a) override {
        return inner_->Invoke(d, iid, l, f, p, r, e, a);
    }
    STDMETHODIMP get_accParent(IDispatch** p) override { return inner_->get_accParent(p); }
    STDMETHODIMP get_accChildCount(long* n) override { return inner_->get_accChildCount(n); }
    STDMETHODIMP get_accChild(VARIANT c, IDispatch** p) override { return inner_->get_accChild(c, p); }
    STDMETHODIMP get_accDescription(VARIANT c, BSTR* s) override { return inner_->get_accDescription(c, s); }
    STDMETHODIMP get_accRole(VARIANT c, VARIANT* r) override { return inner_->get_accRole(c, r); }
    STDMETHODIMP get_accState(VARIANT c, VARIANT* s) override { return inner_->get_accState(c, s); }
    STDMETHODIMP get_accHelp(VARIANT c, BSTR* s) override { return inner_->get_accHelp(c, s); }
    STDMETHODIMP get_accHelpTopic(BSTR* f, VARIANT c, long* t) override { return inner_->get_accHelpTopic(f, c, t); }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT c, BSTR* s) override {
        return inner_->get_accKeyboardShortcut(c, s);
    }
    STDMETHODIMP get_accFocus(VARIANT* c) override { return inner_->get_accFocus(c); }
    STDMETHODIMP get_accSelection(VARIANT* c) override { return inner_->get_accSelection(c); }
    STDMETHODIMP get_accDefaultAction(VARIANT c, BSTR* s) override { return inner_->get_accDefaultAction(c, s); }
    STDMETHODIMP accSelect(long f, VARIANT c) override { return inner_->accSelect(f, c); }
    STDMETHODIMP accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
        return inner_->accLocation(x, y, w, h, c);
    }
    STDMETHODIMP accNavigate(long d, VARIANT from, VARIANT* to) override { return inner_->accNavigate(d, from, to); }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* c) override { return inner_->accHitTest(x, y, c); }
    STDMETHODIMP accDoDefaultAction(VARIANT c) override { return inner_->accDoDefaultAction(c); }
    STDMETHODIMP put_accName(VARIANT c, BSTR s) override { return inner_->put_accName(c, s); }
    STDMETHODIMP put_accValue(VARIANT c, BSTR s) override { return inner_->put_accValue(c, s); }

private:
    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    static HRESULT Answer(const std::wstring& text, BSTR* out) {
        static const auto allocate = SystemFunction<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
        if (!out) return E_POINTER;
        *out = allocate ? allocate(text.c_str()) : nullptr;
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    IAccessible* inner_;
    HWND window_;
    Texts texts_;
    LONG refs_ = 1;
};

// Loaded when a reader first asks: a desktop without one never loads it.
LRESULT AnswerObjectQuery(HWND window, WPARAM flags, LONG object, const Texts& texts) {
    static const auto create =
        SystemFunction<decltype(CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto result = SystemFunction<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    // Handing an object to another process goes through COM, on this thread.
    static const auto initialise = SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    static const bool ready = initialise && initialise(nullptr, COINIT_APARTMENTTHREADED) != E_OUTOFMEMORY;
    IAccessible* inner = nullptr;
    if (!ready || !create || !result ||
        FAILED(create(window, object, __uuidof(IAccessible), reinterpret_cast<void**>(&inner))) || !inner)
        return 0;
    NamedObject* named = new NamedObject(inner, window, texts);
    const LRESULT answer = result(__uuidof(IAccessible), flags, named);
    named->Release();
    return answer;
}

LRESULT CALLBACK Answering(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    Texts* texts = reinterpret_cast<Texts*>(data);
    if (message == WM_GETOBJECT) {
        const LONG object = static_cast<LONG>(lParam);
        if (object == OBJID_CLIENT || object == OBJID_WINDOW) {
            if (const LRESULT answer = AnswerObjectQuery(window, wParam, object, *texts)) return answer;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Answering, kSubclassId);
        RemovePropW(window, kTextsProperty);
        delete texts;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The window's texts, made and answered for on the first call.
Texts* TextsOf(HWND window) {
    if (auto* texts = static_cast<Texts*>(GetPropW(window, kTextsProperty))) return texts;
    Texts* texts = new Texts;
    if (SetPropW(window, kTextsProperty, texts) &&
        SetWindowSubclass(window, Answering, kSubclassId, reinterpret_cast<DWORD_PTR>(texts)))
        return texts;
    RemovePropW(window, kTextsProperty);
    delete texts;
    return nullptr;
}

}  // namespace

void SetAccessibleName(HWND window, const std::wstring& name) {
    Texts* texts = window ? TextsOf(window) : nullptr;
    if (!texts || texts->name == name) return;
    texts->name = name;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

void SetAccessibleValue(HWND window, AccessibleValue value) {
    if (Texts* texts = window ? TextsOf(window) : nullptr) texts->value = value;
}

}  // namespace tv
