#!/usr/bin/env bash
# The Debian package, checked without installing it on this machine: exactly the files a user
# should get with Debian's modes and owners, the control fields, lintian; unpacked into a
# scratch folder, a program that starts, a daemon link that resolves inside the tree and
# documents that read; and dpkg installing and removing it in a scratch root without the daemon.
set -euo pipefail
: "${DEB:?the package}" "${VERSION:?the project version}" "${ICO:?the icon file}"
[ -f "$DEB" ] || { echo "FAIL: no $DEB: make it with scripts/package" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- Contents ------------------------------------------------------------------------------
cat >"$work/expected" <<'LIST'
-rw-r--r-- root/root /usr/share/applications/corvanta-settings.desktop
-rw-r--r-- root/root /usr/share/doc/corvanta/changelog.gz
-rw-r--r-- root/root /usr/share/doc/corvanta/copyright
-rw-r--r-- root/root /usr/share/icons/hicolor/32x32/apps/corvanta.png
-rw-r--r-- root/root /usr/share/man/man6/corvanta.6.gz
-rw-r--r-- root/root /usr/share/xscreensaver/config/corvanta.xml
-rwxr-xr-x root/root /usr/bin/corvanta
-rwxr-xr-x root/root /usr/libexec/corvanta/corvanta-idle-watch
lrwxrwxrwx root/root /usr/libexec/xscreensaver/corvanta -> ../../bin/corvanta
LIST
dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ { $3 = $4 = $5 = ""; sub(/ \.\//, " /"); print }' \
  | tr -s ' ' | sort >"$work/listed"
sort "$work/expected" -o "$work/expected"
if diff -u "$work/expected" "$work/listed"; then pass "dpkg-deb -c lists exactly the $(wc -l <"$work/expected") files"
else fail "the package holds other files (- expected, + found)"; fi

field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = corvanta ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "Version: $(field Version), the project is at $VERSION"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Recommends)" = xscreensaver ] || fail "Recommends: $(field Recommends)"
[ "$(field Suggests)" = swayidle ] || fail "Suggests: $(field Suggests)"
depends=$(field Depends)
depends_on() { sed 's/([^)]*)//g; s/|/,/g' <<<"$depends" | tr ',' '\n' | tr -d ' ' | grep -qxF "$1"; }
# dpkg-shlibdeps found the libraries the program links, each by the package that holds it
# here; Qt's Wayland platform, which the settings dialog loads on Wayland, is named by hand.
# The daemons are only recommended or suggested, so the package installs and removes without.
for lib in libc6 libqt6widgets6 libxcb1 qt6-wayland; do
  depends_on "$lib" || fail "Depends lacks $lib: $depends"
done
dpkg-deb --fsys-tarfile "$DEB" | tar -xO ./usr/bin/corvanta >"$work/program"
for soname in $(readelf -d "$work/program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  holder=$(dpkg -S "x86_64-linux-gnu/$soname" 2>/dev/null |
    awk -v s="/$soname" 'substr($NF, length($NF) - length(s) + 1) == s { sub(/:.*/, "", $1); print $1; exit }')
  [ -n "$holder" ] || { fail "no package here holds $soname"; continue; }
  depends_on "$holder" || fail "the program needs $soname of $holder, which Depends lacks: $depends"
done
grep -qE 'xscreensaver|swayidle' <<<"$depends" && fail "Depends names a daemon: $depends"
pass "control: corvanta $VERSION amd64, Depends: $depends"

# --- lintian ----------------------------------------------------------------------------------
if lintian --fail-on error,warning "$DEB" >"$work/lintian" 2>&1; then
  pass "lintian reports no error or warning"
else
  fail "lintian: $(grep -E '^[EW]:' "$work/lintian")"
fi

# --- Unpacked ---------------------------------------------------------------------------------
root=$work/root
dpkg-deb -x "$DEB" "$root"
program=$root/usr/bin/corvanta
link=$root/usr/libexec/xscreensaver/corvanta
[ -L "$link" ] && [ "$(readlink "$link")" = ../../bin/corvanta ] \
  && [ "$(realpath -e "$link")" = "$(realpath "$program")" ] \
  && pass "the daemon's link resolves to the packaged program inside the tree" \
  || fail "the daemon's link points to '$(readlink "$link")'"

readelf -S --wide "$program" | grep -qE '\.(symtab|debug_)' && fail "the program is not stripped"

# A question about the program needs no X server.
rc=0
version=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$program" --version 2>"$work/err") || rc=$?
[ "$rc" -eq 0 ] && [ "$version" = "corvanta $VERSION" ] && pass "the packaged program answers '$version'" \
  || fail "--version: exit code $rc, said '$version' $(head -c 200 "$work/err")"

err=$(LC_ALL=C.UTF-8 man --warnings -l "$root/usr/share/man/man6/corvanta.6.gz" 2>&1 >/dev/null) \
  && [ -z "$err" ] || fail "the packaged manual page: $err"
out=$(desktop-file-validate "$root/usr/share/applications/corvanta-settings.desktop" 2>&1) \
  && [ -z "$out" ] || fail "the packaged launcher: $out"
xmllint --noout "$root/usr/share/xscreensaver/config/corvanta.xml" || fail "the packaged corvanta.xml"
png=$root/usr/share/icons/hicolor/32x32/apps/corvanta.png
flat() { convert "$1" -background magenta -flatten -depth 8 rgb:- | md5sum; }
[ "$(identify -format '%m %w %h' "$png")" = "PNG 32 32" ] && [ "$(flat "$png")" = "$(flat "$ICO[0]")" ] \
  || fail "the packaged icon is not the program's icon as a 32 x 32 PNG"
changelog=$root/usr/share/doc/corvanta/changelog.gz
zcat "$changelog" | head -n 1 | grep -qF "corvanta ($VERSION) " || fail "the changelog's top entry is not $VERSION"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/corvanta/copyright" || fail "the copyright file is not in Debian's format"
# Compressed files without a timestamp, so the same sources give the same package.
for gz in "$changelog" "$root/usr/share/man/man6/corvanta.6.gz"; do
  [ "$(od -An -tu4 -j4 -N4 "$gz" | tr -d ' ')" = 0 ] || fail "$(basename "$gz") carries a timestamp"
done

# --- Installed and removed in a scratch root that holds only what the package depends on -------
# dpkg's database there lists this machine's copies of the dependencies and not the daemon.
scratch=$work/scratch
admin=$scratch/var/lib/dpkg
mkdir -p "$admin/info" "$admin/updates"
for dep in $(sed 's/([^)]*)//g; s/|[^,]*//g; s/,/ /g' <<<"$depends"); do
  dpkg-query -s "$dep:amd64" 2>/dev/null || dpkg-query -s "$dep" || fail "$dep is not installed here"
  echo
  touch "$admin/info/$dep.list" "$admin/info/$dep:amd64.list"
done >"$admin/status"
force=()
[ "$(id -u)" = 0 ] || force=(--force-not-root)
if dpkg --root="$scratch" "${force[@]}" -i "$DEB" >"$work/dpkg.log" 2>&1 \
  && [ -x "$scratch/usr/bin/corvanta" ]; then
  pass "dpkg installs it beside its dependencies alone, without the daemon"
else
  fail "dpkg could not install it: $(tail -n 5 "$work/dpkg.log")"
fi
if dpkg --root="$scratch" "${force[@]}" --purge corvanta >>"$work/dpkg.log" 2>&1; then
  left=$(cd "$scratch" && find . -path ./var -prune -o ! -name . -print)
  [ -z "$left" ] && pass "dpkg --purge removes every file and folder it made" \
    || fail "left after removal: $left"
else
  fail "dpkg could not remove it: $(tail -n 5 "$work/dpkg.log")"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "all checks passed"
