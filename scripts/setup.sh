#!/usr/bin/env bash
# Installs what the build and the tests need, from Debian's packages only.
# Idempotent: packages already present are left alone, the QCustomPlot source
# is fetched once into the build tree.
set -euo pipefail

HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
THIRD="${THIRD_PARTY_DIR:-$HERE/build/third_party}"

PACKAGES=(
  build-essential cmake pkg-config ninja-build dpkg-dev ccache
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6openglwidgets6
  qt6-connectivity-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n qt6-qpa-plugins libgl-dev libegl-dev libglu1-mesa-dev
  libgl1-mesa-dri libglx-mesa0
  nlohmann-json3-dev libzip-dev zlib1g-dev unzip zip python3 openssl
  xvfb xauth x11-utils imagemagick fonts-noto-color-emoji fonts-dejavu-core
  fonts-noto-cjk
  xdg-utils libfile-mimeinfo-perl libglib2.0-bin shared-mime-info
  clang libclang-rt-dev
  dbus-daemon
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  case "$p" in *-) continue ;; esac
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

updated=0
apt_update() {
  if [ "$updated" -eq 0 ]; then
    $SUDO apt-get update -qq
    updated=1
  fi
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# QCustomPlot: Debian's binary package is built without OpenGL, so the build
# compiles its source with QCUSTOMPLOT_USE_OPENGL. The source comes from
# Debian's source package; it stays in the build tree and is never committed.
if [ ! -f "$THIRD/qcustomplot/qcustomplot.cpp" ]; then
  # deb-src entries derived from the machine's own Debian sources.
  SRC_LIST=/etc/apt/sources.list.d/project-deb-src.sources
  if ! grep -rqs "^Types:.*deb-src" /etc/apt/sources.list.d/ && ! grep -qs "^deb-src" /etc/apt/sources.list; then
    tmp="$(mktemp)"
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      grep -q "debian" "$f" || continue
      sed -e 's/^Types: *deb$/Types: deb-src/' "$f" >>"$tmp"
      echo >>"$tmp"
    done
    if [ -f /etc/apt/sources.list ]; then
      grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >"${tmp}.list" || true
      if [ -s "${tmp}.list" ]; then $SUDO cp "${tmp}.list" /etc/apt/sources.list.d/project-deb-src.list; fi
    fi
    if [ -s "$tmp" ]; then $SUDO cp "$tmp" "$SRC_LIST"; fi
    rm -f "$tmp" "${tmp}.list"
    updated=0
  fi
  apt_update
  work="$(mktemp -d)"
  (cd "$work" && apt-get source -qq --download-only qcustomplot >/dev/null && dpkg-source -x --no-check ./*.dsc src >/dev/null)
  mkdir -p "$THIRD/qcustomplot"
  cpp="$(find "$work/src" -name qcustomplot.cpp | head -n1)"
  hdr="$(find "$work/src" -name qcustomplot.h | head -n1)"
  cp "$cpp" "$hdr" "$THIRD/qcustomplot/"
  rm -rf "$work"
  echo "setup: QCustomPlot source in $THIRD/qcustomplot"
fi
