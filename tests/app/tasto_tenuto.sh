#!/usr/bin/env bash
# A held key is one select on a busy X display: the program on its own Xvfb, every core in a busy
# loop, the screen grabbed over and over. Manual scanning: Enter held in the menu opens "abbina
# soggetto / predicato" and selects nothing there, Enter held in the window selects once. Automatic
# scanning: Space held in the window selects once. The grid, printed to a PDF file, has one row.
# Usage: tasto_tenuto.sh PROGRAM
set -euo pipefail
programma=$1 cartella=$(mktemp -d) titolo=$'Frasolino - 1\302\260' processi=() carico=()
trap 'kill "${carico[@]}" "${processi[@]}" 2>/dev/null; wait; rm -rf "$cartella"' EXIT

aspetta() { for _ in {1..300}; do "$@" && return; sleep 0.1; done; echo "Timed out: $*" >&2; return 1; }
fuoco() { xdotool getwindowfocus 2>/dev/null || true; }
titolo() { [[ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" == $1 ]]; }
scatola() { [[ "$(fuoco)" != "$1" ]] && titolo "$titolo"; } # a message box, not window $1, has the keys
finestre() { (($(xdotool search --onlyvisible --pid "$1" | wc -l) >= $2)); }
tieni() { xdotool keydown "$1"; sleep 2; xdotool keyup "$1"; }

prova() { # prova MODE KEY
  local casa=$cartella/$1 pid finestra righe
  mkdir -p "$casa/ImpostazioniProgrammiVelmora/frasolino"; mkdir -m 700 "$casa/run"
  # Sounds off, the system pointer, the mode, a scan step every 15 s, red.
  printf 'False\r\nTrue\r\n%s\r\n60\r\n255\r\n' "$1" >"$casa/ImpostazioniProgrammiVelmora/frasolino/frasolino-1.INI"
  XDG_CONFIG_HOME=$casa XDG_RUNTIME_DIR=$casa/run HOME=$casa "$programma" &
  pid=$!; processi+=("$pid")
  aspetta titolo "$titolo"; xdotool key Return # "Avvio"
  aspetta titolo '*Men*'
  for _ in $(seq "$(nproc)"); do timeout 60 bash -c 'while :; do :; done' & carico+=($!); done
  timeout 60 bash -c 'while :; do xwd -root -silent >/dev/null 2>&1; done' & carico+=($!)
  if (($1 == 1)); then
    xdotool key space; tieni Return # one step to "abbina", then Enter held opens it
  else
    xdotool mousemove --window "$(fuoco)" 40 95 click 1
  fi
  aspetta titolo '*abbina*'; tieni "$2"; sleep 1
  kill "${carico[@]}" 2>/dev/null || true; wait "${carico[@]}" || true; carico=()
  # Utilità > esercizi eseguiti > stampa; "Avvio la stampa?" Sì, "Sto stampando", the file's notice.
  finestra=$(fuoco)
  xdotool mousemove --window "$finestra" 14 8 click 1; aspetta finestre "$pid" 2
  xdotool key Down Down Right; aspetta finestre "$pid" 3
  xdotool key Down Return
  for _ in 1 2 3; do aspetta scatola "$finestra"; finestra=$(fuoco); xdotool key Return; done
  righe=$(pdftotext -layout "$casa"/Documents/*.pdf - | grep -cE '^[0-9]+ ' || true)
  kill "$pid"; wait "$pid" || true
  echo "Mode $1, $2 held: $righe result rows"
  ((righe == 1))
}

timeout 120 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$cartella/schermo" 2>/dev/null &
processi+=($!)
aspetta test -s "$cartella/schermo"
export DISPLAY=:$(cat "$cartella/schermo")
unset QT_QPA_PLATFORM
prova 1 Return
prova 2 space
