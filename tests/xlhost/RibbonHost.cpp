// The ribbon of the test Excel: the customUI document read with MSXML and
// checked against the rules of the 2006 schema that Excel enforces, the
// `ribbon`, `ribbon-click`, `dump-images` and `noribbon` steps.
#include "tests/xlhost/RibbonHost.h"

#include <msxml2.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <stdexcept>
#include <vector>

#include "tests/xlhost/CallBook.h"
#include "tests/xlhost/HostObject.h"
#include "tests/xlhost/ScriptRunner.h"

namespace xlhost {
namespace {

std::string Utf8(const std::wstring& text)
{
    return xlhost::Utf8(text.c_str(), static_cast<int>(text.size()));
}

// {F5078F32-C551-11D3-89B9-0000F81FE221}, MSXML 3's DOMDocument.
const CLSID kDomDocument30 = {0xF5078F32, 0xC551, 0x11D3, {0x89, 0xB9, 0x00, 0x00, 0xF8, 0x1F, 0xE2, 0x21}};
const wchar_t kNamespace[] = L"http://schemas.microsoft.com/office/2006/01/customui";

// Element names of the 2006 customUI schema.
const std::set<std::wstring> kElements = {
    L"customUI", L"commands", L"command", L"ribbon", L"officeMenu", L"qat", L"sharedControls",
    L"documentControls", L"contextualTabs", L"tabSet", L"tabs", L"tab", L"group", L"box", L"buttonGroup",
    L"button", L"toggleButton", L"checkBox", L"separator", L"menu", L"splitButton", L"dialogBoxLauncher",
    L"labelControl", L"gallery", L"item", L"comboBox", L"dropDown", L"editBox", L"dynamicMenu",
    L"menuSeparator", L"control"};

struct RibbonButton {
    std::wstring id, label, size, keytip, screentip, supertip, onAction, getImage;
};
struct RibbonGroup {
    std::wstring id, label;
    std::vector<RibbonButton> buttons;
};
struct RibbonTab {
    std::wstring id, label, keytip;
    std::vector<RibbonGroup> groups;
};

struct Ribbon {
    bool asked = true; // false after `noribbon`
    IDispatch* addIn = nullptr;
    std::vector<RibbonTab> tabs;
} g_ribbon;

template <class T>
struct Ref {
    T* p = nullptr;
    ~Ref()
    {
        if (p)
            p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

std::wstring Attribute(IXMLDOMNode* node, const wchar_t* name)
{
    Ref<IXMLDOMNamedNodeMap> attributes;
    Ref<IXMLDOMNode> item;
    BSTR key = SysAllocString(name);
    const bool found = SUCCEEDED(node->get_attributes(&attributes)) && attributes.p
                       && attributes->getNamedItem(key, &item) == S_OK && item.p;
    SysFreeString(key);
    if (!found)
        return std::wstring();
    BSTR text = nullptr;
    item->get_text(&text);
    std::wstring value = text ? text : L"";
    SysFreeString(text);
    return value;
}

// Checks one element and its children; collects tabs, groups and buttons.
class Checker {
public:
    explicit Checker(IDispatch* addIn) : m_addIn(addIn) {}

    void Element(IXMLDOMNode* node)
    {
        BSTR name = nullptr, space = nullptr;
        node->get_baseName(&name);
        node->get_namespaceURI(&space);
        const std::wstring element = name ? name : L"", uri = space ? space : L"";
        SysFreeString(name);
        SysFreeString(space);
        if (uri != kNamespace)
            Fail("element " + Utf8(element) + " is outside the customUI namespace");
        if (!kElements.count(element))
            Fail("unknown element " + Utf8(element));
        Attributes(node, element);
        Collect(node, element);
        Ref<IXMLDOMNodeList> children;
        node->get_childNodes(&children);
        long count = 0;
        children->get_length(&count);
        for (long i = 0; i < count; ++i) {
            Ref<IXMLDOMNode> child;
            children->get_item(i, &child);
            DOMNodeType type = NODE_INVALID;
            child->get_nodeType(&type);
            if (type == NODE_ELEMENT)
                Element(child.p);
        }
    }

private:
    [[noreturn]] void Fail(const std::string& reason) { throw std::runtime_error(reason); }

    void Attributes(IXMLDOMNode* node, const std::wstring& element)
    {
        Ref<IXMLDOMNamedNodeMap> attributes;
        if (FAILED(node->get_attributes(&attributes)) || !attributes.p)
            Fail("element " + Utf8(element) + " has no attribute list");
        attributes->reset();
        for (;;) {
            Ref<IXMLDOMNode> attribute;
            if (attributes->nextNode(&attribute) != S_OK || !attribute.p)
                break;
            BSTR name = nullptr, text = nullptr;
            attribute->get_nodeName(&name);
            attribute->get_text(&text);
            const std::wstring key = name ? name : L"", value = text ? text : L"";
            SysFreeString(name);
            SysFreeString(text);
            if (key == L"id" && !m_ids.insert(value).second)
                Fail("id " + Utf8(value) + " is used twice");
            if ((key.rfind(L"on", 0) == 0 || key.rfind(L"get", 0) == 0 || key == L"loadImage") && key != L"onLoad")
                Callback(value);
            if (key == L"size" && value != L"normal" && value != L"large")
                Fail("size " + Utf8(value) + " of " + Utf8(element));
            if (key == L"keytip" && (value.empty() || value.size() > 3))
                Fail("keytip " + Utf8(value) + " is not 1 to 3 characters");
        }
        if ((element == L"tab" || element == L"group" || element == L"button") && Attribute(node, L"id").empty()
            && Attribute(node, L"idMso").empty())
            Fail(Utf8(element) + " without an id");
    }

    void Callback(const std::wstring& name)
    {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR text = const_cast<LPOLESTR>(name.c_str());
        if (FAILED(m_addIn->GetIDsOfNames(IID_NULL, &text, 1, LOCALE_USER_DEFAULT, &id)))
            Fail("callback " + Utf8(name) + " is not a member of the add-in");
    }

    void Collect(IXMLDOMNode* node, const std::wstring& element)
    {
        if (element == L"tab") {
            g_ribbon.tabs.push_back({Attribute(node, L"id"), Attribute(node, L"label"), Attribute(node, L"keytip"), {}});
        } else if (element == L"group" && !g_ribbon.tabs.empty()) {
            g_ribbon.tabs.back().groups.push_back({Attribute(node, L"id"), Attribute(node, L"label"), {}});
        } else if (element == L"button" && !g_ribbon.tabs.empty() && !g_ribbon.tabs.back().groups.empty()) {
            g_ribbon.tabs.back().groups.back().buttons.push_back(
                {Attribute(node, L"id"), Attribute(node, L"label"), Attribute(node, L"size"),
                 Attribute(node, L"keytip"), Attribute(node, L"screentip"), Attribute(node, L"supertip"),
                 Attribute(node, L"onAction"), Attribute(node, L"getImage")});
        }
    }

    IDispatch* m_addIn;
    std::set<std::wstring> m_ids;
};

void CheckDocument(const std::wstring& xml, IDispatch* addIn)
{
    Ref<IXMLDOMDocument> document;
    if (FAILED(CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                reinterpret_cast<void**>(&document))))
        throw std::runtime_error("no XML parser");
    BSTR text = SysAllocStringLen(xml.data(), static_cast<UINT>(xml.size()));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->loadXML(text, &loaded);
    SysFreeString(text);
    if (loaded != VARIANT_TRUE)
        throw std::runtime_error("the document is not well-formed XML");
    Ref<IXMLDOMElement> root;
    document->get_documentElement(&root);
    BSTR name = nullptr;
    root->get_baseName(&name);
    const bool customUI = name && std::wstring(name) == L"customUI";
    SysFreeString(name);
    if (!customUI)
        throw std::runtime_error("the root element is not customUI");
    Checker(addIn).Element(root.p);
}

// A control of the ribbon as Office passes it to callbacks: Id, Tag and
// Context by name.
class RibbonControl : public IDispatch {
public:
    explicit RibbonControl(std::wstring id) : m_id(std::move(id)) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IRibbonControl) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return --m_references; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        static const wchar_t* const kNames[] = {L"Id", L"Context", L"Tag"};
        for (UINT i = 0; i < count; ++i) {
            ids[i] = DISPID_UNKNOWN;
            for (int k = 0; k < 3; ++k) {
                if (lstrcmpiW(names[i], kNames[k]) == 0) {
                    ids[i] = k + 1;
                    xlhost::CallBook::Instance().NoteLookup("IRibbonControl." + xlhost::Utf8(kNames[k]));
                }
            }
            if (ids[i] == DISPID_UNKNOWN)
                return DISP_E_UNKNOWNNAME;
        }
        return S_OK;
    }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID lcid, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override
    {
        static const char* const kMembers[] = {"Id", "Context", "Tag"};
        if (member < 1 || member > 3 || !result)
            return DISP_E_MEMBERNOTFOUND;
        xlhost::CallBook::Instance().NoteLocale(std::string("IRibbonControl.") + kMembers[member - 1], lcid);
        VariantInit(result);
        if (member == 2) {
            result->vt = VT_DISPATCH;
            result->pdispVal = nullptr;
        } else {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(member == 1 ? m_id.c_str() : L"");
        }
        return S_OK;
    }

private:
    std::wstring m_id;
    ULONG m_references = 1;
};

// Calls the add-in's callback name with the control; its result, if any.
HRESULT CallBack(const std::wstring& name, const std::wstring& controlId, VARIANT* result)
{
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR text = const_cast<LPOLESTR>(name.c_str());
    HRESULT hr = g_ribbon.addIn->GetIDsOfNames(IID_NULL, &text, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    RibbonControl control(controlId);
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_DISPATCH;
    argument.pdispVal = &control;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    return g_ribbon.addIn->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr,
                                  nullptr);
}

const RibbonButton& FindButton(const std::string& id)
{
    for (const RibbonTab& tab : g_ribbon.tabs)
        for (const RibbonGroup& group : tab.groups)
            for (const RibbonButton& button : group.buttons)
                if (Utf8(button.id) == id)
                    return button;
    throw std::runtime_error("no ribbon button " + id);
}

std::string Hex(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

StepResult RibbonStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    for (const RibbonTab& tab : g_ribbon.tabs) {
        runner.Print("tab\t" + Utf8(tab.id) + "\t" + Utf8(tab.label) + "\tkeytip=" + Utf8(tab.keytip));
        for (const RibbonGroup& group : tab.groups) {
            runner.Print("  group\t" + Utf8(group.id) + "\t" + Utf8(group.label));
            for (const RibbonButton& b : group.buttons)
                runner.Print("    button\t" + Utf8(b.id) + "\t" + Utf8(b.label) + "\t" + Utf8(b.size) + "\tkeytip="
                             + Utf8(b.keytip) + "\tonAction=" + Utf8(b.onAction) + "\tgetImage=" + Utf8(b.getImage)
                             + "\tscreentip=" + Utf8(b.screentip) + "\tsupertip=" + Utf8(b.supertip));
        }
    }
    return StepResult::Done;
}

StepResult RibbonClickStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    const RibbonButton& button = FindButton(words[1]);
    runner.CommandStarted();
    const HRESULT hr = CallBack(button.onAction, button.id, nullptr);
    runner.CommandEnded();
    runner.Print("ribbon-click " + words[1] + " " + Hex(hr));
    return StepResult::Done;
}

