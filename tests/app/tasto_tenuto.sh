#!/usr/bin/env bash
# One press is one action on a busy X display: the program on its own Xvfb, every core in a busy
# loop and one client grabbing the whole screen over and over while the keys go down. Each case
# starts the program afresh in one input mode, once that load is gone; "grid" is its window's grid
# of results, printed to a PDF file.
#   menu_abbina  manual scanning: Enter held in the menu opens "abbina soggetto / predicato" and
#                selects nothing there; Enter held in the window selects once: one grid row.
#   spazio       automatic scanning: Space held in the window selects once: one grid row.
#   esci         manual scanning: Enter held on the menu's "Esci" leaves its question open and the
#                program running; one tap of Escape answers No and the menu is back.
#   pannello     arrows: Enter held on "numero coppie" leaves the panel open. Left then makes it 8
#                rows, Enter closes it and Enter judges a box: one grid row, of an 8-row exercise.
#   sovrapposti  manual scanning: Space down, Enter down, Space up, Enter up in the window make one
#                step and one judged answer: one grid row, and the frame over the boxes one row
#                below the frame over the subjects (on the same row before).
#   chiuso       mouse: after the panel's "Chiudi", Left x6 and Enter leave the 9-row exercise as it
#                was: a subject dropped on a box gives one grid row, of 9 rows.
#
# A busy server may drop a client as it connects (one that came while it reset after its last
# client left, hence -noreset). That is the server's failure: a program that could not connect
# is started again, an X client refused its connection (it sent nothing) is run again, a few
# times each. A setup click whose effect is missing is repeated only where a second one cannot
# act twice (on "Utilità" while its menu is closed); a key press the case counts never is.
# Enter that opens a window in a setup step is held until that window has the keys, so that it
# goes up there and not while the keys pass between windows. Every wait is bounded, so a
# program that hangs fails its own case.
# Usage: tasto_tenuto.sh PROGRAM
set -euo pipefail
shopt -s inherit_errexit
programma=$1 cartella=$(mktemp -d) titolo=$'Frasolino - 1\302\260' processi=() fallite=() pid='' casa='' carico=()
trap 'kill "${processi[@]}" 2>/dev/null; wait; rm -rf "$cartella"' EXIT

aspetta() { # aspetta CHECK...: CHECK true within $attesa (30) s
  local fine=$((SECONDS + ${attesa:-30}))
  until "$@"; do ((SECONDS < fine)) || { echo "Timed out: $*" >&2; return 1; }; sleep 0.1; done
}
chiedi() { # chiedi CLIENT...: an X client, again while the server refuses its connection
  local errore esito
  for _ in {1..10}; do
    if errore=$("$@" 2>&1 >&3); then esito=0; else esito=$?; fi
    ((esito != 0)) && [[ $errore == *"open display"* ]] || break
    echo "  The X server refused $1: asked again" >&2; sleep 0.5
  done 3>&1
  [[ -z $errore ]] || echo "$errore" >&2
  return "$esito"
}
fuoco() { chiedi xdotool getwindowfocus 2>/dev/null || true; }
titolo() { [[ "$(chiedi xdotool getwindowfocus getwindowname 2>/dev/null)" == $1 ]]; }
scatola() { [[ "$(fuoco)" != "$1" ]] && titolo "$titolo"; } # a message box, not window $1, has the keys
finestre() { (($(chiedi xdotool search --onlyvisible --pid "$pid" | wc -l) == $1)); }
tieni() { chiedi xdotool keydown "$1" sleep 2 keyup "$1"; }
vero() { "${@:2}" || { echo "  $1"; return 1; }; } # vero MESSAGE CHECK...: MESSAGE when CHECK fails
vivo() { kill -0 "$pid" 2>/dev/null; }
partito() { titolo "$titolo" || ! vivo; } # its start window, or its end
invio() { # invio CHECK...: Enter held until CHECK holds, so that it goes up where the keys have gone
  local esito=0
  chiedi xdotool keydown Return; aspetta "$@" || esito=$?
  chiedi xdotool keyup Return; return "$esito"
}

