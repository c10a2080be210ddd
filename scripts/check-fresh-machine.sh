#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the README's commands on a freshly installed minimal system: builds a
# chroot with debootstrap, copies a clean clone of this repository's HEAD into
# it, and runs there what a newcomer runs: ./run.sh under xvfb-run, as the
# README advises on a machine without a display, then ./test.sh. Reports each
# step and exits non-zero on the first that fails. Slow (tens of minutes):
# run it before a release and whenever the scripts change.
#   check-fresh-machine.sh [debian-12|ubuntu-24.04] [work folder]
# Needs root (debootstrap, chroot, mounts). The Debian mirror is the one this
# machine's apt uses; Ubuntu needs SLEEVIX_UBUNTU_MIRROR (an Ubuntu archive
# address this machine reaches). The chroot stays in the work folder
# (default /var/tmp/sleevix-fresh) for a look afterwards; a screenshot of the
# started program is saved beside it.
#
# The chroot shares this machine's network and process list: its programs
# talk to its own CUPS scheduler through its own socket (CUPS_SERVER; the
# CUPS port may be this machine's), and only processes whose root is the
# chroot are looked for or stopped.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
distribution=${1:-debian-12}
work=${2:-/var/tmp/sleevix-fresh}
root="$work/$distribution"
clone=/home/newcomer/sleevix
shot="$work/$distribution-run.png"
log="$work/$distribution.log"

say() { echo "== $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap, chroot and mounts need it)"

case "$distribution" in
  debian-12)
    suite=bookworm
    mirror=$(sed -n 's/^URIs: *\([^ ]*\/debian\)$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -1)
    [ -n "$mirror" ] || mirror=$(sed -n 's/^deb \([^ ]*\) bookworm main.*/\1/p' /etc/apt/sources.list 2>/dev/null | head -1)
    keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    keyring_package=debian-archive-keyring
    components=main
    ;;
  ubuntu-24.04)
    suite=noble
    mirror=${SLEEVIX_UBUNTU_MIRROR:-}
    keyring=/usr/share/keyrings/ubuntu-archive-keyring.gpg
    keyring_package=ubuntu-keyring
    components=main,universe
    [ -n "$mirror" ] || fail "set SLEEVIX_UBUNTU_MIRROR to an Ubuntu archive this machine reaches"
    ;;
  *) fail "unknown distribution '$distribution' (debian-12 or ubuntu-24.04)" ;;
esac
[ -n "$mirror" ] || fail "cannot tell which Debian mirror this machine's apt uses"

for tool in debootstrap git; do
  command -v "$tool" >/dev/null || apt-get install -y --no-install-recommends "$tool" >/dev/null \
    || fail "cannot install $tool"
done
# Debian 12 has no package of Ubuntu's archive keys; debootstrap then cannot
# check the first download's signatures (the chroot's own apt checks all
# later ones with the keys the base system brings).
verify=(--keyring="$keyring")
if [ ! -f "$keyring" ] && ! apt-get install -y --no-install-recommends "$keyring_package" >/dev/null 2>&1; then
  echo "no $keyring_package here: the first download is not checked against the archive's keys"
  verify=(--no-check-gpg)
fi
# Older debootstraps know Ubuntu releases only by the script they all share.
script=()
[ -e "/usr/share/debootstrap/scripts/$suite" ] || script=(/usr/share/debootstrap/scripts/gutsy)

mounts=()
unmount_all() {
  local index
  for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do umount -l "${mounts[index]}" 2>/dev/null; done
  mounts=()
}
# The processes of that name that run inside the chroot.
chroot_pids() {
  local pid
  for pid in $(pgrep -x "$1"); do
    [ "$(readlink "/proc/$pid/root")" = "$root" ] && echo "$pid"
  done
}
cleanup() {
  local name
  for name in sleevix cupsd Xvfb; do chroot_pids "$name" | xargs -r kill 2>/dev/null; done
  sleep 1
  unmount_all
}
trap cleanup EXIT

mkdir -p "$work"
: >"$log"
say "A minimal $distribution ($suite) in $root"
if [ -d "$root" ]; then
  for point in dev/pts dev/shm dev sys proc; do umount -l "$root/$point" 2>/dev/null; done
  rm -rf "$root"
fi
debootstrap --variant=minbase --components="$components" "${verify[@]}" \
  "$suite" "$root" "$mirror" "${script[@]}" >>"$log" 2>&1 || fail "debootstrap (see $log)"

# The same apt settings as this machine, so the chroot reaches what it does.
cp /etc/resolv.conf "$root/etc/resolv.conf"
for setting in /etc/apt/apt.conf.d/*; do
  grep -q 'Acquire::Check-Valid-Until\|Acquire::Check-Date' "$setting" 2>/dev/null \
    && cp "$setting" "$root/etc/apt/apt.conf.d/"
done
printf 'deb %s %s %s\ndeb %s %s-updates %s\n' "$mirror" "$suite" "${components//,/ }" \
  "$mirror" "$suite" "${components//,/ }" >"$root/etc/apt/sources.list"

mount_into() {  # type-or-bind source target
  mkdir -p "$root/$3"
  if [ "$1" = bind ]; then mount --bind "$2" "$root/$3"; else mount -t "$1" "$2" "$root/$3"; fi \
    || fail "cannot mount $3"
  mounts+=("$root/$3")
}
mount_into proc proc proc
mount_into sysfs sys sys
mount_into bind /dev dev
mount_into devpts devpts dev/pts
mount_into tmpfs tmpfs dev/shm

say "A clean clone of HEAD in $clone"
mkdir -p "$root$(dirname "$clone")"
git clone --quiet --no-local "$repo" "$root$clone" || fail "git clone"

in_chroot() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    CUPS_SERVER=/run/cups/cups.sock /bin/bash -c "cd $clone && $1"
}

say "./run.sh under xvfb-run, as the README advises without a display"
run_start=$SECONDS
in_chroot "./scripts/install-deps.sh" >>"$log" 2>&1 || fail "./scripts/install-deps.sh (see $log)"
in_chroot "xvfb-run -a -s '-screen 0 1024x768x24' ./run.sh" >>"$log" 2>&1 &
runner=$!
started=false
for _ in $(seq 1800); do
  if [ -n "$(chroot_pids sleevix)" ]; then started=true; break; fi
  kill -0 "$runner" 2>/dev/null || break
  sleep 1
done
$started || fail "./run.sh did not start the program (see $log)"
echo "the program started $((SECONDS - run_start)) s after the set-up began"
sleep 5
program=$(chroot_pids sleevix | head -1)
[ -n "$program" ] || fail "the program stopped right after starting (see $log)"
# The program's own display and the key xvfb-run made for it.
program_env() { tr '\0' '\n' <"/proc/$program/environ" | sed -n "s/^$1=//p"; }
in_chroot "DISPLAY=$(program_env DISPLAY) XAUTHORITY=$(program_env XAUTHORITY) import -window root /tmp/run.png" \
  >>"$log" 2>&1 \
  && cp "$root/tmp/run.png" "$shot" && echo "screenshot: $shot"
kill "$program"
wait "$runner"

say "./test.sh"
test_start=$SECONDS
in_chroot "./test.sh" >>"$log" 2>&1 || fail "./test.sh (see $log)"
echo "./test.sh took $((SECONDS - test_start)) s"
grep -E 'tests passed|tests failed' "$log" | tail -2
say "passed: ./run.sh and ./test.sh on a fresh $distribution"
