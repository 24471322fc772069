#!/usr/bin/python3
"""Reads the StatusNotifierItem registered with the session bus's watcher, as a tray host does.

sni_item.py show      prints the item's Title, Status, ToolTip text (one line per line), the
                      sizes of its IconPixmap, whether every pixmap is a red page with white
                      digits, and a digest of the pixmaps
sni_item.py activate  asks the item to open, as a left click on it in a host does
Fails when no item or more than one is registered.
"""
import hashlib
import sys

import dbus

ITEM = "org.kde.StatusNotifierItem"
WATCHER = "org.kde.StatusNotifierWatcher"


def the_item(bus):
    watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")
    properties = dbus.Interface(watcher, "org.freedesktop.DBus.Properties")
    if not properties.Get(WATCHER, "IsStatusNotifierHostRegistered"):
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


def main():
    bus = dbus.SessionBus()
    item = the_item(bus)
    if sys.argv[1] == "activate":
        dbus.Interface(item, ITEM).Activate(dbus.Int32(500), dbus.Int32(10))
        return
    properties = dbus.Interface(item, "org.freedesktop.DBus.Properties").GetAll(ITEM)
    print("title", properties["Title"])
    print("status", properties["Status"])
    _, _, title, text = properties["ToolTip"]
    for line in (str(title) + ("\n" + str(text) if text else "")).split("\n"):
        # each line comes embedded in its own direction (LRE or RLE ... PDF): read without them
        embedded = len(line) >= 2 and line[0] in "\u202a\u202b" and line[-1] == "\u202c"
        print("tooltip", line[1:-1] if embedded else line)
    pixmaps = [(int(w), int(h), bytes(bytearray(data))) for w, h, data in properties["IconPixmap"]]
    print("sizes", *(w for w, h, _ in pixmaps))
    print("drawn", all(page_and_digits(*p) for p in pixmaps))
    print("digest", hashlib.sha1(b"".join(data for _, _, data in pixmaps)).hexdigest())


main()
