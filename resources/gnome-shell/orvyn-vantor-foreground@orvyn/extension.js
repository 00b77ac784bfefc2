// Tells the keyboard's Monitor which window has the focus: its process, WM
// class and title, on the session bus, with a signal at each change. Mutter
// gives no other program this on Wayland.
'use strict';

const { Gio, GLib } = imports.gi;

const BUS_NAME = 'org.orvyn.Vantor.FocusedWindow';
const OBJECT_PATH = '/org/orvyn/Vantor/FocusedWindow';
const INTERFACE = `<node>
  <interface name="org.orvyn.Vantor.FocusedWindow">
    <method name="Get">
      <arg type="i" direction="out" name="pid"/>
      <arg type="s" direction="out" name="wmClass"/>
      <arg type="s" direction="out" name="title"/>
    </method>
    <method name="WindowPids">
      <arg type="ai" direction="out" name="pids"/>
    </method>
    <signal name="Changed">
      <arg type="i" name="pid"/>
      <arg type="s" name="wmClass"/>
      <arg type="s" name="title"/>
    </signal>
  </interface>
</node>`;

class FocusedWindow {
    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(INTERFACE, this);
        this._object.export(Gio.DBus.session, OBJECT_PATH);
        this._name = Gio.bus_own_name_on_connection(Gio.DBus.session, BUS_NAME,
            Gio.BusNameOwnerFlags.REPLACE, null, null);
        this._focus = global.display.connect('notify::focus-window', () => {
            this._object.emit_signal('Changed', new GLib.Variant('(iss)', this.Get()));
        });
    }

    disable() {
        global.display.disconnect(this._focus);
        Gio.bus_unown_name(this._name);
        this._object.unexport();
        this._object = null;
    }

    Get() {
        const window = global.display.focus_window;
        if (!window)
            return [0, '', ''];
        return [window.get_pid(), window.get_wm_class() || '', window.get_title() || ''];
    }

    WindowPids() {
        return global.get_window_actors()
            .map(actor => actor.meta_window)
            .filter(window => !window.is_skip_taskbar())
            .map(window => window.get_pid());
    }
}

function init() {
    return new FocusedWindow();
}
