# A private print server whose only queue, q, the default, writes each job to
# $cups/out.pdf; CUPS_SERVER points at it. For the end-to-end tests that print.
# Usage: source print_server.sh (after lib.sh); start_print_server, and
# stop_print_server in the test's exit trap.
start_print_server() {
  cups=$WORK/cups
  mkdir -p "$cups"/{spool,tmp,cache,state}
  # The print filters run as another user: they must reach the spooled files,
  # and the one turning PostScript (as Wine sends it) into PDF writes
  # temporary files of its own.
  chmod 755 "$WORK" "$cups"
  chmod 1777 "$cups/tmp"
  cat >"$cups/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $cups
StateDir $cups/state
CacheDir $cups/cache
RequestRoot $cups/spool
TempDir $cups/tmp
Printcap $cups/printcap
ErrorLog $cups/error_log
AccessLog $cups/access_log
PageLog $cups/page_log
CONF
  cat >"$cups/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
  CUPSD=$(command -v cupsd || echo /usr/sbin/cupsd)
  "$CUPSD" -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" &
  CUPSD_PID=$!
  export CUPS_SERVER=$cups/cups.sock
  wait_for 20 test -S "$cups/cups.sock"
  LPADMIN=$(command -v lpadmin || echo /usr/sbin/lpadmin)
  wait_for 20 "$LPADMIN" -p q -E -v "file://$cups/out.pdf" -P "$(dirname "${BASH_SOURCE[0]}")/../support/passthru.ppd"
  "$LPADMIN" -d q
}

stop_print_server() { kill "$CUPSD_PID" 2>/dev/null || true; }
