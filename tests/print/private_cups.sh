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

if [ "$(id -u)" -ne 0 ]; then
    echo "private_cups: needs root; skipped" >&2
    exit 77
fi
for tool in cupsd lpadmin lpstat unshare; do
    if ! command -v "$tool" >/dev/null; then
        echo "private_cups: $tool is missing; skipped" >&2
        exit 77
    fi
done

# Containers often refuse private mount namespaces.
if ! unshare -m true 2>/dev/null; then
    echo "private_cups: unshare -m is not permitted here; skipped" >&2
    exit 77
fi

dir=$(mktemp -d /tmp/wagelyn-cups.XXXXXX)
chmod 0755 "$dir"  # the filters run as user lp
mkdir -p "$dir"/etc/ppd "$dir"/spool/tmp "$dir"/cache "$dir"/state "$dir"/log "$dir"/out \
    "$dir"/pdf-spool "$dir"/home
cupsd_pid=""
cleanup() {
    local status=$?
    # Whatever failed, the server's own account of it.
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
        echo "--- print server log ---" >&2
        cat "$dir"/log/* >&2 || true
    fi
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
CONF
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
cat >"$dir/cups-pdf.conf" <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdf-spool
TitlePref 1
Grp root
CONF

# cups-pdf reads only /etc/cups/cups-pdf.conf: only this cupsd sees ours.
unshare -m bash -c "mount --bind '$dir/cups-pdf.conf' /etc/cups/cups-pdf.conf && \
    exec cupsd -f -c '$dir/etc/cupsd.conf' -s '$dir/etc/cups-files.conf'" \
    </dev/null >"$dir/log/cupsd.out" 2>&1 &
cupsd_pid=$!

export CUPS_SERVER="$dir/cups.sock"
export HOME="$dir/home"
unset PRINTER LPDEST
for _ in $(seq 100); do
    if [ -S "$CUPS_SERVER" ] && lpstat -r 2>/dev/null | grep -q 'is running'; then
        break
    fi
    sleep 0.1
done
lpadmin -p PDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
lpadmin -d PDF

WAGELYN_PRINT_OUT="$dir/out" "$@"
