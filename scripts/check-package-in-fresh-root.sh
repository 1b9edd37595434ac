#!/usr/bin/env bash
# Tries the newest build/*.deb in a fresh Debian 12 root made at ROOT by debootstrap (as root; network; minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(realpath -m "${1:?usage: scripts/check-package-in-fresh-root.sh ROOT}")
deb=$(ls -t build/mrb500-configurator_*.deb | head -1)
out=$root/root/check

say() { printf '\n== %s\n' "$*"; }
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root TERM=dumb \
        DEBIAN_FRONTEND=noninteractive "$@"
}

[[ ! -e $root ]] || { echo "$root exists; the check needs a fresh root"; exit 2; }
say "debootstrap --variant=minbase bookworm $root"
debootstrap --variant=minbase bookworm "$root" >"$root.debootstrap.log" 2>&1 ||
    { tail -20 "$root.debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
mkdir -p "$out"
cp "$deb" examples/school.xml "$root/tmp/"

say "apt install ./$(basename "$deb")"
in_root apt-get update -qq
in_root sh -c "cd /tmp && apt install -y ./$(basename "$deb")" >"$out/apt-install.log" 2>&1 ||
    { tail -30 "$out/apt-install.log"; exit 1; }
sed -n '/NEW packages/,/^[0-9]* upgraded/p' "$out/apt-install.log"

say "before anything else is installed"
in_root sh -c 'ldd /usr/bin/mrb500-configurator /usr/bin/mrb500ctl /usr/bin/mrb500-panelsim \
    /usr/lib/*/qt6/plugins/platforms/libqxcb.so | grep "not found" || echo "no library missing"'
in_root mrb500ctl show /tmp/school.xml | sed -n 1,8p
in_root mrb500-configurator --version
set +e
in_root env QT_QPA_PLATFORM=offscreen timeout 5 mrb500-configurator /tmp/school.xml \
    >"$out/offscreen.log" 2>&1
status=$?
set -e
[[ $status -eq 124 ]] || { cat "$out/offscreen.log"; echo "configurator ended: $status"; exit 1; }
echo "configurator (offscreen) still running after 5 s"

say "tools for the rest of the check: man-db locales strace xvfb xauth imagemagick bash-completion"
in_root apt-get install -y -qq man-db locales strace xvfb xauth imagemagick bash-completion \
    >"$out/apt-tools.log" 2>&1 || { tail -30 "$out/apt-tools.log"; exit 1; }
sed -i 's/^# *es_ES.UTF-8 UTF-8/es_ES.UTF-8 UTF-8/' "$root/etc/locale.gen"
in_root locale-gen >/dev/null

say "LANG=es_ES.UTF-8 mrb500ctl show"
in_root env LANG=es_ES.UTF-8 mrb500ctl show /tmp/school.xml | sed -n 1,4p

say "man mrb500ctl | head"
in_root env MANWIDTH=80 man mrb500ctl 2>&1 | sed -n 1,12p

say "bash completion: mrb500ctl <TAB>, mrb500ctl check --port <TAB> (with a /dev/ttyUSB0)"
ln -sf null "$root/dev/ttyUSB0"
in_root bash -c 'source /usr/share/bash-completion/bash_completion
    _completion_loader mrb500ctl
    for line in "mrb500ctl " "mrb500ctl check --port "; do
        COMP_LINE=$line; COMP_POINT=${#line}; read -ra COMP_WORDS <<<"$line"
        [[ $line == *" " ]] && COMP_WORDS+=("")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=()
        _mrb500ctl mrb500ctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        echo "$line<TAB>: ${COMPREPLY[*]}"
    done'
rm -f "$root/dev/ttyUSB0"

say "LANG=es_ES.UTF-8 QT_QPA_PLATFORM=offscreen mrb500-configurator: translations it loads at start"
set +e
in_root env LANG=es_ES.UTF-8 QT_QPA_PLATFORM=offscreen timeout 6 \
    strace -f -e trace=openat -o /root/check/strace.txt mrb500-configurator /tmp/school.xml \
    >/dev/null 2>&1
set -e
grep -o '"[^"]*\.qm"' "$out/strace.txt" | sort -u || echo "none"

say "LANG=es_ES.UTF-8 mrb500-configurator under Xvfb: $out/start.png"
in_root env LANG=es_ES.UTF-8 xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
    mrb500-configurator /tmp/school.xml >/dev/null 2>&1 & sleep 6
    import -window root /root/check/start.png
    kill $!'

grep -q 'translations/lang_es.qm"' "$out/strace.txt" ||
    { echo "FAILED: the configurator did not load lang_es.qm at start"; exit 1; }
echo "passed"
