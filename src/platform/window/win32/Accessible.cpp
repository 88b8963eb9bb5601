// A small IAccessible that answers name and role itself and hands every other question to the
// system's standard object for the window; installed by subclassing the window.
#include "platform/window/win32/Accessible.h"

#include <windows.h>
// These need the base declarations first.
#include <commctrl.h>
#include <oleacc.h>

#include <map>
#include <optional>

#include "platform/module/win32/WideText.h"

namespace platform {
namespace {

struct AccessibleAnswers {
    std::function<std::string()> name;
    std::optional<long> role;
};

bool AsksForSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

class AnsweringAccessible : public IAccessible {
  public:
    AnsweringAccessible(IAccessible* standard, const AccessibleAnswers& answers)
        : standard(standard), answers(answers) {}
    virtual ~AnsweringAccessible() { standard->Release(); }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        return standard->Invoke(member, id, locale, flags, parameters, result, exception,
                                argumentError);
    }

    // IAccessible: name and role answered here, the rest by the standard object.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!AsksForSelf(child) || !answers.name) {
            return standard->get_accName(child, name);
        }
        *name = SysAllocString(Widened(answers.name()).c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!AsksForSelf(child) || !answers.role) {
            return standard->get_accRole(child, role);
        }
        role->vt = VT_I4;
        role->lVal = *answers.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override {
        return standard->get_accChild(child, dispatch);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard->put_accValue(child, value);
    }

  private:
    IAccessible* standard;
    AccessibleAnswers answers;
    ULONG references = 1;
};

// The windows that answer for themselves, and their answers.
std::map<HWND, AccessibleAnswers*> answered;

LRESULT CALLBACK AnsweringProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR data) {
    auto* answers = reinterpret_cast<AccessibleAnswers*>(data);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                reinterpret_cast<void**>(&standard)))) {
            auto* answering = new AnsweringAccessible(standard, *answers);
            const LRESULT result = LresultFromObject(IID_IAccessible, wParam, answering);
            answering->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &AnsweringProc, id);
        answered.erase(window);
        delete answers;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// The window's answers, made on first use; they live until the window goes.
AccessibleAnswers& AnswersOf(HWND window) {
    AccessibleAnswers*& answers = answered[window];
    if (answers == nullptr) {
        answers = new AccessibleAnswers;
        SetWindowSubclass(window, &AnsweringProc, 0, reinterpret_cast<DWORD_PTR>(answers));
    }
    return *answers;
}

}  // namespace

void NameForScreenReaders(HWND window, std::function<std::string()> name) {
    AnswersOf(window).name = std::move(name);
}

void AnnounceAsAlert(HWND window, std::string text) {
    AccessibleAnswers& answers = AnswersOf(window);
    answers.name = [text = std::move(text)] { return text; };
    answers.role = ROLE_SYSTEM_ALERT;
}

}  // namespace platform