// Writes a picture's bitmap as a 32-bit BMP, alpha kept.
void WritePicture(IDispatch* picture, const std::string& path, int& width, int& height)
{
    Ref<IPicture> image;
    if (FAILED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&image))))
        throw std::runtime_error("the image is no picture");
    OLE_HANDLE handle = 0;
    image->get_Handle(&handle);
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>(width) * height * 4);
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + pixels.size()), 0, 0,
                          static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header)};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

} // namespace

void DumpRibbonImages(ScriptRunner& runner)
{
    for (const RibbonTab& tab : g_ribbon.tabs)
        for (const RibbonGroup& group : tab.groups)
            for (const RibbonButton& button : group.buttons) {
                if (button.getImage.empty())
                    continue;
                VARIANT result;
                VariantInit(&result);
                const HRESULT hr = CallBack(button.getImage, button.id, &result);
                if (FAILED(hr) || result.vt != VT_DISPATCH || !result.pdispVal)
                    throw std::runtime_error("no image for " + Utf8(button.id) + ": " + Hex(hr));
                int width = 0, height = 0;
                WritePicture(result.pdispVal, runner.InputPath(Utf8(button.id) + ".bmp"), width,
                             height);
                VariantClear(&result);
                runner.Print("image\t" + Utf8(button.id) + "\t" + std::to_string(width) + "x" + std::to_string(height));
            }
}

