#!/usr/bin/env python3
"""The MSI under Wine, in a fresh prefix, as the ordinary user "nerolith" (Wine run as root
ignores file rights; scripts/install-deps.sh makes the user): a silent install, its files, its
Start menu shortcut and its entry in "Apps"; the program started from the shortcut shows its
window; a later build with the desktop shortcut replaces it (one entry, the new version);
installing it again repairs a deleted file; the silent removal by the entry's own uninstall
command leaves no file, folder, shortcut or registry value of ours, and removes nothing else. Needs an
X display."""
import argparse
import os
import pwd
import re
import shutil
import struct
import subprocess
import sys
import time
import zlib

USER = "nerolith"
PUBLISHER = "Команда Nerolith"
UNINSTALL = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"
faults = []


def check(ok, what):
    if not ok:
        faults.append(what)
        print("FAIL:", what, flush=True)
    return ok


def rerun_as_user(args):
    """Copies the inputs into a folder of the user's home named after --work and runs there."""
    home = pwd.getpwnam(USER).pw_dir
    work = os.path.join(home, f"installer-{zlib.crc32(os.path.realpath(args.work).encode())}")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    command = ["python3", shutil.copy(__file__, work), "--work", work]
    for option in ("msi", "later_msi", "program", "help_file", "icon"):
        command += [f"--{option.replace('_', '-')}", shutil.copy(getattr(args, option), work)]
    command += ["--version", args.version, "--later-version", args.later_version]
    authority = os.path.join(work, "xauthority")
    subprocess.run(["xauth", "extract", authority, os.environ.get("DISPLAY", "")], check=False)
    subprocess.run(["chown", "-R", f"{USER}:", work], check=True)
    return subprocess.call(["runuser", "-u", USER, "--", "env", f"XAUTHORITY={authority}",
                            "PATH=/usr/local/bin:/usr/bin:/bin", *command])


