#!/usr/bin/python3
"""Walks Rotants' window through AT-SPI, as a screen reader reads it, and
checks what a blind user depends on. Run by run-atspi-check inside its own
D-Bus session, Xvfb display and accessibility bus.

Usage: check_window.py LANGUAGE
Prints one line per fault and exits 1 when there is any."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

INTERACTIVE = {'push button', 'check box', 'combo box', 'text', 'slider', 'spin button',
               'table', 'toggle button', 'radio button'}
faults = []


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == 'rotants':
                return app
        time.sleep(0.1)
    sys.exit('the program did not appear on the accessibility bus')


def nodes(node, shown_only=False):
    """node and its descendants, the menus left out; with shown_only, no
    part of a hidden one (a hidden table's cells may still say they show)."""
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None or child.getRoleName() == 'menu bar':
            continue
        if shown_only and not showing(child):
            continue
        yield from nodes(child, shown_only)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def labels(node):
    """The roles of the nodes that label node."""
    return [r.getTarget(i).getRoleName() for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets())]


def focused(app):
    for node in nodes(app, shown_only=True):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
    return None


def key(name):
    subprocess.run(['xdotool', 'key', name], check=True)
    time.sleep(0.15)


def check_names(app):
    for node in nodes(app):
        role = node.getRoleName()
        if role not in INTERACTIVE or not showing(node):
            continue
        if not node.name.strip():
            faults.append(f'a {role} has no name')
        # Qt names a drop-down by its shown text: its purpose comes from the
        # label it is the buddy of, as an edit box's does from the label over
        # it (the group box around a box labels it too, but says less).
        if role in ('combo box', 'text') and 'label' not in labels(node):
            faults.append(f'the {role} "{node.name}" has no label')


def check_hidden(app):
    places = {}
    for node in nodes(app):
        if node.getRoleName() != 'push button' or not showing(node):
            continue
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        place = (extents.x, extents.y, extents.width, extents.height)
        if place in places:
            faults.append(f'"{places[place]}" and "{node.name}" both show at {place}')
        places[place] = node.name


def events_during(kind, action, seconds=0.5, detail1=True):
    """The sources of the events of kind (with detail1 set, unless detail1 is
    false) while action runs and for seconds after."""
    events = []
    listener = lambda event: events.append(event.source) if event.detail1 or not detail1 else None
    pyatspi.Registry.registerEventListener(listener, kind)
    action()
    collect(events, seconds)
    pyatspi.Registry.deregisterEventListener(listener, kind)
    return events


def roles(sources, role):
    return [node for node in sources if node.getRoleName() == role]


def check_table(app, headings, spectrum):
    """A reader counts one row per harmonic, named by its number, under the
    column headings; the table says nothing while the focus is elsewhere, and
    moving its focus says which harmonic it is on."""
    node = next(n for n in nodes(app) if n.getRoleName() == 'table')
    table = node.queryTable()
    names = [table.getRowDescription(row) for row in range(table.nRows)]
    if names != [str(k) for k in range(26)]:
        faults.append(f'the table\'s rows are named {names}, not by harmonics 0 to 25')
    columns = [table.getColumnDescription(column) for column in range(table.nColumns)]
    if columns != list(headings):
        faults.append(f'the table\'s columns are named {columns}, not {list(headings)}')
    strip = next(n for n in nodes(app) if n.getRoleName() == 'image' and n.name == spectrum)
    strip.queryComponent().grabFocus()
    collect([], 0.3)
    cells = roles(events_during('object:state-changed:focused', lambda: key('Right')),
                  'table cell')
    if cells:
        faults.append(f'a harmonic chosen in the spectrum moves the focus to {len(cells)} cells')
    node.queryComponent().grabFocus()
    collect([], 0.3)
    key('ctrl+Home')
    collect([], 0.5)
    cells = roles(events_during('object:state-changed:focused', lambda: key('Down')),
                  'table cell')
    rows = [table.getRowAtIndex(cell.getIndexInParent()) for cell in cells]
    if rows != [1] or table.getRowHeader(1).name != '1':
        faults.append(f'Down from harmonic 0 gives focus to rows {rows}, not to harmonic 1')


