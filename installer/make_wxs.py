#!/usr/bin/env python3
r"""Writes the installer source (.wxs for wixl) of Stochal.

usage: make_wxs.py --arch x64|x86 --dll PATH [--dll32 PATH] --help-file PATH
                   [--version X.Y.Z] --out FILE

--arch x64 with --dll32 is the package for 64-bit Windows: the 64-bit DLL in
x64\ for 64-bit Excel and the 32-bit one in x86\ for 32-bit Excel, each
registered in its own registry view and each with the help file beside it,
as the DLL looks for it there. --arch x86 alone is the package for 32-bit
Windows, its DLL in the install folder itself; --arch x64 alone is laid out
the same way, as the first 64-bit package was.

A per-user package: files under the user's local programs folder, every
registry entry under HKEY_CURRENT_USER, no administrator rights. The
registration is data (from registration.py), never a call into the DLL, so
repair and uninstall know every key. Installing over an earlier build of the
same or a lower version upgrades it in place; every package shares one
upgrade code, because they share the ProgIDs, the type library key and the
Office add-in key, so installing one replaces any other."""

import argparse
import re
import uuid
from collections import namedtuple
from xml.sax.saxutils import quoteattr

import registration

UPGRADE_CODE = "{083883C9-4693-49EE-B544-649057BE90A0}"
# Component ids are stable per package layout and component, so that an
# upgrade matches the components of the version it replaces.
COMPONENT_NAMESPACE = uuid.UUID("6598e70f-01f9-47cd-a31d-45d4da7f14c9")
# HELPDIR, like RegisterTypeLib writes it: the folder without its final backslash.
HELP_DIR_PROPERTY = "STOCHALHELPDIR"

# One DLL of a package with its help file: the folder below the install
# folder ("" for the install folder itself), whether its components are
# 64-bit, the suffix of its components' and files' ids, and the DLL's source.
Slot = namedtuple("Slot", "folder win64 suffix dll")


def product_version():
    rc = registration._read("resources/Stochal.rc")
    match = re.search(r"PRODUCTVERSION\s+(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", rc)
    return ".".join(match.groups()[:3])


def next_version(version):
    """The lowest version above version: the exclusive upper end of the
    versions an install replaces, so a rebuild of the same version replaces
    the one installed (this wixl has no IncludeMaximum)."""
    parts = version.split(".")
    return ".".join(parts[:-1] + [str(int(parts[-1]) + 1)])


def slots(arch, dll, dll32):
    if dll32:
        return [Slot("x64", True, "64", dll), Slot("x86", False, "32", dll32)]
    return [Slot("", arch == "x64", "", dll)]


def layout(arch, dll32):
    """The name component ids are made from: the packages of one DLL keep
    the ids the first packages had."""
    return "x64+x86" if dll32 else arch


def dll_file_id(slot):
    return "StochalDll" + slot.suffix


def component_guid(layout_name, name):
    return "{" + str(uuid.uuid5(COMPONENT_NAMESPACE, layout_name + "/" + name)).upper() + "}"


def attrs(**values):
    return " ".join("%s=%s" % (k, quoteattr(str(v))) for k, v in values.items() if v is not None)


def registry_value(entry, key_path=False):
    key = quoteattr(entry.key)
    name = "" if entry.name is None else " Name=%s" % quoteattr(entry.name)
    if entry.value is None:
        # Name "*" without a value: the key is made on install, removed on uninstall.
        return "<RegistryValue Root='HKCU' Key=%s Name='*' Type='string' Value=''/>" % key
    return "<RegistryValue Root='HKCU' Key=%s%s Type=%s Value=%s%s/>" % (
        key, name, quoteattr(entry.kind), quoteattr(str(entry.value)),
        " KeyPath='yes'" if key_path else "")


def owned_key(key):
    # Name "-" without a value: the key goes whole on uninstall.
    return "<RegistryValue Root='HKCU' Key=%s Name='-' Type='string' Value=''/>" % quoteattr(key)


def component(layout_name, component_id, win64, body):
    return """<Component %s>
          %s
        </Component>""" % (attrs(Id=component_id, Guid=component_guid(layout_name, component_id),
                                  Win64="yes" if win64 else "no"), "\n          ".join(body))


def package_views(package_slots):
    dlls = {s.win64: "[#%s]" % dll_file_id(s) for s in package_slots}
    return registration.package_views(dll64=dlls.get(True), dll32=dlls.get(False))


def registration_component(layout_name, package_slots):
    """Every registry value, in one component. Each view's keys have a place
    of their own (registration.package_views), so no two values share a name
    and none depends on the order in which they are written. With two views
    the component is 64-bit: the 64-bit view addresses the 32-bit view's
    place as it is, where a 32-bit component's keys would be redirected."""
    views = package_views(package_slots)
    entries = registration.all_entries(views, "[%s]" % HELP_DIR_PROPERTY)
    # A per-user component keeps its key path in the user's registry: the
    # first class's server path, which names the installed DLL.
    key_path = next(e for e in entries if e.key.endswith("\\InprocServer32") and e.name is None)
    body = [registry_value(e, e is key_path) for e in entries]
    body += [owned_key(k) for k in registration.owned_keys(views)]
    body.append("<RemoveFolder Id='RemoveInstallDir' On='uninstall'/>")
    return component(layout_name, "Registration", package_slots[0].win64, body)


