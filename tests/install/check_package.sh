#!/usr/bin/env bash
# Checks a built Debian package: the files it holds, dependencies from the shared libraries,
# the maintainer scripts, and that installing and purging it in a scratch dpkg root leaves no
# file behind.
# Usage: check_package.sh DEB WINDOW ICONS (1 when the devero window, the generated skin and its
# icons are built)
set -euo pipefail
deb=$1
window=${2:-0}
icons=${3:-0}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
expected=(
  ./usr/bin/devero-cli
  ./usr/share/devero/skins/config/config.ini ./usr/share/devero/skins/config/configReset.ini
  ./usr/share/devero/skins/config/constMacro.dat
  ./usr/share/devero/skins/INI_EN/macro/macroGrp.ini
  ./usr/share/devero/skins/INI_CN/macroReset/macroGrp.ini
  ./usr/lib/udev/rules.d/70-devero.rules
  ./usr/share/applications/org.devero.Devero.desktop
  ./usr/share/metainfo/org.devero.Devero.metainfo.xml
  ./usr/share/man/man1/devero.1.gz ./usr/share/man/man1/devero-cli.1.gz
)
[ "$window" = 1 ] && expected+=(./usr/bin/devero)
if [ "$icons" = 1 ]; then
  for n in 16 32 48 64 128 256; do expected+=("./usr/share/icons/hicolor/${n}x$n/apps/devero.png"); done
fi
for f in "${expected[@]}"; do
  grep -qxF "$f" "$work/contents" || fail "the package lacks $f"
done

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libhidapi-hidraw0; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
  [ -x "$work/control/$script" ] || fail "no $script"
done
grep -q "udevadm control --reload-rules" "$work/control/postinst" || fail "postinst reloads no rules"
grep -q "udevadm trigger" "$work/control/postinst" || fail "postinst triggers no devices"

# Install and purge in a scratch root; the maintainer scripts run outside it (DPKG_ROOT set).
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg_root() {
  dpkg --root="$root" --force-script-chrootless --force-depends --force-not-root \
    --log=/dev/null "$@" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg $*"; }
}
dpkg_root -i "$deb"
[ -f "$root/usr/bin/devero-cli" ] || fail "dpkg -i installed no devero-cli"
dpkg_root --purge devero
left=$(cd "$root" && find . -mindepth 1 -not -path './var/lib/dpkg*' -not -path ./var -not -path ./var/lib)
[ -z "$left" ] || fail "left after purge: $left"
echo "package check passed: $deb"
