#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12: the packages listed in
# scripts/packages/*.txt, a locale with a decimal comma for the locale tests, and the
# place data from npm. Safe to run again: it only installs what is missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

mapfile -t wanted < <(cat "$top"/scripts/packages/*.txt | sed -e 's/#.*//' -e 's/[[:space:]]//g' | grep -v '^$' | sort -u)
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# npm comes with some Node.js builds and as a package of its own with Debian's.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  # Several checkouts may set up at once; apt takes one at a time.
  as_root flock /tmp/quorvel-apt.lock apt-get update -qq
  as_root flock /tmp/quorvel-apt.lock env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi

# The coordinate tests run once under a locale that writes a decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "setup: generating the de_DE.UTF-8 locale"
  as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "setup: could not generate de_DE.UTF-8; that test will be skipped"
fi

# The place data, pinned by data/package-lock.json.
if [ -f "$top/data/package-lock.json" ] && [ ! -d "$top/data/node_modules" ]; then
  echo "setup: fetching the place data with npm"
  (cd "$top/data" && npm ci --no-audit --no-fund --loglevel=error)
fi
