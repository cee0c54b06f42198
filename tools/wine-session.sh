# Sourced by test.sh and gallery.sh: an X display (Xvfb when there is none),
# a prepared Wine prefix and a persistent wineserver for the session.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

rezore32_session_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${REZORE32_XVFB_PID:-}" ] && kill "$REZORE32_XVFB_PID" >/dev/null 2>&1 || true
}

rezore32_start_session() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=97
    while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    REZORE32_XVFB_PID=$!
    export DISPLAY=:$n
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
  trap rezore32_session_cleanup EXIT
  mkdir -p "$(dirname "$WINEPREFIX")"
  local stamp=$WINEPREFIX/.rezore32-prefix-v1
  if [ ! -e "$stamp" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -p 5 >/dev/null 2>&1 || true  # 2: already running
    # No window manager: do not wait for one when captioned windows close.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    # Japanese UI font.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null
    # Programs that run as if on Windows 95 (GetVersionExA platform 1).
    for exe in rezore32_tests_win95.exe rezore32_gallery_win95.exe; do
      wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe" /v Version /d win95 /f >/dev/null
    done
    wineserver -w
    touch "$stamp"
  fi
  # The server and Wine's own services outlive every test program; started
  # here with their output closed, they never hold a caller's pipe open.
  wineserver -p >/dev/null 2>&1 || true  # 2: already running
  wine cmd /c ver >/dev/null 2>&1 </dev/null || true
}
