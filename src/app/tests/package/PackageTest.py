#!/usr/bin/env python3
"""The package target's files: the MSI's tables (msiinfo), the winget manifests (valid YAML,
the fields the schema requires, the files' SHA-256) and the ZIP, against the built program."""
import argparse
import hashlib
import re
import subprocess
import sys
import zipfile

import yaml

PUBLISHER = "Команда Nerolith"
faults = []


def check(ok, what):
    if not ok:
        faults.append(what)


def msi_table(msi, table):
    """The table's rows as lists of columns, from msiinfo export (three header lines)."""
    text = subprocess.run(["msiinfo", "export", msi, table], check=True, capture_output=True,
                          text=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def check_msi(args, upgrade_code):
    tables = subprocess.run(["msiinfo", "tables", args.msi], check=True, capture_output=True,
                            text=True).stdout.split()
    for table in ("Property", "Shortcut", "Registry", "Component", "File", "Directory", "Upgrade",
                  "Icon", "RemoveFile", "LaunchCondition"):
        check(table in tables, f"no {table} table")
    properties = {row[0]: row[1] for row in msi_table(args.msi, "Property")}
    expected = {"ProductName": "Nerolith", "ProductVersion": args.version,
                "Manufacturer": PUBLISHER, "UpgradeCode": upgrade_code,
                "ARPPRODUCTICON": "nerolith.ico", "ARPNOMODIFY": "1"}
    for name, value in expected.items():
        check(properties.get(name) == value, f"Property {name} is {properties.get(name)!r}")
    check("ALLUSERS" not in properties, "ALLUSERS makes a per-machine install")
    check("DESKTOP_SHORTCUT" in properties.get("SecureCustomProperties", "").split(";"),
          "DESKTOP_SHORTCUT is not a secure property")
    summary = subprocess.run(["msiinfo", "suminfo", args.msi], check=True, capture_output=True,
                             text=True).stdout
    words = re.search(r"^Source: (\d+)", summary, re.M)
    # 2: compressed; 8: no elevation.
    check(words and int(words.group(1)) & 10 == 10, f"word count {words and words.group(1)}")

    # Each expected row: its first columns, in the table's order.
    expected_rows = {
        "Directory": [("INSTALLDIR", "UserProgramsFolder", "Nerolith"),
                      ("UserProgramsFolder", "LocalAppDataFolder", "Programs")],
        "Shortcut": [
            (shortcut, folder, "Nerolith", shortcut, "[INSTALLDIR]nerolith.exe", "",
             "Калькулятор выражений, матриц и систем уравнений", "", "nerolith.ico", "", "",
             "INSTALLDIR")
            for shortcut, folder in (("StartMenuShortcut", "ProgramMenuFolder"),
                                     ("DesktopShortcut", "DesktopFolder"))],
        "RemoveFile": [("INSTALLDIR", "Program", "", "INSTALLDIR", "2"),
                       ("UserProgramsFolder", "UserProgramsFolder", "", "UserProgramsFolder", "2")],
        "Upgrade": [(upgrade_code, "", args.version, "", "513", "", "WIX_UPGRADE_DETECTED"),
                    (upgrade_code, args.version, "", "", "2", "", "WIX_DOWNGRADE_DETECTED")],
        "LaunchCondition": [("NOT WIX_DOWNGRADE_DETECTED",
                             "Уже установлена более поздняя версия Nerolith.")],
        "Registry": [("RemoveNerolithKey", "1", "Software\\Nerolith", "-", "", "Program")],
    }
    for table, rows in expected_rows.items():
        present = [tuple(row) for row in msi_table(args.msi, table)]
        for row in rows:
            check(any(other[:len(row)] == row for other in present),
                  f"{table} has no row {row}; it has {present}")

    # Every registry value ours, under HKCU (root 1), each component's key path.
    components = {row[0]: row for row in msi_table(args.msi, "Component")}
    for row in msi_table(args.msi, "Registry"):
        check(row[1] == "1" and row[2] == "Software\\Nerolith", f"Registry row {row}")
    for name, row in components.items():
        keys = [r[0] for r in msi_table(args.msi, "Registry") if r[5] == name and r[3] != "-"]
        check(row[5] in keys and int(row[3]) & 4, f"component {name}'s key path is {row[5]}")
    check(components["DesktopShortcut"][4] == 'DESKTOP_SHORTCUT = "1" OR REMOVE = "ALL"',
          f"desktop shortcut condition {components['DesktopShortcut'][4]!r}")
    check(all(not row[4] for name, row in components.items() if name != "DesktopShortcut"),
          "a component other than the desktop shortcut has a condition")
    files = {row[2]: int(row[3]) for row in msi_table(args.msi, "File")}
    check(files == {"nerolith.exe": len(open(args.program, "rb").read()),
                    "Help.htm": len(open(args.help_file, "rb").read())}, f"files {files}")
    return properties["ProductCode"]


def sha256(path):
    return hashlib.sha256(open(path, "rb").read()).hexdigest().upper()


def check_manifests(args, product_code, upgrade_code):
    ident = "Nerolith.Nerolith"
    loaded = {}
    for kind, name in (("version", f"{ident}.yaml"), ("installer", f"{ident}.installer.yaml"),
                       ("defaultLocale", f"{ident}.locale.ru-RU.yaml")):
        with open(f"{args.winget}/{name}", encoding="utf-8") as file:
            manifest = yaml.safe_load(file)
        loaded[kind] = manifest
        for field, value in (("PackageIdentifier", ident), ("PackageVersion", args.version),
                             ("ManifestType", kind), ("ManifestVersion", "1.6.0")):
            check(manifest.get(field) == value, f"{name}: {field} is {manifest.get(field)!r}")
    check(loaded["version"].get("DefaultLocale") == "ru-RU", "no DefaultLocale ru-RU")
    locale = loaded["defaultLocale"]
    for field, value in (("PackageLocale", "ru-RU"), ("Publisher", PUBLISHER),
                         ("PackageName", "Nerolith")):
        check(locale.get(field) == value, f"locale: {field} is {locale.get(field)!r}")
    for field in ("License", "ShortDescription"):
        check(isinstance(locale.get(field), str) and len(locale[field]) >= 3, f"locale: {field}")

    installers = {entry.get("InstallerType"): entry for entry in loaded["installer"]["Installers"]}
    check(set(installers) == {"msi", "zip"}, f"installers {set(installers)}")
    for kind, path in (("msi", args.msi), ("zip", args.zip)):
        entry = installers.get(kind, {})
        check(entry.get("Architecture") == "x64", f"{kind}: Architecture")
        check(entry.get("InstallerSha256") == sha256(path), f"{kind}: hash is not {path}'s")
        url = entry.get("InstallerUrl", "")
        check(re.fullmatch(r"https?://\S+/" + re.escape(path.rsplit("/", 1)[-1]), url),
              f"{kind}: InstallerUrl {url!r}")
    msi = installers.get("msi", {})
    check(msi.get("Scope") == "user" and msi.get("ProductCode") == product_code,
          f"msi: Scope {msi.get('Scope')!r}, ProductCode {msi.get('ProductCode')!r}")
    entry = (msi.get("AppsAndFeaturesEntries") or [{}])[0]
    check(entry == {"DisplayName": "Nerolith", "Publisher": PUBLISHER,
                    "DisplayVersion": args.version, "ProductCode": product_code,
                    "UpgradeCode": upgrade_code}, f"msi: AppsAndFeaturesEntries {entry}")
    portable = installers.get("zip", {})
    check(portable.get("NestedInstallerType") == "portable"
          and portable.get("NestedInstallerFiles") == [
              {"RelativeFilePath": "nerolith.exe", "PortableCommandAlias": "nerolith"}],
          f"zip: nested installer {portable}")


def check_zip(args):
    with zipfile.ZipFile(args.zip) as archive:
        check(sorted(archive.namelist()) == ["Help.htm", "nerolith.exe"],
              f"ZIP holds {archive.namelist()}")
        for name, path in (("nerolith.exe", args.program), ("Help.htm", args.help_file)):
            check(archive.read(name) == open(path, "rb").read(),
                  f"ZIP's {name} is not the built one")


def check_version_resource(args):
    """The program's ProductVersion string is the package's version."""
    data = open(args.program, "rb").read()
    key = "ProductVersion\0".encode("utf-16-le")
    start = data.find(key) + len(key)
    while data[start:start + 2] == b"\0\0":  # the padding to a 32-bit boundary
        start += 2
    end = data.find(b"\0\0", start) + 1
    value = data[start:end].decode("utf-16-le") if start > len(key) else None
    check(value == args.version, f"the version resource's ProductVersion is {value!r}")


def main():
    parser = argparse.ArgumentParser()
    for option in ("msi", "zip", "winget", "program", "help-file", "version", "upgrade-code"):
        parser.add_argument(f"--{option}", required=True)
    args = parser.parse_args()
    upgrade_code = "{" + args.upgrade_code + "}"
    product_code = check_msi(args, upgrade_code)
    check_manifests(args, product_code, upgrade_code)
    check_zip(args)
    check_version_resource(args)
    for fault in faults:
        print("FAIL:", fault)
    print(f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
