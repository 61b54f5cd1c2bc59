#!/usr/bin/env bash
# Installs into a temporary prefix, makes the installed tree read-only and runs the installed
# devero-cli on the simulated mouse for a user with an empty home: the per-user copy is seeded,
# takes every write, and keeps the user's changes on the next run; the installed tree stays as
# it was. Also validates the desktop entry, the metainfo and the man pages.
# Usage: install_test.sh BUILD_DIR WINDOW ICONS (1 when the devero window, the generated skin
# and its icons are built)
set -euo pipefail
build=$1
window=${2:-0}
icons=${3:-0}
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
data=$prefix/share/devero/skins
expected=(
  bin/devero-cli
  share/devero/skins/config/config.ini share/devero/skins/config/configReset.ini
  share/devero/skins/config/constMacro.dat
  share/devero/skins/INI_EN/macro/macroGrp.ini share/devero/skins/INI_EN/macroReset/macroGrp.ini
  share/devero/skins/INI_CN/macro/macroGrp.ini share/devero/skins/INI_CN/macroReset/macroGrp.ini
  lib/udev/rules.d/70-devero.rules
  share/applications/org.devero.Devero.desktop share/metainfo/org.devero.Devero.metainfo.xml
  share/man/man1/devero.1.gz share/man/man1/devero-cli.1.gz
)
[ "$window" = 1 ] && expected+=(bin/devero)
if [ "$icons" = 1 ]; then
  for n in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${n}x$n/apps/devero.png"); done
fi
for f in "${expected[@]}"; do
  [ -f "$prefix/$f" ] || fail "cmake --install did not install $f"
done
[ -x "$prefix/bin/devero-cli" ] || fail "devero-cli is not executable"

desktop-file-validate "$prefix/share/applications/org.devero.Devero.desktop" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/org.devero.Devero.metainfo.xml" ||
  fail "appstreamcli validate"
for page in devero devero-cli; do
  gzip -dc "$prefix/share/man/man1/$page.1.gz" | grep -q "^\.TH " || fail "man page $page"
done

snapshot() { (cd "$prefix" && find . -type f -exec sha256sum {} + | sort); }
chmod -R a-w "$prefix"
installed_before=$(snapshot)

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
unset DEVERO_SIMULATE
mkdir -p "$HOME"
user=$XDG_DATA_HOME/devero/skins
cli() { "$prefix/bin/devero-cli" --simulate="$work/mouse.bin" "$@"; }

out=$(cli show) || fail "installed devero-cli show"
grep -q '"currentProfile":0' <<<"$out" || fail "show: $out"
seeded=(config/config.ini config/configReset.ini config/constMacro.dat
  INI_EN/macro/macroGrp.ini INI_EN/macroReset/macroGrp.ini
  INI_CN/macro/macroGrp.ini INI_CN/macroReset/macroGrp.ini)
for f in "${seeded[@]}"; do
  [ -f "$user/$f" ] && [ ! -L "$user/$f" ] || fail "not seeded as a copy: $f"
  cmp -s "$user/$f" "$data/$f" || fail "seeded copy differs: $f"
  [ -w "$user/$f" ] || fail "seeded copy not writable: $f"
done
# Pictures and skin descriptions are links to the installed files, not copies.
(cd "$data" && find . -type f) | while read -r f; do
  case $f in ./config/* | ./INI_??/macro/* | ./INI_??/macroReset/*) continue ;; esac
  [ "$(readlink "$user/$f")" = "$data/${f#./}" ] || fail "not linked to the installed file: $f"
done

out=$(cli macros) || fail "installed devero-cli macros"
grep -q '"groupCount":2' <<<"$out" || fail "macros: $out"

# The user's change survives the next runs; apply writes into the per-user copy.
sed -i 's/^CurConfig=0/CurConfig=2/' "$user/config/config.ini"
out=$(cli show) || fail "second show"
grep -q '"currentProfile":2' <<<"$out" || fail "the user's change was lost: $out"
inode_before=$(stat -c %i "$user/config/config.ini")
cli apply 2>"$work/apply.err" || fail "installed devero-cli apply: $(cat "$work/apply.err")"
[ "$(stat -c %i "$user/config/config.ini")" != "$inode_before" ] ||
  fail "apply did not write the per-user product file"
out=$(cli show) || fail "show after apply"
grep -q '"currentProfile":2' <<<"$out" || fail "after apply: $out"

[ "$(snapshot)" = "$installed_before" ] || fail "the installed tree was written"
echo "install test passed"
