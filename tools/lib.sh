# Shared helpers of the run and test commands. Sourced, not executed.

QEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QEL_BUILD=${QEL_BUILD:-$QEL_ROOT/build}

# Fonts with the glyphs of the catalogues' scripts (Chinese, Japanese, Thai,
# Arabic, Persian, Hebrew, Georgian, Armenian), which Wine finds through
# fontconfig; the gallery and the tests that draw pages need them.
QEL_FONT_PACKAGES=(fonts-wqy-microhei fonts-noto-core fonts-thai-tlwg)
QEL_PACKAGES=(
  cmake ninja-build
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64 mingw-w64-tools
  wine wine64 xvfb x11-apps imagemagick xdotool
  libboost-dev googletest openssl osslsigncode wixl python3 curl locales git
  clang clang-format libclang-rt-14-dev
  "${QEL_FONT_PACKAGES[@]}"
)

# The message goes to standard error and, when that is somewhere else (a CI log
# that keeps only standard output), to standard output as well.
qel_die() {
  echo "error: $*" >&2
  [ /dev/stdout -ef /dev/stderr ] || echo "error: $*"
  exit 1
}

# Installs whatever of QEL_PACKAGES is missing; does nothing when all are there.
qel_ensure_packages() {
  local missing=() p
  for p in "${QEL_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || qel_die "packages missing (${missing[*]}) and no root rights to install them"
    sudo=(sudo)
  fi
  command -v apt-get >/dev/null || qel_die "apt-get not found: this needs a Debian machine (missing: ${missing[*]})"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
    qel_die "apt-get update failed"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null ||
    qel_die "apt-get install failed for: ${missing[*]}"
}

qel_wine64() {
  local w
  w=$(dpkg -L wine64 2>/dev/null | grep '/wine64$' | head -n 1)
  [ -x "$w" ] || qel_die "the wine64 loader was not found (package wine64)"
  echo "$w"
}

# qel_build <arch> <tests ON|OFF> [target...]: configures and builds one tree under build/.
qel_build() {
  local arch=$1 tests=$2
  shift 2
  qel_build_in "$QEL_BUILD/$arch" "$arch" "$tests" "$@"
}

# qel_build_in <folder> <arch> <tests ON|OFF> [target...]: the same in any folder.
qel_build_in() {
  local dir=$1 arch=$2 tests=$3 targets=()
  shift 3
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake -S "$QEL_ROOT" -B "$dir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QEL_ROOT/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQEL_BUILD_TESTS="$tests" >/dev/null ||
    qel_die "configuring the $arch build in $dir failed"
  cmake --build "$dir" -j "$(nproc)" "${targets[@]}" || qel_die "the $arch build in $dir failed"
}