class Prefix:
    def __init__(self, path, home):
        self.path = path
        self.home = home
        # Wine links the profile's Desktop and Documents to the home folder: one of the test's own.
        self.env = dict(os.environ, WINEPREFIX=path, HOME=home, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        user = pwd.getpwuid(os.getuid()).pw_name
        self.profile = f"C:\\users\\{user}"
        self.install_dir = f"{self.profile}\\AppData\\Local\\Programs\\Nerolith"
        self.start_menu_link = (f"{self.profile}\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"
                                "\\Programs\\Nerolith.lnk")
        self.desktop_link = f"{self.profile}\\Desktop\\Nerolith.lnk"

    def wine(self, *command):
        # No pipes: a program it starts would hold them open.
        return subprocess.run(["wine", *command], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=180).returncode

    def wait(self):
        subprocess.run(["wineserver", "-w"], env=self.env, check=False)

    def unix(self, windows_path):
        return os.path.join(self.path, "drive_c", windows_path[3:].replace("\\", "/"))

    def msiexec(self, *arguments):
        started = time.monotonic()
        result = self.wine("msiexec", *arguments, "/qn")
        print(f"msiexec {' '.join(arguments)}: {result} in {time.monotonic() - started:.1f} s",
              flush=True)
        return result

    def registry(self, key):
        """The exported key's subkeys: {name: {value name: value}}."""
        exported = os.path.join(self.path, "export.reg")
        if self.wine("reg", "export", key, windows(exported), "/y") != 0:
            return {}
        text = open(exported, encoding="utf-16").read().replace("\\\n  ", "")
        keys, values = {}, None
        for line in text.splitlines():
            if line.startswith("["):
                values = keys.setdefault(line[1:-1], {})
            elif (entry := re.match(r'"((?:[^"\\]|\\.)*)"=(.*)', line)) and values is not None:
                values[unescape(entry.group(1))] = reg_value(entry.group(2))
        return keys

    def entries(self):
        """Our entries in "Apps": Wine keeps them under HKLM even for a per-user install."""
        found = {}
        for hive in ("HKLM", "HKCU"):
            for key, values in self.registry(f"{hive}\\{UNINSTALL}").items():
                if values.get("DisplayName") == "Nerolith":
                    found[key] = values
        return found

    def state(self):
        """The registry's lines and the files, to compare before and after."""
        self.wait()
        lines = set()
        for hive in ("system.reg", "user.reg"):
            for line in open(os.path.join(self.path, hive), encoding="latin-1"):
                if not line.startswith("#time"):
                    lines.add(re.sub(r"^(\[.*\]) \d+$", r"\1", line.rstrip("\n")))
        files = set()
        for top in (os.path.join(self.path, "drive_c"), self.home):
            for root, folders, names in os.walk(top):
                files.update(os.path.relpath(os.path.join(root, name), self.path)
                             for name in folders + names)
        return lines, files


def windows(path):
    return "Z:" + path.replace("/", "\\")


def unescape(text):
    return re.sub(r"\\(.)", r"\1", text)


def reg_value(text):
    if text.startswith('"'):
        return unescape(text[1:-1])
    if text.startswith("hex(2):"):
        return bytes.fromhex(text[7:].replace(",", "")).decode("utf-16-le").rstrip("\0")
    if text.startswith("dword:"):
        return int(text[6:], 16)
    return text


def packed(guid):
    """A GUID as the installer's registry keys write it."""
    digits = guid.strip("{}").replace("-", "")
    swapped = "".join(digits[i + 1] + digits[i] for i in range(16, 32, 2))
    return digits[7::-1] + digits[11:7:-1] + digits[15:11:-1] + swapped


def read_link(path):
    """A shell link's target, working folder and icon file."""
    data = open(path, "rb").read()
    flags = struct.unpack_from("<I", data, 0x14)[0]
    position = 0x4C
    if flags & 0x1:  # the target's item list
        position += 2 + struct.unpack_from("<H", data, position)[0]
    target = None
    if flags & 0x2:  # the link info, with the target's local path
        size, header_size = struct.unpack_from("<II", data, position)
        if header_size >= 0x24:
            start = position + struct.unpack_from("<I", data, position + 28)[0]
            target = data[start:].decode("utf-16-le", "replace").split("\0")[0]
        else:
            start = position + struct.unpack_from("<I", data, position + 16)[0]
            target = data[start:data.index(b"\0", start)].decode("latin-1")
        position += size
    unicode = flags & 0x80
    strings = {}
    for bit, name in ((0x4, "description"), (0x8, "relative path"), (0x10, "working folder"),
                      (0x20, "arguments"), (0x40, "icon")):
        if flags & bit:
            count = struct.unpack_from("<H", data, position)[0] * (2 if unicode else 1)
            raw = data[position + 2:position + 2 + count]
            strings[name] = (raw.decode("utf-16-le") if unicode else raw.decode("latin-1"))
            strings[name] = strings[name].rstrip("\0")
            position += 2 + count
    return target, strings.get("working folder", "").rstrip("\\"), strings.get("icon")


def same_file(path, expected):
    return os.path.isfile(path) and open(path, "rb").read() == open(expected, "rb").read()


def check_link(prefix, link, args):
    path = prefix.unix(link)
    if not check(os.path.isfile(path), f"no shortcut {link}"):
        return
    target, folder, icon = read_link(path)
    check((target or "").lower() == f"{prefix.install_dir}\\nerolith.exe".lower(),
          f"{link} starts {target}")
    check(folder.lower() == prefix.install_dir.lower(), f"{link} works in {folder}")
    check(icon and same_file(prefix.unix(icon), args.icon), f"{link}'s icon {icon} is not ours")


def check_installed(prefix, args, version):
    folder = prefix.unix(prefix.install_dir)
    names = sorted(os.listdir(folder)) if os.path.isdir(folder) else None
    check(names == ["Help.htm", "nerolith.exe"], f"the install folder holds {names}")
    check(same_file(os.path.join(folder, "nerolith.exe"), args.program), "nerolith.exe differs")
    check(same_file(os.path.join(folder, "Help.htm"), args.help_file), "Help.htm differs")
    check_link(prefix, prefix.start_menu_link, args)
    entries = prefix.entries()
    check(len(entries) == 1, f"{len(entries)} entries in Apps: {list(entries)}")
    for key, values in entries.items():
        check(values.get("DisplayVersion") == version,
              f"{key}: version {values.get('DisplayVersion')}")
        check(values.get("Publisher") == PUBLISHER, f"{key}: publisher {values.get('Publisher')!r}")
    codes = [key.rsplit("\\", 1)[1] for key in entries]
    # Wine writes no DisplayIcon; the entry's icon is the product's ProductIcon.
    products = prefix.registry("HKCU\\Software\\Microsoft\\Installer\\Products")
    for code in codes:
        icon = products.get(f"HKEY_CURRENT_USER\\Software\\Microsoft\\Installer\\Products\\"
                            f"{packed(code)}", {}).get("ProductIcon", "")
        check(icon and same_file(prefix.unix(icon), args.icon), f"{code}'s icon {icon!r}")
    return entries


def windows_named(title, program):
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    return f'"{title}": ("{program}"' in tree


def check_window(prefix):
    """Starts the program from its Start menu shortcut and waits for its window."""
    if prefix.wine("start", prefix.start_menu_link) != 0:
        return check(False, "start could not open the Start menu shortcut")
    deadline = time.monotonic() + 60
    while not windows_named("Nerolith", "nerolith.exe") and time.monotonic() < deadline:
        time.sleep(0.5)
    check(windows_named("Nerolith", "nerolith.exe"), "no window \"Nerolith\" of nerolith.exe")
    prefix.wine("taskkill", "/im", "nerolith.exe")
    deadline = time.monotonic() + 30
    while windows_named("Nerolith", "nerolith.exe") and time.monotonic() < deadline:
        time.sleep(0.5)
    check(not windows_named("Nerolith", "nerolith.exe"), "the window stayed after WM_CLOSE")


def check_nothing_left(prefix, before, codes, upgrade_code):
    lines, files = prefix.state()
    marks = ["nerolith", *(code.strip("{}").lower() for code in codes),
             *(packed(code).lower() for code in [*codes, upgrade_code])]
    profile = prefix.profile.split("\\")[-1]
    for line in sorted(lines - before[0]):
        text = line.lower().replace(f"users\\\\{profile}", "")
        check(not any(mark in text for mark in marks), f"left in the registry: {line}")
    for path in sorted(files - before[1]):
        text = path.lower().replace(f"users/{profile}", "")
        check(not any(mark in text for mark in marks) and not text.endswith(".msi"),
              f"left on disk: {path}")
    removed = sorted(before[1] - files)
    check(not removed, f"removed, though not ours: {removed}")


def run(args):
    prefix = Prefix(os.path.join(args.work, "wineprefix"), os.path.join(args.work, "home"))
    for folder in (prefix.path, prefix.home):
        shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(prefix.home)
    # The user's own file on the desktop: Wine removes a component's folder left empty.
    open(os.path.join(prefix.home, "notes.txt"), "w").close()
    started = time.monotonic()
    subprocess.run(["wineboot", "-i"], env=prefix.env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=180, check=False)
    before = prefix.state()
    print(f"a fresh prefix in {time.monotonic() - started:.1f} s", flush=True)
    upgrade_code = subprocess.run(["msiinfo", "export", args.msi, "Property"], check=True,
                                  capture_output=True, text=True).stdout
    upgrade_code = re.search(r"\nUpgradeCode\t(\S+)", upgrade_code).group(1)

    check(prefix.msiexec("/i", windows(args.msi)) == 0, "the install failed")
    codes = list(check_installed(prefix, args, args.version))
    check(not os.path.exists(prefix.unix(prefix.desktop_link)), "a desktop shortcut unasked")
    check_window(prefix)

    check(prefix.msiexec("/i", windows(args.later_msi), "DESKTOP_SHORTCUT=1") == 0,
          "the later version's install failed")
    entries = check_installed(prefix, args, args.later_version)
    check_link(prefix, prefix.desktop_link, args)
    check(not set(codes) & {key.rsplit("\\", 1)[1] for key in entries},
          "the later build kept the earlier product code")
    codes += [key.rsplit("\\", 1)[1] for key in entries]

    os.remove(prefix.unix(f"{prefix.install_dir}\\Help.htm"))
    check(prefix.msiexec("/i", windows(args.later_msi)) == 0, "the repair failed")
    check_installed(prefix, args, args.later_version)

    for values in entries.values():
        command = values.get("UninstallString", "")
        removal = re.fullmatch(r"MsiExec\.exe /X(\{[0-9A-F-]+\})", command, re.I)
        if check(removal, f"uninstall command {command!r}"):
            check(prefix.msiexec("/x", removal.group(1)) == 0, "the removal failed")
    check(not prefix.entries(), "an entry in Apps after the removal")
    check_nothing_left(prefix, before, codes, upgrade_code)
    prefix.wait()
    print(f"{len(faults)} faults in {time.monotonic() - started:.1f} s")
    return 1 if faults else 0


def main():
    parser = argparse.ArgumentParser()
    for option in ("work", "msi", "later-msi", "program", "help-file", "icon", "version",
                   "later-version"):
        parser.add_argument(f"--{option}", required=True)
    args = parser.parse_args()
    if os.getuid() == 0:
        return rerun_as_user(args)
    os.makedirs(args.work, exist_ok=True)
    return run(args)


if __name__ == "__main__":
    sys.exit(main())