avvia() { # avvia MODE: the program on its menu, in a home of its own
  casa=$(mktemp -d -p "$cartella")
  mkdir -p "$casa/ImpostazioniProgrammiVelmora/frasolino"; mkdir -m 700 "$casa/run"
  # Sounds off, the system pointer, the mode, a scan step every 15 s, red.
  printf 'False\r\nTrue\r\n%s\r\n60\r\n255\r\n' "$1" >"$casa/ImpostazioniProgrammiVelmora/frasolino/frasolino-1.INI"
  for _ in {1..5}; do
    XDG_CONFIG_HOME=$casa XDG_RUNTIME_DIR=$casa/run HOME=$casa "$programma" 2>"$casa/errori" &
    pid=$!
    aspetta partito
    vivo || ! grep -q 'could not connect to display' "$casa/errori" && break
    echo "  The X server refused the program"; sleep 0.5
  done
  vero "The program ended as it started" vivo
  invio titolo '*Men*' # "Avvio"
}
# One client grabbing the whole screen over and over; the file $1 once it has grabbed.
cattura='
import ctypes, sys, time
x, v, u, i = ctypes.CDLL("libX11.so.6"), ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int
x.XOpenDisplay.restype = x.XGetImage.restype = v
x.XDefaultRootWindow.restype, x.XDefaultRootWindow.argtypes = u, [v]
x.XDisplayWidth.argtypes = x.XDisplayHeight.argtypes = [v, i]
x.XGetImage.argtypes, x.XDestroyImage.argtypes = [v, u, i, i, ctypes.c_uint, ctypes.c_uint, u, i], [v]
for _ in range(10):  # again while the server refuses the connection
    d = x.XOpenDisplay(None)
    if d: break
    time.sleep(0.5)
