# A desktop's message buses for a check or a measurement: a private D-Bus
# session bus (dbus-daemon with its own configuration, listening in the
# given runtime folder, the installed session services startable on demand)
# and on it the accessibility bus launcher, which writes the accessibility
# bus's address on the X root window as at a desktop's login. Source it.
#
# start_desktop_bus RUNTIME_DIR CONFIG_FILE [NO_LAUNCHER]: needs DISPLAY;
# sets desktop_bus (the session bus's address), desktop_bus_pids (what it
# started, the caller ends them newest first) and a11y_bus (the
# accessibility bus's address, empty without at-spi2-core or with
# NO_LAUNCHER). The launcher keeps its settings in memory.
a11y_launcher=${A11Y_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}
start_desktop_bus() {
    local runtime=$1 config=$2 pid
    cat >"$config" <<XML
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$runtime</listen>
  <standard_session_servicedirs/>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
XML
    desktop_bus_pids=()
    a11y_bus=""
    { read -r desktop_bus && read -r pid; } < <(dbus-daemon --config-file="$config" --fork --print-address=1 \
        --print-pid=1)
    desktop_bus_pids+=("$pid")
    [[ -z ${3:-} && -x $a11y_launcher ]] || return 0
    DBUS_SESSION_BUS_ADDRESS=$desktop_bus XDG_RUNTIME_DIR=$runtime GSETTINGS_BACKEND=memory \
        "$a11y_launcher" --launch-immediately >/dev/null 2>&1 &
    desktop_bus_pids+=($!)
    local _
    for _ in $(seq 200); do
        a11y_bus=$(xprop -root AT_SPI_BUS 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')
        [[ -n $a11y_bus ]] && return 0
        sleep 0.05
    done
    echo "the accessibility bus launcher wrote no address" >&2
    return 1
}
