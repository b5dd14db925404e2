"""The registry entries of a per-user Stochal installation, read from the
sources the DLL itself is built from: the class ids, interface ids and the
library's identity from resources/Stochal.idl, the ProgIDs, friendly names
and threading models from the class table in addin/ObjectMap.cpp. The
installer source and the installation tests both take their keys from here,
so neither can drift from what DllRegisterServer writes."""

import os
import re
from collections import namedtuple

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Dual interfaces are marshalled by OLE Automation's own proxy (PSOAInterface).
AUTOMATION_PROXY = "{00020424-0000-0000-C000-000000000046}"
# Office's _CommandBarButtonEvents: our library describes it under Office's id,
# but the key is Office's and no installation of ours writes or removes it.
OFFICE_BUTTON_EVENTS = "{000C0351-0000-0000-C000-000000000046}"

CLASSES = r"Software\Classes"
ADDIN_KEY = r"Software\Microsoft\Office\Excel\Addins\Stochal.AddIn"
ADDIN_NAME = "Stochal"
ADDIN_DESCRIPTION = "Random numbers, samples and shuffles for Excel worksheets, menus and macros."

# 64-bit Windows keeps the 32-bit view of the per-user CLSID and Interface
# keys, which the page "Registry Keys Affected by WOW64" lists as redirected,
# below this key; the ProgIDs, TypeLib and the Office keys are shared.
WOW64_CLASSES = CLASSES + r"\Wow6432Node"

# One registry value under HKEY_CURRENT_USER. name None is the default value;
# value None makes the key without a value. kind is "string" or "integer".
Entry = namedtuple("Entry", "key name value kind")

Library = namedtuple("Library", "libid version lcid helpstring")
ComClass = namedtuple("ComClass", "name clsid prog_id independent_prog_id friendly_name threading_model")
Interface = namedtuple("Interface", "name iid")
# One bitness of the DLL as registered: its type library platform ("win64" or
# "win32"), its path, and the key below which its CLSID and Interface keys lie.
View = namedtuple("View", "platform dll classes")


def _read(relative):
    with open(os.path.join(ROOT, relative), encoding="utf-8") as source:
        return source.read()


def _guid(text):
    return "{" + text.upper() + "}"


def _attributes_before(idl, keyword_pattern):
    """(attribute block, name) for each declaration of the given kind."""
    pattern = r"\[([^\[\]]*(?:\[[^\]]*\][^\[\]]*)*)\]\s*" + keyword_pattern + r"\s+(\w+)"
    return re.findall(pattern, idl)


def _uuid_of(attributes):
    match = re.search(r"uuid\(([0-9A-Fa-f-]{36})\)", attributes)
    if not match:
        raise ValueError("declaration without uuid: " + attributes)
    return _guid(match.group(1))


def read_library(idl=None):
    idl = idl or _read("resources/Stochal.idl")
    for attributes, _name in _attributes_before(idl, "library"):
        version = re.search(r"version\(([\d.]+)\)", attributes).group(1)
        lcid = int(re.search(r"lcid\((0x[0-9A-Fa-f]+|\d+)\)", attributes).group(1), 0)
        helpstring = re.search(r'helpstring\("([^"]*)"\)', attributes).group(1)
        return Library(_uuid_of(attributes), version, lcid, helpstring)
    raise ValueError("no library in the IDL")


def read_interfaces(idl=None):
    """Our own dual interfaces: the ones with interface keys of their own."""
    idl = idl or _read("resources/Stochal.idl")
    found = []
    for attributes, name in _attributes_before(idl, r"interface"):
        if re.search(r"\bdual\b", attributes):
            found.append(Interface(name, _uuid_of(attributes)))
    if any(i.iid == OFFICE_BUTTON_EVENTS for i in found):
        raise ValueError("Office's button event interface must not be registered as ours")
    return found


def read_classes(idl=None, object_map=None):
    idl = idl or _read("resources/Stochal.idl")
    object_map = object_map or _read("addin/ObjectMap.cpp")
    coclasses = {name: _uuid_of(attributes) for attributes, name in _attributes_before(idl, "coclass")}
    row = re.compile(r'\{&CLSID_(\w+),[^{]*\{L"([^"]*)",\s*L"([^"]*)",\s*L"([^"]*)",\s*L"([^"]*)"\}\}')
    classes = [ComClass(name, coclasses[name], *fields) for name, *fields in row.findall(object_map)]
    if not classes:
        raise ValueError("no class rows in the object map")
    return classes


