#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under /usr and checks the tree the
# way a desktop would use it: the launcher, the file type of character files,
# every icon, and the installed hcstool reading a character file.
#   check-install.sh CMAKE BUILD_DIR CHARACTER_FILE
# Needs no display and never touches the real /usr.
set -euo pipefail

cmake_command="$1"
build_dir="$2"
character_file="$3"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dest="$scratch/root"
share="$dest/usr/share"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

DESTDIR="$dest" "$cmake_command" --install "$build_dir" --prefix /usr >"$scratch/install.log" ||
  { cat "$scratch/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

# A rule with an absolute destination would escape DESTDIR and write into the
# real system.
stray="$(find "$dest" -mindepth 1 -maxdepth 1 ! -name usr)"
[[ -z "$stray" ]] || fail "installed outside the prefix: $stray"

for program in HalvaneCharacterSheet hcstool; do
  binary="$dest/usr/bin/$program"
  if [[ ! -x "$binary" ]]; then
    fail "$program is not installed in bin/"
    continue
  fi
  # An installed program must not load libraries from the build tree.
  if readelf -d "$binary" | grep -E 'R(UN)?PATH' | grep -qF "$build_dir"; then
    fail "$program keeps a search path into the build tree"
  fi
done

# --- the launcher
launchers=("$share"/applications/*.desktop)
if [[ ${#launchers[@]} -ne 1 || ! -f "${launchers[0]}" ]]; then
  fail "expected one launcher in share/applications, found: ${launchers[*]}"
  app_icon=""
else
  launcher="${launchers[0]}"
  # Hints count too: a clean launcher prints nothing.
  if ! report="$(desktop-file-validate "$launcher" 2>&1)" || [[ -n "$report" ]]; then
    fail "desktop-file-validate: $report"
  fi
  key() { sed -n "s/^$1=//p" "$launcher"; }
  [[ "$(key Name)" == "Halvane Character Generator" ]] || fail "launcher Name is '$(key Name)'"
  [[ "$(key Type)" == "Application" ]] || fail "launcher Type is '$(key Type)'"
  [[ ";$(key Categories)" == *";Game;"* ]] || fail "launcher is not in the Game category"
  # The program takes no arguments, so the command line has no field codes.
  exec_line="$(key Exec)"
  [[ "$exec_line" == "HalvaneCharacterSheet" ]] || fail "launcher Exec is '$exec_line'"
  [[ -x "$dest/usr/bin/$exec_line" ]] || fail "launcher Exec '$exec_line' is not an installed program"
  app_icon="$(key Icon)"
  [[ "$(basename "$launcher" .desktop)" == "$app_icon" ]] ||
    fail "launcher file and icon should both carry the application id, got $launcher and '$app_icon'"
fi

# --- the file type
packages=("$share"/mime/packages/*.xml)
file_icon=""
if [[ ${#packages[@]} -ne 1 || ! -f "${packages[0]}" ]]; then
  fail "expected one MIME package in share/mime/packages, found: ${packages[*]}"
else
  package="${packages[0]}"
  if ! xmllint --noout "$package"; then
    fail "MIME package is not well-formed XML"
  else
    xpath() { xmllint --xpath "string($1)" "$package"; }
    type='//*[local-name()="mime-type"]'
    [[ "$(xpath "$type/*[local-name()='glob']/@pattern")" == '*.hcs' ]] || fail "MIME type has no glob *.hcs"
    [[ "$(xpath "$type/*[local-name()='comment']")" == 'Halvane character' ]] || fail "MIME comment is wrong"
    [[ "$(xpath "$type/*[local-name()='sub-class-of']/@type")" == 'application/xml' ]] ||
      fail "MIME type is not a sub-class of application/xml"
    [[ "$(xpath "$type/*[local-name()='root-XML']/@localName")" == 'Character' ]] ||
      fail "MIME type does not match the root element Character"
    mime_type="$(xpath "$type/@type")"
    file_icon="$(xpath "$type/*[local-name()='icon']/@name")"
    [[ -n "$file_icon" ]] || fail "MIME type names no icon"

    # Build the MIME database from the installed package as the system's
    # trigger would, then ask GLib what a character file is.
    if ! report="$(XDG_DATA_DIRS="$share" update-mime-database "$share/mime" 2>&1)" || [[ -n "$report" ]]; then
      fail "update-mime-database: $report"
    fi
    cp "$character_file" "$scratch/nathaniel.hcs"
    detected="$(XDG_DATA_HOME="$scratch/none" XDG_DATA_DIRS="$share:/usr/share" \
      gio info -a standard::content-type "$scratch/nathaniel.hcs" | sed -n 's/^ *standard::content-type: //p')"
    [[ "$detected" == "$mime_type" ]] || fail "a *.hcs file is detected as '$detected', not '$mime_type'"
  fi
fi

# --- the icons: every size of both, and the scalable ones
for name_context in "$app_icon:apps" "$file_icon:mimetypes"; do
  name="${name_context%:*}"
  context="${name_context#*:}"
  [[ -n "$name" ]] || continue
  for size in 16 22 24 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x${size}/$context/$name.png"
    if [[ ! -f "$icon" ]]; then
      fail "missing icon $icon"
    elif [[ "$(file -b "$icon")" != "PNG image data, $size x $size,"* ]]; then
      fail "$icon is not a $size x $size PNG: $(file -b "$icon")"
    fi
  done
  svg="$share/icons/hicolor/scalable/$context/$name.svg"
  if [[ ! -f "$svg" ]]; then
    fail "missing icon $svg"
  elif ! xmllint --noout "$svg" || [[ "$(xmllint --xpath 'local-name(/*)' "$svg")" != svg ]]; then
    fail "$svg is not an SVG document"
  fi
done

# --- the installed hcstool reads a character file
if json="$("$dest/usr/bin/hcstool" info "$character_file")"; then
  [[ "$json" == '{"name":"Nathaniel",'* ]] || fail "hcstool info printed: $json"
else
  fail "the installed hcstool could not read $character_file"
fi

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install tree OK"
