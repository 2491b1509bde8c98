# Sourced by the scripts that run many Wine programs in a row. Starts one
# wineserver for the whole run, made persistent, with Wine's own processes
# (services, the desktop) already running; the EXIT trap ends it all.
#
# Why: a server left to its default persistence shuts down three seconds
# after the last program ends, and a program starting while it does so
# fails at once, silently. And Wine's own processes inherit the standard
# handles of whichever program starts them: started by a test, they would
# hold ctest's output pipe open until its timeout.
# Needs WINEPREFIX (and KESTREL_WINEPREFIX) set and the repository as the
# working directory.

start_wine_server() {
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 || true # makes the prefix once
  wineserver -k >/dev/null 2>&1 || true                   # ends that server, or one left behind
  wineserver -w
  wineserver -p
  scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 || true # starts Wine's own processes
}
