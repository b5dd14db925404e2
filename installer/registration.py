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

# One registry value under HKEY_CURRENT_USER. name None is the default value;
# value None makes the key without a value. kind is "string" or "integer".
Entry = namedtuple("Entry", "key name value kind")

Library = namedtuple("Library", "libid version lcid helpstring")
ComClass = namedtuple("ComClass", "name clsid prog_id independent_prog_id friendly_name threading_model")
Interface = namedtuple("Interface", "name iid")


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


def class_entries(com_class, library, dll_path):
    c = com_class
    key = CLASSES + "\\CLSID\\" + c.clsid
    return [
        Entry(CLASSES + "\\" + c.prog_id, None, c.friendly_name, "string"),
        Entry(CLASSES + "\\" + c.prog_id + "\\CLSID", None, c.clsid, "string"),
        Entry(CLASSES + "\\" + c.independent_prog_id, None, c.friendly_name, "string"),
        Entry(CLASSES + "\\" + c.independent_prog_id + "\\CLSID", None, c.clsid, "string"),
        Entry(CLASSES + "\\" + c.independent_prog_id + "\\CurVer", None, c.prog_id, "string"),
        Entry(key, None, c.friendly_name, "string"),
        Entry(key, "AppID", "", "string"),
        Entry(key + "\\ProgID", None, c.prog_id, "string"),
        Entry(key + "\\VersionIndependentProgID", None, c.independent_prog_id, "string"),
        Entry(key + "\\Programmable", None, None, "string"),
        Entry(key + "\\InprocServer32", None, dll_path, "string"),
        Entry(key + "\\InprocServer32", "ThreadingModel", c.threading_model, "string"),
        Entry(key + "\\TypeLib", None, library.libid, "string"),
    ]


def library_entries(library, interfaces, dll_path, help_dir, win64):
    # The layout RegisterTypeLib uses: version, locale in hex, platform.
    key = CLASSES + "\\TypeLib\\" + library.libid + "\\" + library.version
    entries = [
        Entry(key, None, library.helpstring, "string"),
        Entry(key + "\\FLAGS", None, "0", "string"),
        Entry(key + "\\HELPDIR", None, help_dir, "string"),
        Entry(key + "\\%x\\%s" % (library.lcid, "win64" if win64 else "win32"), None, dll_path, "string"),
    ]
    for interface in interfaces:
        ikey = CLASSES + "\\Interface\\" + interface.iid
        entries += [
            Entry(ikey, None, interface.name, "string"),
            Entry(ikey + "\\ProxyStubClsid", None, AUTOMATION_PROXY, "string"),
            Entry(ikey + "\\ProxyStubClsid32", None, AUTOMATION_PROXY, "string"),
            Entry(ikey + "\\TypeLib", None, library.libid, "string"),
            Entry(ikey + "\\TypeLib", "Version", library.version, "string"),
        ]
    return entries


def addin_entries():
    return [
        Entry(ADDIN_KEY, "FriendlyName", ADDIN_NAME, "string"),
        Entry(ADDIN_KEY, "Description", ADDIN_DESCRIPTION, "string"),
        Entry(ADDIN_KEY, "LoadBehavior", 3, "integer"),
    ]


def all_entries(dll_path, help_dir, win64):
    library = read_library()
    entries = []
    for com_class in read_classes():
        entries += class_entries(com_class, library, dll_path)
    entries += library_entries(library, read_interfaces(), dll_path, help_dir, win64)
    return entries + addin_entries()


def owned_keys():
    """The keys an installation owns whole (removed with everything below them
    on uninstall); their parents (CLSID, Interface, TypeLib, Addins) are not ours."""
    library = read_library()
    keys = []
    for c in read_classes():
        keys += [CLASSES + "\\" + c.prog_id, CLASSES + "\\" + c.independent_prog_id,
                 CLASSES + "\\CLSID\\" + c.clsid]
    keys += [CLASSES + "\\Interface\\" + i.iid for i in read_interfaces()]
    keys.append(CLASSES + "\\TypeLib\\" + library.libid)
    keys.append(ADDIN_KEY)
    return keys