def prog_id_entries(com_class):
    c = com_class
    return [
        Entry(CLASSES + "\\" + c.prog_id, None, c.friendly_name, "string"),
        Entry(CLASSES + "\\" + c.prog_id + "\\CLSID", None, c.clsid, "string"),
        Entry(CLASSES + "\\" + c.independent_prog_id, None, c.friendly_name, "string"),
        Entry(CLASSES + "\\" + c.independent_prog_id + "\\CLSID", None, c.clsid, "string"),
        Entry(CLASSES + "\\" + c.independent_prog_id + "\\CurVer", None, c.prog_id, "string"),
    ]


def class_entries(com_class, library, view):
    c = com_class
    key = view.classes + "\\CLSID\\" + c.clsid
    return [
        Entry(key, None, c.friendly_name, "string"),
        Entry(key, "AppID", "", "string"),
        Entry(key + "\\ProgID", None, c.prog_id, "string"),
        Entry(key + "\\VersionIndependentProgID", None, c.independent_prog_id, "string"),
        Entry(key + "\\Programmable", None, None, "string"),
        Entry(key + "\\InprocServer32", None, view.dll, "string"),
        Entry(key + "\\InprocServer32", "ThreadingModel", c.threading_model, "string"),
        Entry(key + "\\TypeLib", None, library.libid, "string"),
    ]


def interface_entries(interface, library, view):
    key = view.classes + "\\Interface\\" + interface.iid
    return [
        Entry(key, None, interface.name, "string"),
        Entry(key + "\\ProxyStubClsid", None, AUTOMATION_PROXY, "string"),
        Entry(key + "\\ProxyStubClsid32", None, AUTOMATION_PROXY, "string"),
        Entry(key + "\\TypeLib", None, library.libid, "string"),
        Entry(key + "\\TypeLib", "Version", library.version, "string"),
    ]


def library_entries(library, help_dir, views):
    # The layout RegisterTypeLib uses: version, locale in hex, platform; one
    # key for both views, with a platform subkey for each DLL.
    key = CLASSES + "\\TypeLib\\" + library.libid + "\\" + library.version
    entries = [
        Entry(key, None, library.helpstring, "string"),
        Entry(key + "\\FLAGS", None, "0", "string"),
        Entry(key + "\\HELPDIR", None, help_dir, "string"),
    ]
    for view in views:
        entries.append(Entry(key + "\\%x\\%s" % (library.lcid, view.platform), None, view.dll, "string"))
    return entries


def addin_entries():
    return [
        Entry(ADDIN_KEY, "FriendlyName", ADDIN_NAME, "string"),
        Entry(ADDIN_KEY, "Description", ADDIN_DESCRIPTION, "string"),
        Entry(ADDIN_KEY, "LoadBehavior", 3, "integer"),
    ]


def view_entries(view):
    """The keys one view holds of its own: its classes and interfaces."""
    library = read_library()
    entries = []
    for com_class in read_classes():
        entries += class_entries(com_class, library, view)
    for interface in read_interfaces():
        entries += interface_entries(interface, library, view)
    return entries


def shared_entries(views, help_dir):
    """The keys both views see as one: ProgIDs, the type library, the Office add-in key."""
    entries = []
    for com_class in read_classes():
        entries += prog_id_entries(com_class)
    return entries + library_entries(read_library(), help_dir, views) + addin_entries()


def all_entries(views, help_dir):
    entries = []
    for view in views:
        entries += view_entries(view)
    return entries + shared_entries(views, help_dir)


def view_keys(view):
    """The keys of one view an installation owns whole."""
    return ([view.classes + "\\CLSID\\" + c.clsid for c in read_classes()]
            + [view.classes + "\\Interface\\" + i.iid for i in read_interfaces()])


def owned_keys(views):
    """The keys an installation owns whole (removed with everything below them
    on uninstall); their parents (CLSID, Interface, TypeLib, Addins) are not ours."""
    keys = []
    for c in read_classes():
        keys += [CLASSES + "\\" + c.prog_id, CLASSES + "\\" + c.independent_prog_id]
    for view in views:
        keys += view_keys(view)
    keys.append(CLASSES + "\\TypeLib\\" + read_library().libid)
    keys.append(ADDIN_KEY)
    return keys


def package_views(dll64=None, dll32=None):
    """The views a package registers: a DLL alone in its own Windows' classes;
    both DLLs on 64-bit Windows, the 32-bit one at the 32-bit view's place."""
    if dll64 and dll32:
        return [View("win64", dll64, CLASSES), View("win32", dll32, WOW64_CLASSES)]
    return [View("win64", dll64, CLASSES) if dll64 else View("win32", dll32, CLASSES)]
