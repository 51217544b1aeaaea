#!/usr/bin/env bash
# Runs a command against a private print server: its own cupsd on a socket in
# a fresh folder, with a cups-pdf printer as the default destination, whose
# PDFs land in $WAGELYN_PRINT_OUT. Stops the server and removes the folder
# afterwards. Exit 77 (skipped) where it cannot run: it needs root, since the
# cups-pdf backend only writes as root and its configuration is swapped in
# through a private mount namespace.
#
#   tests/print/private_cups.sh COMMAND [ARGS...]
set -euo pipefail
source "$(dirname "$0")/../support/harness.sh"
[ "$(id -u)" -eq 0 ] || skip "needs root"
require_tools cupsd lpadmin lpstat unshare
# Containers often refuse private mount namespaces.
unshare -m true 2>/dev/null || skip "unshare -m is not permitted here"

private_work cups
dir=$work
chmod 0755 "$dir"  # the filters run as user lp
mkdir -p "$dir"/{etc/ppd,spool/tmp,cache,state,log,out,pdf-spool,home}
on_exit() {  # whatever failed, the server's own account of it
    [ "$1" = 0 ] || [ "$1" = 77 ] || { echo "--- print server log ---" && cat "$dir"/log/*; } >&2
}

printf '%s\n' "ServerRoot $dir/etc" "RequestRoot $dir/spool" "TempDir $dir/spool/tmp" \
    "CacheDir $dir/cache" "StateDir $dir/state" "ErrorLog $dir/log/error_log" \
    "AccessLog $dir/log/access_log" "PageLog $dir/log/page_log" "Printcap $dir/printcap" \
    "SystemGroup root" >"$dir/etc/cups-files.conf"
cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
printf '%s\n' "Out $dir/out" "AnonDirName $dir/out" "Spool $dir/pdf-spool" "TitlePref 1" \
    "Grp root" >"$dir/cups-pdf.conf"

# cups-pdf reads only /etc/cups/cups-pdf.conf: only this cupsd sees ours.
spawn "$dir/log/cupsd.out" unshare -m bash -c "mount --bind '$dir/cups-pdf.conf' \
    /etc/cups/cups-pdf.conf && exec cupsd -f -c '$dir/etc/cupsd.conf' -s '$dir/etc/cups-files.conf'"

export CUPS_SERVER="$dir/cups.sock"
export HOME="$dir/home"
unset PRINTER LPDEST
running() { [ -S "$CUPS_SERVER" ] && lpstat -r 2>/dev/null | grep -q 'is running'; }
wait_until 100 running || true
lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
lpadmin -d PDF

WAGELYN_PRINT_OUT="$dir/out" "$@"
