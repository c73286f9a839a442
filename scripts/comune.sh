# Shared by the scripts of this folder (sourced, not run): the Debian 12 packages
# Frasolino needs to be built, tested and run, the routine that installs the
# missing ones, and the build of the program in build/.

# Compiler and build tools; Qt 6 (widgets, printing, sounds, SVG) and the X11 keyboard
# libraries (XKB) it is built with; Qt's own Italian texts; the free fonts that stand in
# for Verdana, Arial and Comic Sans MS; the PDF tools the tests use to read printed pages
# back; the X server, key presser and screen grabber of the test that holds keys, and the
# Python that finds the scan frames in its grabs.
PACCHETTI=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-translations-l10n
  libxcb-xkb-dev libxkbcommon-dev
  fonts-dejavu-core fonts-liberation2 fonts-comic-neue
  poppler-utils
  xvfb xdotool x11-apps python3
)

# installa_mancanti PACKAGE... : installs, with apt-get, the packages not yet installed.
# The package index is refreshed only when something is missing.
installa_mancanti() {
  if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "These scripts need Debian 12 (dpkg-query and apt-get were not found)." >&2
    return 1
  fi
  local mancanti=() pacchetto
  for pacchetto in "$@"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$pacchetto" 2>/dev/null)" != "install ok installed" ]]; then
      mancanti+=("$pacchetto")
    fi
  done
  if (( ${#mancanti[@]} == 0 )); then
    return 0
  fi
  local come=()
  if (( EUID != 0 )); then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${mancanti[*]}. Run this script as root, or install sudo." >&2
      return 1
    fi
    come=(sudo)
  fi
  echo "Installing the missing packages: ${mancanti[*]}"
  "${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${come[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${mancanti[@]}"
}

# compila_programma : configures and builds the program for use (Release) in build/.
compila_programma() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFRASOLINO_TESTS=OFF
  cmake --build build
}
