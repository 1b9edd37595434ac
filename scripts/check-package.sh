#!/usr/bin/env bash
# Checks the newest package in BUILD (default build): lintian finds no error, the AppStream
# and desktop files validate, and the installed programs and mrb500ctl's completion work
# from the unpacked tree:   scripts/check-package.sh [BUILD]
set -euo pipefail
build="${1:-build}"
deb=$(ls -t "$build"/mrb500-configurator_*.deb | head -1)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"

echo "== lintian $deb"
lintian --fail-on error "$deb"
echo "== appstreamcli"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
echo "== desktop-file-validate"
desktop-file-validate "$tree"/usr/share/applications/*.desktop && echo ok

echo "== unpacked programs"
# Outside a build tree the programs find their translations in the data folder.
"$tree/usr/bin/mrb500ctl" --language es show examples/school.xml | sed -n 1,3p
"$tree/usr/bin/mrb500-panelsim" --version

echo "== completion"
PATH="$tree/usr/bin:$PATH" bash -c '
    set -e
    source /usr/share/bash-completion/bash_completion
    source "$1/usr/share/bash-completion/completions/mrb500ctl"
    complete_line() { # prints what TAB offers after the words given
        COMP_LINE="mrb500ctl $*"; COMP_POINT=${#COMP_LINE}
        COMP_WORDS=(mrb500ctl "$@"); COMP_CWORD=$#
        COMPREPLY=(); _mrb500ctl mrb500ctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
        echo "${COMPREPLY[*]}"
    }
    expect() { # expect "WANTED WORDS" WORD...
        local wanted=$1 got w; shift; got=" $(complete_line "$@") "
        for w in $wanted; do
            [[ $got == *" $w "* ]] || { echo "mrb500ctl $* <TAB> lacks $w: $got"; exit 1; }
        done
        echo "mrb500ctl $* <TAB>:$got"
    }
    expect "show dump validate upload download check diff report ports" ""
    expect "--port --no-verify --no-backup --language" upload x.xml --
    [[ " $(complete_line show x.xml --) " != *" --port "* ]] ||
        { echo "mrb500ctl show x.xml -- <TAB> offers --port"; exit 1; }
    expect "en es" show x.xml --language ""
' _ "$tree"
