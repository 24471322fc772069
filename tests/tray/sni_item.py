#!/usr/bin/python3
"""Reads the StatusNotifierItem registered with the session bus's watcher, as a tray host does.

sni_item.py show      prints the item's Title, Status, its ToolTip's title and the lines of its
                      description (its markup read as XML), the sizes of its IconPixmap, whether every
                      pixmap is a red page with white digits, and a digest of the pixmaps
sni_item.py activate  asks the item to open, as a left click on it in a host does
sni_item.py menu      prints the item's com.canonical.dbusmenu layout, an entry a line,
                      indented by depth: its label, [x] or [ ] when it is a checkmark, and
                      "-" for a separator
sni_item.py registered  fails unless one item is registered, with a host or without
sni_item.py click L   clicks the menu's entry whose label is L, as a host does
Fails when no item or more than one is registered.
"""
import hashlib
import sys
from xml.etree import ElementTree

import dbus

ITEM = "org.kde.StatusNotifierItem"
WATCHER = "org.kde.StatusNotifierWatcher"


def the_item(bus, with_host=True):
    watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")
    properties = dbus.Interface(watcher, "org.freedesktop.DBus.Properties")
    if with_host and not properties.Get(WATCHER, "IsStatusNotifierHostRegistered"):
        sys.exit("no host registered with the watcher")
    items = properties.Get(WATCHER, "RegisteredStatusNotifierItems")
    if len(items) != 1:
        sys.exit("registered items: %s" % list(items))
    # An item is registered as a bus name, or as a bus name and a path.
    name, _, path = str(items[0]).partition("/")
    return bus.get_object(name, "/" + path if path else "/StatusNotifierItem")


def page_and_digits(width, height, argb):
    """True when the pixmap's commonest opaque colour is red and its lightest is white."""
    counts = {}
    lightest = 0
    for at in range(0, len(argb), 4):
        a, r, g, b = argb[at:at + 4]
        if a == 255:
            counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
            lightest = max(lightest, min(r, g, b))
    if len(argb) != width * height * 4 or not counts:
        return False
    r, g, b = max(counts, key=counts.get)
    return r > 150 and g < 60 and b < 60 and lightest > 240


def plain(line):
    """The line without the direction embedding (LRE or RLE ... PDF) it comes in."""
    embedded = len(line) >= 2 and line[0] in "\u202a\u202b" and line[-1] == "\u202c"
    return line[1:-1] if embedded else line


def entries(layout, depth=0):
    """Yields (depth, id, properties) for the layout's entry and those under it."""
    ident, props, children = layout
    yield depth, int(ident), props
    for child in children:
        yield from entries(child, depth + 1)


def menu(bus, item):
    path = dbus.Interface(item, "org.freedesktop.DBus.Properties").Get(ITEM, "Menu")
    exported = dbus.Interface(bus.get_object(item.bus_name, path), "com.canonical.dbusmenu")
    _, layout = exported.GetLayout(0, -1, [])
    return exported, list(entries(layout))[1:]


def main():
    bus = dbus.SessionBus()
    if sys.argv[1] == "registered":
        the_item(bus, with_host=False)
        return
    item = the_item(bus)
    if sys.argv[1] == "activate":
        dbus.Interface(item, ITEM).Activate(dbus.Int32(500), dbus.Int32(10))
        return
    if sys.argv[1] in ("menu", "click"):
        exported, found = menu(bus, item)
        for depth, ident, props in found:
            label = plain(str(props.get("label", "")))
            if sys.argv[1] == "click" and label == sys.argv[2]:
                exported.Event(ident, "clicked", dbus.String("", variant_level=1), dbus.UInt32(0))
                return
            if props.get("type") == "separator":
                label = "-"
            elif props.get("toggle-type") == "checkmark":
                label += " [x]" if props.get("toggle-state") == 1 else " [ ]"
            if sys.argv[1] == "menu":
                print("  " * (depth - 1) + label)
        if sys.argv[1] == "click":
            sys.exit("no entry %r in the menu" % sys.argv[2])
        return
    properties = dbus.Interface(item, "org.freedesktop.DBus.Properties").GetAll(ITEM)
    print("title", properties["Title"])
    print("status", properties["Status"])
    _, _, title, text = properties["ToolTip"]
    print("tooltip-title", plain(str(title)))
    # The description is markup to a host: read as strictly as XML reads it.
    read = "".join(ElementTree.fromstring("<m>%s</m>" % text).itertext()) if text else ""
    for line in read.split("\n") if read else []:
        print("tooltip", plain(line))
    pixmaps = [(int(w), int(h), bytes(bytearray(data))) for w, h, data in properties["IconPixmap"]]
    print("sizes", *(w for w, h, _ in pixmaps))
    print("drawn", all(page_and_digits(*p) for p in pixmaps))
    print("digest", hashlib.sha1(b"".join(data for _, _, data in pixmaps)).hexdigest())


main()