# Creates the private Wine prefix once, with a virtual desktop so windows get a
# frame and are destroyed quickly. Wine's first boot now and then fails on a busy
# machine; each step is checked, what Wine said is shown, and a failed boot is
# tried again from scratch.
qel_prepare_prefix() {
  export WINEPREFIX=${WINEPREFIX:-$QEL_BUILD/wineprefix} WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.qel-ready" ] && return 0
  local wine64 log attempt
  wine64=$(qel_wine64)
  mkdir -p "$QEL_BUILD"
  log=$QEL_BUILD/wineprefix-setup.log
  for attempt in 1 2 3; do
    echo "creating the Wine prefix $WINEPREFIX (attempt $attempt)"
    qel_wineserver -k >/dev/null 2>&1 || true
    # A half-made prefix of our own is started again from nothing; a prefix the
    # caller named elsewhere is never removed.
    if [ "$attempt" -gt 1 ]; then
      case "$WINEPREFIX/" in "$QEL_BUILD"/*) rm -rf "$WINEPREFIX" ;; esac
    fi
    mkdir -p "$WINEPREFIX"
    if qel_boot_prefix "$wine64" >"$log" 2>&1 </dev/null; then
      touch "$WINEPREFIX/.qel-ready"
      return 0
    fi
    echo "creating the Wine prefix failed; the end of what Wine said ($log):"
    tail -n 25 "$log" | sed 's/^/  /'
  done
  qel_die "could not create the Wine prefix $WINEPREFIX after 3 attempts (see $log)"
}

# One attempt at the prefix: every step must succeed.
qel_boot_prefix() {
  local wine64=$1
  "$wine64" wineboot -i || { echo "wineboot -i exited with $?"; return 1; }
  "$wine64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f ||
    { echo "setting the virtual desktop failed"; return 1; }
  "$wine64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f ||
    { echo "setting the virtual desktop's size failed"; return 1; }
  qel_wineserver -w || { echo "waiting for the wineserver failed"; return 1; }
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot left no system.reg"; return 1; }
}

# Uses the caller's display, or starts Xvfb when there is none (or QEL_HEADLESS=1).
# A display number another server holds (even one with no socket file, such as
# a server in another container) makes Xvfb exit at once: the next one is tried.
qel_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${QEL_HEADLESS:-0}" != 1 ]; then return 0; fi
  local n i log
  mkdir -p "$QEL_BUILD"
  log=$QEL_BUILD/xvfb.log
  for n in $(seq 91 120); do
    [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
    QEL_XVFB_PID=$!
    for i in $(seq 1 150); do
      if [ -e /tmp/.X11-unix/X$n ]; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$QEL_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$QEL_XVFB_PID" 2>/dev/null || true
    wait "$QEL_XVFB_PID" 2>/dev/null || true
    echo "Xvfb did not start on :$n; it said:"
    tail -n 5 "$log" | sed 's/^/  /'
  done
  QEL_XVFB_PID=
  qel_die "Xvfb did not start on any display from :91 to :120 (see $log)"
}

qel_stop_display() {
  [ -n "${QEL_XVFB_PID:-}" ] && kill "$QEL_XVFB_PID" 2>/dev/null
  QEL_XVFB_PID=
}

qel_wineserver() { "$(dirname "$(qel_wine64)")/wineserver" "$@"; }

# qel_trust_test_ca <ca.der>: trusts the build's test CA inside the Wine prefix
# $WINEPREFIX only (its HKLM Root store), never on the machine itself. Does
# nothing when the prefix already trusts that certificate.
qel_trust_test_ca() {
  local der=$1 thumbprint length blob
  [ -f "$der" ] || qel_die "test CA not found: $der (build the target qel_test_pki)"
  export WINEPREFIX=${WINEPREFIX:-$QEL_BUILD/wineprefix} WINEDEBUG=${WINEDEBUG:--all}
  [ -f "$WINEPREFIX/system.reg" ] || qel_die "no Wine prefix in $WINEPREFIX (tools/test makes it, or source tools/lib.sh and run qel_prepare_prefix)"
  thumbprint=$(sha1sum "$der" | cut -c1-40 | tr a-f A-F)
  local key="Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\$thumbprint"
  "$(qel_wine64)" reg query "HKLM\\$key" /v Blob >/dev/null 2>&1 </dev/null && return 0
  length=$(stat -c %s "$der")
  # The store's blob: property 0x20 (the encoded certificate), 1, length, DER bytes.
  blob="2000000001000000$(printf '%08x' "$length" | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/')"
  blob+=$(od -An -v -tx1 "$der" | tr -d ' \n')
  "$(qel_wine64)" reg add "HKLM\\$key" /v Blob /t REG_BINARY /d "$blob" /f >/dev/null 2>&1 </dev/null ||
    qel_die "could not add the test CA to the Wine prefix $WINEPREFIX"
  echo "the Wine prefix $WINEPREFIX now trusts the test CA $thumbprint"
}

# qel_wine_path <absolute Linux path>: the same place as Windows programs under
# Wine name it (drive Z: is the Linux root).
qel_wine_path() { printf 'Z:%s' "${1//\//\\}"; }
