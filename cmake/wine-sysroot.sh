#!/usr/bin/env bash
# Makes a sysroot with Debian's Wine for another processor, to run Windows
# programs for it under qemu-user: the packages are fetched with a private
# apt configuration (the system's dpkg architectures and status are left as
# they are) and unpacked, not installed. Wine's loader and server are then
# wrapped so that each of their starts, Wine's own included, goes through
# qemu. The packages of a sysroot already unpacked are kept; the wrappers
# are written anew.
#   cmake/wine-sysroot.sh arm64|armhf DIR      (DIR/sysroot; DIR/run-wine runs a program)
set -euo pipefail
arch=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
case $arch in
  arm64) qemu=qemu-aarch64; wine=wine64; server=wineserver64; packages=(wine64 libwine wine64-preloader) ;;
  armhf) qemu=qemu-arm; wine=wine; server=wineserver32; packages=(wine32 libwine wine32-preloader) ;;
  *) echo "wine-sysroot.sh: no Wine for $arch" >&2; exit 2 ;;
esac
sysroot=$dir/sysroot
command -v "$qemu" >/dev/null || { echo "wine-sysroot.sh: $qemu is not installed (qemu-user)" >&2; exit 1; }

if [[ ! -f $sysroot/.unpacked ]]; then
  # apt for that architecture alone, with its own lists, cache and an empty
  # status, from the system's own sources.
  apt=$dir/apt
  rm -rf "$apt" "$sysroot"
  mkdir -p "$apt"/{lists/partial,cache/archives/partial,sources.list.d} "$sysroot"
  : >"$apt/status"
  cp /etc/apt/sources.list.d/*.sources "$apt/sources.list.d/" 2>/dev/null || true
  [[ -f /etc/apt/sources.list ]] && cp /etc/apt/sources.list "$apt/sources.list" || : >"$apt/sources.list"
  cat >"$apt/apt.conf" <<CONF
APT::Architecture "$arch";
APT::Architectures { "$arch"; };
Dir::State "$apt";
Dir::State::lists "$apt/lists";
Dir::State::status "$apt/status";
Dir::Cache "$apt/cache";
Dir::Etc::SourceList "$apt/sources.list";
Dir::Etc::SourceParts "$apt/sources.list.d";
Dir::Etc::Preferences "/dev/null";
Dir::Etc::PreferencesParts "/dev/null";
APT::Install-Recommends "false";
CONF
  export APT_CONFIG=$apt/apt.conf
  apt-get update -q >"$apt/update.log" 2>&1 || { tail -5 "$apt/update.log" >&2; exit 1; }
  apt-get install -q -y --download-only "${packages[@]}" >"$apt/install.log" 2>&1 ||
    { tail -5 "$apt/install.log" >&2; exit 1; }
  for deb in "$apt"/cache/archives/*.deb; do dpkg-deb -x "$deb" "$sysroot"; done
  touch "$sysroot/.unpacked"
  echo "wine-sysroot.sh: $(ls "$apt"/cache/archives/*.deb | wc -l) packages for $arch in $sysroot"
fi

# Wine starts its loader and server by their paths: scripts there run the
# real programs through qemu, which finds their libraries in the sysroot.
for program in "$sysroot/usr/lib/wine/$wine" "$sysroot/usr/lib/wine/$server"; do
  [[ -f $program.$arch ]] || mv "$program" "$program.$arch"
  [[ -f $program.$arch ]] || { echo "wine-sysroot.sh: no $program in the packages" >&2; exit 1; }
  # (argv[0] stays the script's name: Wine starts new processes by it.)
  printf '#!/bin/sh\nexec %s -L %s -0 %s %s "$@"\n' "$qemu" "$sysroot" "$program" "$program.$arch" >"$program"
  chmod +x "$program"
done
# The loader starts the server by the name beside it, which Debian's script
# would send to the system's own server.
printf '#!/bin/sh\nexec %s "$@"\n' "$sysroot/usr/lib/wine/$server" >"$sysroot/usr/lib/wine/wineserver"
cat >"$dir/run-wine" <<RUN
#!/bin/sh
# Runs a Windows program for $arch under Wine through qemu: run-wine PROGRAM [ARGS...]
export WINELOADERNOEXEC=1
# Its own prefix: one made by another processor's Wine does not serve.
export WINEPREFIX="\${AICONV_WINEPREFIX:-$dir/prefix}" WINEDEBUG="\${WINEDEBUG:--all}"
exec "$sysroot/usr/lib/wine/$wine" "\$@"
RUN
chmod +x "$dir/run-wine"
