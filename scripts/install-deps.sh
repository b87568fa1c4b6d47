#!/usr/bin/env bash
# Installs, on Debian as root, whatever building, running and testing Nerolith needs and is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format               # native build and style
    libboost1.81-dev                                 # big integers (1.81's gcd is the fast one)
    libgtest-dev googletest libbenchmark-dev         # tests (the sources build the Windows copy)
    clang libclang-rt-14-dev                         # libFuzzer and the sanitizers' runtime
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64  # the Windows build
    wine wine64 fonts-wine fonts-dejavu-core         # running it
    xvfb xauth x11-utils imagemagick                 # a display, and screenshots of it
    wixl msitools python3 python3-yaml               # the MSI, its tables, the package tests
    locales zip
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The window is tested under a Russian locale too.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
    sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
fi

# The file tests run as an ordinary user: Wine run as root ignores file rights.
if ! id nerolith >/dev/null 2>&1; then
    useradd --create-home --shell /usr/sbin/nologin nerolith
fi
