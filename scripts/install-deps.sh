#!/usr/bin/env bash
# Installs what building and testing Sparvane needs on Debian 12. On a machine that is
# already set up it only asks dpkg and returns, so the other scripts can call it every time.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang                                   # fuzz preset
  clang-format clang-tidy                 # the formatting check (test command), scripts/tidy.sh
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 fonts-wine                  # Wine 8.0 from Debian 12 main is the tested one
  xvfb xdotool imagemagick x11-utils xauth procps
  python3 bc                              # the traffic scenario's load, the sweep benchmark
  wixl                                    # the installer (scripts/package.sh, package scenario)
  iproute2                                # the traffic scenario's network namespaces and veth pair
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