namespace {

StepResult NoRibbonStep(ScriptRunner&, const std::vector<std::string>&)
{
    g_ribbon.asked = false;
    return StepResult::Done;
}

} // namespace

HRESULT LoadRibbon(ScriptRunner& runner, _IDTExtensibility2* addIn)
{
    if (!g_ribbon.asked)
        return S_OK;
    Ref<IRibbonExtensibility> extensibility;
    if (FAILED(addIn->QueryInterface(IID_IRibbonExtensibility, reinterpret_cast<void**>(&extensibility))))
        return S_OK; // an add-in without a ribbon of its own
    if (g_ribbon.addIn)
        g_ribbon.addIn->Release();
    g_ribbon.addIn = nullptr;
    addIn->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&g_ribbon.addIn));
    g_ribbon.tabs.clear();
    BSTR xml = nullptr;
    BSTR ribbonId = SysAllocString(L"Microsoft.Excel.Workbook");
    HRESULT hr = extensibility->GetCustomUI(ribbonId, &xml);
    SysFreeString(ribbonId);
    try {
        if (FAILED(hr) || !xml)
            throw std::runtime_error("GetCustomUI failed " + Hex(hr));
        CheckDocument(xml, g_ribbon.addIn);
        hr = S_OK;
    } catch (const std::runtime_error& error) {
        runner.Print(std::string("ribbon-error ") + error.what());
        g_ribbon.tabs.clear();
        hr = E_FAIL;
    }
    SysFreeString(xml);
    return hr;
}

void ReleaseRibbon()
{
    if (g_ribbon.addIn)
        g_ribbon.addIn->Release();
    g_ribbon.addIn = nullptr;
    g_ribbon.tabs.clear();
}

void AddRibbonSteps(StepTable& table)
{
    table["ribbon"] = {&RibbonStep, 1, 1, false};
    table["ribbon-click"] = {&RibbonClickStep, 2, 2, true};
    table["noribbon"] = {&NoRibbonStep, 1, 1, false};
}

} // namespace xlhost
