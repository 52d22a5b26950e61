#!/usr/bin/env bash
# Installs the build into a scratch folder as a package would, and checks what a distribution
# and a desktop read there: the file list, the desktop entry, the metainfo, the manual pages,
# the completion, and that the installed corvane-trace is the built one.
# Usage: install_test.sh BUILD_FOLDER SOURCE_FOLDER LIBRARY_FOLDER (as configured: lib, or
# lib/<architecture> for the prefix /usr)
set -euo pipefail
build=$1 source=$2 libdir=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
installed=$(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort)
expected=$(sed "s|^usr/LIBDIR/|usr/$libdir/|" "$source/tests/install/expected-files.txt" | LC_ALL=C sort)
[ "$installed" = "$expected" ] ||
  fail "installed files differ from the expected list:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"

share=$root/usr/share
id=org.corvane.Corvane

# Hints (such as two main categories, which the entry names on purpose) are not faults.
if ! out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) ||
  grep -qE ': (error|warning): ' <<<"$out"; then
  fail "desktop-file-validate: $out"
fi
if ! out=$(appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" 2>&1) ||
  grep -qE '^[EW]: ' <<<"$out"; then
  fail "appstreamcli validate: $out"
fi

# The installed tool against the built one, on a whole line and on probes of a reactive cascade.
for args in "" "--load Capacitor --cascade --zo2 100 --ticks 400 --probe 0 --probe 100 --probe 200" \
  "--netlist --ticks 20" --version; do
  # shellcheck disable=SC2086
  cmp -s <("$build/tools/corvane-trace" $args) <("$root/usr/bin/corvane-trace" $args) ||
    fail "installed corvane-trace differs from the built one for: $args"
done
# The pictures come from the installed module, found beside the installed tool; a tool without
# its module refuses them in one line and leaves no file.
pictures="--source Pulse --cascade --zo2 100 --ticks 150"
# shellcheck disable=SC2086
"$build/tools/corvane-trace" $pictures --png "$root/built.png" --gif "$root/built.gif" >/dev/null &&
  "$root/usr/bin/corvane-trace" $pictures --png "$root/ours.png" --gif "$root/ours.gif" >/dev/null &&
  cmp -s "$root/built.png" "$root/ours.png" && cmp -s "$root/built.gif" "$root/ours.gif" ||
  fail "installed corvane-trace paints other pictures than the built one"
mkdir "$root/alone" && cp "$root/usr/bin/corvane-trace" "$root/alone/"
out=$("$root/alone/corvane-trace" --png "$root/alone/p.png" 2>&1 >/dev/null) && status=0 || status=$?
[ "$status" -eq 2 ] && grep -qx "corvane-trace: the pictures cannot be painted: .*" <<<"$out" &&
  [ "$(ls "$root/alone")" = corvane-trace ] ||
  fail "a tool without its picture module: status $status, $out"

for page in corvane corvane-trace; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1.gz" \
    2>&1 >/dev/null) && [ -z "$warnings" ] || fail "man $page: $warnings"
done

# The completion against the tool's own --help: every long option, and the keywords of the
# choices, so the two cannot drift apart.
offers() {
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"; shift
    COMP_WORDS=(corvane-trace "$@"); COMP_CWORD=$#
    COMP_LINE="corvane-trace $*"; COMP_POINT=${#COMP_LINE}
    _corvane_trace corvane-trace "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}"' _ "$share/bash-completion/completions/corvane-trace" "$@" |
    LC_ALL=C sort
}
help=$("$build/tools/corvane-trace" --help)
options=$(grep -oE '^  (-[a-z], )?--[a-z0-9-]+' <<<"$help" | grep -oE -- '--[a-z0-9-]+' |
  grep -vx -- --help-all | LC_ALL=C sort)
[ "$(offers --)" = "$options" ] ||
  fail "completion of -- differs from --help:"$'\n'"$(diff <(echo "$options") <(offers --))"
keywords() {  # the quoted keywords of a choice in --help, a blank escaped as completion offers it
  tr -s ' \n' ' ' <<<"$help" | grep -oE -- "--$1 <keyword> [^(]*" | grep -oE '"[^"]+"' |
    tr -d '"' | sed 's/ /\\ /g' | LC_ALL=C sort
}
for choice in source load; do
  [ "$(offers --$choice "")" = "$(keywords $choice)" ] ||
    fail "completion of --$choice: $(offers --$choice "" | tr '\n' ' ')"
done
[ "$(offers --show "")" = "$(printf 'both\ncurrent\nvoltage')" ] || fail "completion of --show"
[ "$(offers --load Par)" = "ParallelRC" ] || fail "completion of --load Par"

[ "$failures" -eq 0 ] && echo "installed tree checked: $(wc -l <<<"$installed") files"
exit "$failures"