r, w, h = x.XDefaultRootWindow(d), x.XDisplayWidth(d, 0), x.XDisplayHeight(d, 0)
prendi = lambda: x.XDestroyImage(x.XGetImage(d, r, 0, 0, w, h, u(-1).value, 2))
prendi(); open(sys.argv[1], "w").close()
while True: prendi()'
carica() {
  for _ in $(seq "$(nproc)"); do timeout 60 bash -c 'while :; do :; done' & carico+=($!); done
  timeout 60 python3 -c "$cattura" "$casa/presa" & carico+=($!)
  aspetta test -e "$casa/presa"
}
# The load ended, each process gone (none has children), before anything else runs.
scarica() { sleep 1; kill "${carico[@]}" 2>/dev/null || true; wait "${carico[@]}" || true; carico=(); }
utilita() { # the "Utilità" menu open: clicked again only while it is not
  local finestra
  finestra=$(fuoco)
  for _ in 1 2 3; do
    chiedi xdotool mousemove --window "$finestra" 14 8 click 1
    attesa=10 aspetta finestre 2 2>/dev/null && return
  done
  echo "Timed out: the Utilità menu" >&2; return 1
}
righe() { # the grid's rows, "Utilità > esercizi eseguiti > stampa" to a PDF file
  local finestra
  finestra=$(fuoco); utilita
  chiedi xdotool key Down Down Right; aspetta finestre 3
  chiedi xdotool key Down Return
  # "Avvio la stampa?" Sì, "Sto stampando", the file's notice.
  for _ in 1 2 3; do aspetta scatola "$finestra"; finestra=$(fuoco); chiedi xdotool key Return; done
  pdftotext -layout "$casa"/Documents/*.pdf - | grep -E '^[0-9]+ ' || true
}
uno() { # uno ROWS [N]: one grid row, of an exercise of N rows (its second column)
  echo "${1:-none}" | sed 's/^/  grid: /'
  vero "Not one grid row" test "$(echo -n "$1" | grep -c .)" -eq 1
  [[ -z ${2-} ]] || vero "Not a row of a $2-row exercise" test "$(echo "$1" | awk '{print $2}')" = "$2"
}
cornici() { # the tops of the scan-coloured frames over the subjects and over the boxes, pixels
  chiedi xwd -id "$1" -silent | python3 -c '
import struct, sys
d = sys.stdin.buffer.read(); h = struct.unpack(">25I", d[:100])
w, a, riga, n, p = h[4], h[5], h[12], h[11] // 8, d[h[0] + 12 * h[19]:]
rosse = [(x, y) for y in range(a) for x in range(w) if p[y * riga + n * x:y * riga + n * x + 3] == b"\0\0\xff"]
print(min(y for x, y in rosse if x < w // 3), min(y for x, y in rosse if x > w // 2))'
}

menu_abbina() {
  avvia 1; carica
  chiedi xdotool key space; tieni Return # one step to "abbina", then Enter held opens it
  aspetta titolo '*abbina*'; tieni Return; scarica
  uno "$(righe)"
}
spazio() {
  avvia 2; chiedi xdotool mousemove --window "$(fuoco)" 40 95 click 1
  aspetta titolo '*abbina*'; carica; tieni space; scarica
  uno "$(righe)"
}
esci() {
  local menu passi=()
  avvia 1; menu=$(fuoco)
  for _ in {1..22}; do passi+=(space); done
  chiedi xdotool key --delay 20 "${passi[@]}" # to "Esci", the last of 23 entries
  carica; tieni Return; scarica
  vero "The program quit" vivo
  vero "No question open" scatola "$menu"
  chiedi xdotool key Escape; aspetta finestre 1 # No: the menu alone
  vero "The program quit on No" vivo
}
pannello() {
  avvia 3; chiedi xdotool key Down; invio titolo '*abbina*'
  utilita; chiedi xdotool key Down # "numero coppie"
  carica; tieni Return; scarica
  chiedi xdotool key Left Return Return
  uno "$(righe)" 8
}
sovrapposti() {
  local finestra su giu
  avvia 1; chiedi xdotool key space; invio titolo '*abbina*'; finestra=$(fuoco)
  carica; chiedi xdotool keydown space sleep 0.1 keydown Return sleep 0.1 keyup space sleep 0.1 keyup Return; scarica
  read -r su giu < <(cornici "$finestra")
  echo "  frames: subjects at $su, boxes at $giu"
  uno "$(righe)"
  vero "The box frame is not one row (48 pixels) below the subject frame" test $((giu - su)) -gt 24 -a $((giu - su)) -lt 72
}
chiuso() {
  local finestra larghezza
  avvia 0; chiedi xdotool mousemove --window "$(fuoco)" 40 95 click 1; aspetta titolo '*abbina*'; finestra=$(fuoco)
  utilita; chiedi xdotool key Down; invio finestre 1
  larghezza=$(chiedi xdotool getwindowgeometry --shell "$finestra" | sed -n 's/^WIDTH=//p')
  chiedi xdotool mousemove --window "$finestra" $((larghezza / 2)) 240 click 1 # "Chiudi"
  carica; chiedi xdotool key Left Left Left Left Left Left Return; scarica
  # The subject on the first row dropped on the first box.
  chiedi xdotool mousemove --window "$finestra" 130 55 mousedown 1
  for x in 140 160 200 260 320 380 420; do chiedi xdotool mousemove --window "$finestra" $x 55; sleep 0.05; done
  chiedi xdotool mouseup 1
  uno "$(righe)" 9
}
prova() { # prova CASE: CASE in a subshell that ends its program; a failure lets the next case run
  local esito
  echo "$1:"
  set +e; (set -e; trap 'kill "$pid" "${carico[@]}" 2>/dev/null; wait; cat "$casa/errori" >&2 2>/dev/null' EXIT; "$1")
  esito=$?; set -e
  if ((esito == 0)); then echo "  ok"; else echo "  FAILED"; fallite+=("$1"); fi
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$cartella/schermo" 2>/dev/null &
processi+=($!)
aspetta test -s "$cartella/schermo"
export DISPLAY=:$(cat "$cartella/schermo")
unset QT_QPA_PLATFORM
for caso in menu_abbina spazio esci pannello sovrapposti chiuso; do prova "$caso"; done
((${#fallite[@]} == 0))