def check_update(app, magnitude):
    """A value typed and applied with Return is heard: the focused box's
    description names the row as the table now reads it."""
    box = next(n for n in nodes(app, shown_only=True)
               if n.getRoleName() == 'text' and n.name == magnitude)
    box.queryComponent().grabFocus()
    collect([], 0.3)
    key('ctrl+a')
    subprocess.run(['xdotool', 'type', '0.25'], check=True)
    changed = events_during('object:property-change:accessible-description',
                            lambda: key('Return'), detail1=False)
    if box not in changed or '0.2500' not in box.description:
        faults.append(f'Return in the {magnitude} box is not announced ("{box.description}")')
    key('ctrl+a')
    subprocess.run(['xdotool', 'type', '20'], check=True)
    spoken = roles(events_during('object:state-changed:showing', lambda: key('Return')),
                   'notification')
    if [('20' in node.name) for node in spoken] != [True]:
        faults.append(f'a value out of range is announced {len(spoken)} times, not once')


def check_notices(app):
    """The result of every check is spoken though the focus is elsewhere, a
    second one that reads as the first too."""
    for attempt in (1, 2):
        spoken = roles(events_during('object:state-changed:showing', lambda: key('ctrl+Return')),
                       'notification')
        if [bool(node.name) for node in spoken] != [True]:
            faults.append(f'check {attempt} is announced {len(spoken)} times, not once')


def check_tab_order(app, expected):
    seen = []
    for _ in range(60):
        key('Tab')
        node = focused(app)
        if node is not None:
            seen.append(node.name)
    for name in expected:
        if name not in seen:
            faults.append(f'Tab never reaches "{name}" (it reaches {sorted(set(seen))})')


def collect(events, seconds):
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def check_description_events(app, plot_name):
    """A key that steps the focused plot is announced; while it plays, the
    announcements come at most about twice a second."""
    events = []
    kind = 'object:property-change:accessible-description'
    listener = lambda event: events.append(event)
    pyatspi.Registry.registerEventListener(listener, kind)
    plot = next(n for n in nodes(app) if n.getRoleName() == 'image' and n.name == plot_name)
    plot.queryComponent().grabFocus()
    collect(events, 0.5)
    events.clear()
    before = plot.description
    key('Right')
    collect(events, 0.3)
    if not events:
        faults.append(f'no description change is announced when a key steps the {plot_name}')
    elif plot.description == before:
        faults.append(f'the {plot_name} describes the same after a step')
    key('alt+p')  # Play takes the focus; the plot is given it back
    plot.queryComponent().grabFocus()
    collect(events, 0.2)
    events.clear()
    collect(events, 3.0)
    key('alt+s')
    if not 3 <= len(events) <= 8:
        faults.append(f'{len(events)} announcements in 3 s of playing, not about 6')
    pyatspi.Registry.deregisterEventListener(listener, kind)


def main():
    language = sys.argv[1]
    names, headings = {
        'en': (('Time plot', 'Phasor plane', 'Spectrum', 'Play', 'Sound On', 'Check', 'Level'),
               ('Harmonic', 'Magnitude', 'Angle (°)')),
        'de': (('Zeitdiagramm', 'Zeigerebene', 'Spektrum', 'Abspielen', 'Ton ein', 'Prüfen',
                'Stufe'), ('Harm.', 'Betrag', 'Winkel/°')),
    }[language]
    app = find_app()
    # Without a window manager the keyboard goes where X puts the focus.
    subprocess.run(['xdotool', 'search', '--sync', '--name', '^Rotants', 'windowfocus', '--sync'],
                   check=True, stdout=subprocess.DEVNULL)
    check_names(app)
    check_hidden(app)
    check_tab_order(app, names)
    check_description_events(app, names[0])
    # The editor, over the phasor plane: its table takes the focus.
    cells = roles(events_during('object:state-changed:focused', lambda: key('alt+e')),
                  'table cell')
    if not cells:
        faults.append('opening the editor does not say the table\'s current row')
    check_names(app)
    check_table(app, headings, names[2])
    check_update(app, headings[1])
    check_notices(app)
    for fault in faults:
        print(f'{language}: {fault}')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
