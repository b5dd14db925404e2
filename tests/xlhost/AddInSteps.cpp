// Steps that play Excel towards COM add-ins: connect, start up, click the
// menu, seed the generator, press Esc, shut down.
#include <cstdio>
#include <stdexcept>

#include "tests/xlhost/ExcelObjects.h"
#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/OfficeBars.h"
#include "tests/xlhost/RibbonHost.h"
#include "tests/xlhost/ScriptRunner.h"
#include "tests/xlhost/TestExcel.h"

namespace xlhost {
namespace {
std::string Hex(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

HRESULT Create(const std::string& progId, REFIID iid, void** object)
{
    CLSID clsid{};
    const HRESULT hr = CLSIDFromProgID(Wide(progId).c_str(), &clsid);
    return FAILED(hr) ? hr : CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object);
}

// Connects the add-in of that ProgID, again on the same object when it is
// connected already; the HRESULT of the first failure or of OnConnection.
HRESULT Connect(ScriptRunner& runner, const std::string& progId)
{
    _IDTExtensibility2* addIn = nullptr;
    for (const ConnectedAddIn& connected : runner.AddIns()) {
        if (connected.progId == progId) {
            addIn = connected.addIn;
        }
    }
    if (addIn == nullptr) {
        const HRESULT hr = Create(progId, IID_IDTExtensibility2, reinterpret_cast<void**>(&addIn));
        if (FAILED(hr)) {
            return hr;
        }
        runner.AddIns().push_back(ConnectedAddIn{progId, addIn});
    }
    SAFEARRAY* custom = nullptr;
    const HRESULT connected =
        addIn->OnConnection(static_cast<IDispatch*>(runner.Application()), ext_cm_Startup, nullptr, &custom);
    return FAILED(connected) ? connected : LoadRibbon(runner, addIn);
}

StepResult ConnectStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    runner.Print("connect " + Hex(Connect(runner, words.size() > 1 ? words[1] : "Stochal.AddIn")));
    return StepResult::Done;
}

StepResult StartupStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    HKEY addIns = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\Addins", 0, KEY_READ, &addIns)
        != ERROR_SUCCESS) {
        return StepResult::Done;
    }
    std::vector<std::string> progIds;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(addIns, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
            break;
        }
        DWORD behaviour = 0, size = sizeof behaviour, type = 0;
        if (RegGetValueW(addIns, name, L"LoadBehavior", RRF_RT_ANY, &type, &behaviour, &size) == ERROR_SUCCESS
            && type == REG_DWORD && behaviour == 3) {
            progIds.push_back(Utf8(name));
        }
    }
    RegCloseKey(addIns);
    for (const std::string& progId : progIds) {
        runner.Print("startup " + progId + " " + Hex(Connect(runner, progId)));
    }
    return StepResult::Done;
}

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts(1);
    for (char c : path) {
        if (c == '/') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

StepResult MenuStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    std::shared_ptr<ControlNode> node = HostModel::Instance().tools;
    for (const std::string& caption : SplitPath(words[1])) {
        std::shared_ptr<ControlNode> next;
        for (const auto& child : node ? node->children : std::vector<std::shared_ptr<ControlNode>>()) {
            if (child->caption == caption) {
                next = child;
            }
        }
        if (!next) {
            throw std::runtime_error("no menu item " + caption);
        }
        node = next;
    }
    if (node->type != 1) {
        throw std::runtime_error(words[1] + " is no button");
    }
    runner.CommandStarted();
    ClickButton(node);
    runner.CommandEnded();
    return StepResult::Done;
}

StepResult SeedStep(ScriptRunner&, const std::vector<std::string>& words)
{
    const long long seed = std::stoll(words[1]);
    IDispatch* generator = nullptr;
    HRESULT hr = Create("Stochal.Generator", IID_IDispatch, reinterpret_cast<void**>(&generator));
    if (FAILED(hr)) {
        throw std::runtime_error("cannot create Stochal.Generator: " + Hex(hr));
    }
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"Seed");
    hr = generator->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = static_cast<LONG>(seed);
    DISPPARAMS params{&argument, nullptr, 1, 0};
    if (SUCCEEDED(hr)) {
        hr = generator->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    }
    generator->Release();
    if (FAILED(hr)) {
        throw std::runtime_error("Seed failed: " + Hex(hr));
    }
    return StepResult::Done;
}