def file_components(layout_name, slot, help_file):
    """(id, source) of the DLL's component and of the component of the help
    file beside it, which the DLL opens from its own folder."""
    files = [("Dll", dll_file_id(slot), "Stochal.dll", slot.dll),
             ("HelpFile", "StochalHelp" + slot.suffix, "StochalHelp.chm", help_file)]
    made = []
    for kind, file_id, name, source in files:
        body = ["<File %s/>" % attrs(Id=file_id, Name=name, Source=source, KeyPath="yes")]
        if slot.folder and kind == "Dll":
            body.append("<RemoveFolder %s/>" % attrs(Id="Remove" + file_id, On="uninstall"))
        made.append((kind + slot.suffix, component(layout_name, kind + slot.suffix, slot.win64, body)))
    return made


def in_folder(slot, sources):
    if not slot.folder:
        return sources
    return ["""<Directory %s>
        %s
        </Directory>""" % (attrs(Id="Folder" + slot.suffix, Name=slot.folder), "\n        ".join(sources))]


def make_wxs(arch, dll, dll32, help_file, version):
    layout_name = layout(arch, dll32)
    package_slots = slots(arch, dll, dll32)
    component_ids, contents = [], []
    for slot in package_slots:
        made = file_components(layout_name, slot, help_file)
        component_ids += [c for c, _ in made]
        contents += in_folder(slot, [source for _, source in made])
    component_ids.append("Registration")
    contents.append(registration_component(layout_name, package_slots))
    refs = "\n      ".join("<ComponentRef Id='%s'/>" % c for c in component_ids)
    help_dir = "[LocalAppDataFolder]Programs\\Stochal"
    if package_slots[0].folder:
        help_dir += "\\" + package_slots[0].folder
    name = "Stochal %s" % version if dll32 else "Stochal %s (%s-bit)" % (version, "64" if arch == "x64" else "32")
    return """<?xml version='1.0' encoding='utf-8'?>
<!-- Generated by installer/make_wxs.py; edit that script, not this file. -->
<Wix xmlns='http://schemas.microsoft.com/wix/2006/wi'>
  <Product Id='*' %s>
    <Package %s/>
    <Upgrade Id=%s>
      <UpgradeVersion Minimum='0.0.0' Maximum=%s IncludeMinimum='yes' Property='STOCHALOLDER'/>
      <UpgradeVersion Minimum=%s IncludeMinimum='no' OnlyDetect='yes' Property='STOCHALNEWER'/>
    </Upgrade>
    <Condition Message='A newer version of Stochal is already installed.'>NOT STOCHALNEWER</Condition>
    <CustomAction Id='SetHelpDir' Property='%s' Value=%s/>
    <InstallExecuteSequence>
      <Custom Action='SetHelpDir' Before='CostFinalize'/>
      <RemoveExistingProducts After='InstallValidate'/>
    </InstallExecuteSequence>
    <Media Id='1' Cabinet='Stochal.cab' EmbedCab='yes'/>
    <Property Id='ARPNOMODIFY' Value='1'/>
    <Directory Id='TARGETDIR' Name='SourceDir'>
      <Directory Id='LocalAppDataFolder'>
        <Directory Id='ProgramsDir' Name='Programs'>
          <Directory Id='INSTALLDIR' Name='Stochal'>
        %s
          </Directory>
        </Directory>
      </Directory>
    </Directory>
    <Feature Id='Stochal' Level='1'>
      %s
    </Feature>
  </Product>
</Wix>
""" % (attrs(Name=name, Language="1033", Version=version, Manufacturer="Vextor", UpgradeCode=UPGRADE_CODE),
       attrs(InstallerVersion="500", Compressed="yes", InstallScope="perUser",
             Description="Stochal random numbers for Excel",
             Comments=registration.ADDIN_DESCRIPTION),
       quoteattr(UPGRADE_CODE), quoteattr(next_version(version)), quoteattr(version), HELP_DIR_PROPERTY,
       quoteattr(help_dir), "\n        ".join(contents), refs)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--arch", choices=("x64", "x86"), required=True)
    parser.add_argument("--dll", required=True)
    parser.add_argument("--dll32", help="the 32-bit DLL beside the 64-bit one (--arch x64 only)")
    parser.add_argument("--help-file", required=True)
    parser.add_argument("--version", help="the product version (default: the one of resources/Stochal.rc)")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    if args.dll32 and args.arch != "x64":
        parser.error("--dll32 belongs to the 64-bit package")
    with open(args.out, "w", encoding="utf-8") as out:
        out.write(make_wxs(args.arch, args.dll, args.dll32, args.help_file, args.version or product_version()))


if __name__ == "__main__":
    main()
