# Shared by scripts/run and scripts/test: repo root, package installation, messages.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export ROOT

say() { printf '\033[1m==> %s\033[0m\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Installs the Debian packages listed in scripts/packages/<list>.txt that are missing.
ensure_packages() {
  local wanted=() missing=() pkg list
  for list in "$@"; do
    [ -f "$ROOT/scripts/packages/$list.txt" ] || continue
    while read -r pkg; do
      [ -n "$pkg" ] && [ "${pkg#\#}" = "$pkg" ] && wanted+=("$pkg")
    done <"$ROOT/scripts/packages/$list.txt"
  done
  for pkg in $(printf '%s\n' "${wanted[@]}" | sort -u); do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || die "missing packages (${missing[*]}); run as root or install them"
    SUDO=sudo
  else
    SUDO=
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q >/dev/null || die "apt-get update failed; cannot install ${missing[*]}"
  # Recommended packages too: Wine loads X extensions and fonts that are only recommended.
  $SUDO apt-get install -y -q "${missing[@]}" >/dev/null ||
    die "could not install ${missing[*]} (is the Debian package registry reachable?)"
}