// The user presses and releases Esc: keyboard input, which Windows queues
// for the thread of the window with the focus (under wine too, as a
// WM_KEYDOWN/WM_KEYUP pair that a PeekMessage of that thread sees).
StepResult EscStep(ScriptRunner&, const std::vector<std::string>&)
{
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_ESCAPE;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    if (SendInput(2, keys, sizeof(INPUT)) != 2) {
        throw std::runtime_error("the key press was refused");
    }
    return StepResult::Done;
}

// Objects of the test Excel that someone besides the host still holds.
long ObjectsHeld(ScriptRunner& runner)
{
    const long application = runner.Application()->RefCount() > 1 ? 1 : 0;
    return HostObject::Live() - 1 + application + LiveConnectionPoints();
}

StepResult ShutdownStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    auto& addIns = runner.AddIns();
    ReleaseRibbon();
    while (!addIns.empty()) {
        _IDTExtensibility2* addIn = addIns.back().addIn;
        addIns.pop_back();
        SAFEARRAY* custom = nullptr;
        addIn->OnBeginShutdown(&custom);
        addIn->OnDisconnection(ext_dm_HostShutdown, &custom);
        addIn->Release();
    }
    runner.Print("objects " + std::to_string(ObjectsHeld(runner)));
    return StepResult::Done;
}

// The COM Add-ins dialog unloading an add-in the user unticked, as the
// Office page "Outlook COM add-in template" describes OnDisconnection:
// OnDisconnection(ext_dm_UserClosed) without OnBeginShutdown, and the
// dialog's reference let go. The ribbon keeps its own until shutdown: no
// page promises the add-in its last Release when it is disconnected.
StepResult DisconnectStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    const std::string progId = words.size() > 1 ? words[1] : "Stochal.AddIn";
    auto& addIns = runner.AddIns();
    auto found = addIns.begin();
    while (found != addIns.end() && found->progId != progId) {
        ++found;
    }
    if (found == addIns.end()) {
        throw std::runtime_error(progId + " is not connected");
    }
    _IDTExtensibility2* addIn = found->addIn;
    addIns.erase(found);
    SAFEARRAY* custom = nullptr;
    const HRESULT hr = addIn->OnDisconnection(ext_dm_UserClosed, &custom);
    addIn->Release();
    runner.Print("disconnect " + Hex(hr));
    return StepResult::Done;
}

StepResult ObjectsStep(ScriptRunner& runner, const std::vector<std::string>&)
{
    runner.Print("objects " + std::to_string(ObjectsHeld(runner)));
    return StepResult::Done;
}

// DllRegisterServer or DllUnregisterServer of the --dll file, in process.
StepResult RegistrationStep(ScriptRunner& runner, const std::vector<std::string>& words)
{
    HMODULE module = LoadLibraryW(Wide(runner.DllPath()).c_str());
    if (module == nullptr) {
        throw std::runtime_error("cannot load " + runner.DllPath());
    }
    const bool registering = words[0] == "register";
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto entry = reinterpret_cast<Entry>(reinterpret_cast<void (*)()>(
        GetProcAddress(module, registering ? "DllRegisterServer" : "DllUnregisterServer")));
    if (entry == nullptr) {
        throw std::runtime_error("no registration entry in " + runner.DllPath());
    }
    runner.Print(words[0] + " " + Hex(entry()));
    return StepResult::Done;
}
} // namespace

void AddAddInSteps(StepTable& table)
{
    table["connect"] = {&ConnectStep, 1, 2, false};
    table["startup"] = {&StartupStep, 1, 1, false};
    table["menu"] = {&MenuStep, 2, 2, true};
    table["seed"] = {&SeedStep, 2, 2, false};
    table["esc"] = {&EscStep, 1, 1, false};
    table["shutdown"] = {&ShutdownStep, 1, 1, false};
    table["disconnect"] = {&DisconnectStep, 1, 2, false};
    table["objects"] = {&ObjectsStep, 1, 1, false};
    table["register"] = {&RegistrationStep, 1, 1, false};
    table["unregister"] = {&RegistrationStep, 1, 1, false};
}

} // namespace xlhost
