# Sourced first by the scripts that build what they run: with errors and
# unset variables fatal, from the top of the tree, installs what is missing.
# Then `build PRESET [TARGET...]` configures the preset quietly and builds
# the targets (all of them when none is named).
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
build() {
  preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}
