#!/usr/bin/env python3
"""Copies the symbols the application offers out of an unpacked Tabler icons
package (npm: @tabler/icons, MIT) into resources/symbols, and writes the
catalogue that maps symbol names to files.

Usage: npm pack @tabler/icons && tar xzf tabler-icons-*.tgz
       scripts/vendor_symbols.py package
"""
import shutil
import sys
from pathlib import Path

# symbol name -> candidate icon names, first that exists wins. A name ending in
# ".fill" takes the filled drawing when the set has one.
SYMBOLS = {
    "face.smiling": ["mood-smile"], "face.dashed": ["mood-empty"], "face.smiling.inverse": ["mood-happy"],
    "photo": ["photo"], "photo.on.rectangle": ["photo-square-rounded", "photo"], "camera": ["camera"],
    "globe": ["world"], "network": ["network"], "link": ["link"], "wifi": ["wifi"],
    "film": ["movie"], "video": ["video"], "tv": ["device-tv"], "play.rectangle": ["brand-youtube", "player-play"],
    "play": ["player-play"], "play.circle": ["circle-caret-right"], "pause": ["player-pause"],
    "pause.circle": ["player-pause"], "stop": ["player-stop"], "forward": ["player-track-next"],
    "backward": ["player-track-prev"], "shuffle": ["arrows-shuffle"], "repeat": ["repeat"],
    "music.note": ["music"], "music.note.list": ["playlist"], "mic": ["microphone"], "headphones": ["headphones"],
    "speaker": ["volume-3", "volume"], "speaker.wave.1": ["volume-2"], "speaker.wave.2": ["volume-2"],
    "speaker.wave.3": ["volume"], "speaker.slash": ["volume-off"],
    "star": ["star"], "star.circle": ["star"], "heart": ["heart"], "heart.circle": ["heart"],
    "bolt": ["bolt"], "flame": ["flame"], "sparkles": ["sparkles"], "crown": ["crown"], "rosette": ["award"],
    "trophy": ["trophy"], "trophy.circle": ["trophy"], "medal": ["medal"], "gift": ["gift"], "balloon": ["balloon"],
    "textformat": ["text-size"], "textformat.size": ["text-size"], "bold": ["bold"], "italic": ["italic"],
    "underline": ["underline"], "list.bullet": ["list"], "list.number": ["list-numbers"], "quote.bubble": ["quote"],
    "text.alignleft": ["align-left"], "text.aligncenter": ["align-center"], "text.alignright": ["align-right"],
    "exclamationmark.triangle": ["alert-triangle"], "exclamationmark.circle": ["alert-circle"],
    "exclamationmark.octagon": ["alert-octagon"], "info.circle": ["info-circle"], "questionmark.circle": ["help-circle"],
    "checkmark": ["check"], "checkmark.circle": ["circle-check"], "checkmark.square": ["square-check"],
    "xmark": ["x"], "xmark.circle": ["circle-x"], "plus": ["plus"], "plus.circle": ["circle-plus"],
    "minus": ["minus"], "minus.circle": ["circle-minus"], "nosign": ["ban"],
    "bubble.left": ["message"], "bubble.right": ["message-2"], "bubble.left.and.bubble.right": ["messages"],
    "message": ["message-circle"], "envelope": ["mail"], "envelope.open": ["mail-opened"], "paperplane": ["send"],
    "phone": ["phone"], "phone.circle": ["phone-call", "phone"], "megaphone": ["speakerphone"],
    "bell": ["bell"], "bell.slash": ["bell-off"],
    "hand.thumbsup": ["thumb-up"], "hand.thumbsdown": ["thumb-down"], "hand.raised": ["hand-stop"],
    "hand.wave": ["hand-move", "hand-stop"], "hand.point.right": ["hand-finger-right", "hand-finger"],
    "person": ["user"], "person.circle": ["user-circle"], "person.crop.circle": ["user-circle"],
    "person.2": ["users"], "person.3": ["users-group", "users"], "figure.walk": ["walk"],
    "figure.roll": ["wheelchair"], "accessibility": ["accessible"], "figure.child": ["mood-kid"],
    "house": ["home"], "building": ["building"], "building.2": ["buildings"], "building.columns": ["building-bank"],
    "storefront": ["building-store"], "cart": ["shopping-cart"], "bag": ["shopping-bag"], "basket": ["basket"],
    "creditcard": ["credit-card"], "banknote": ["cash-banknote"], "dollarsign.circle": ["coin"],
    "eurosign.circle": ["currency-euro"], "tag": ["tag"], "percent": ["percentage"], "barcode": ["barcode"],
    "qrcode": ["qrcode"], "ticket": ["ticket"],
    "calendar": ["calendar"], "clock": ["clock"], "alarm": ["alarm"], "timer": ["clock-hour-4", "clock"],
    "hourglass": ["hourglass"], "stopwatch": ["stopwatch"],
    "map": ["map"], "mappin": ["map-pin"], "mappin.circle": ["map-pin"], "location": ["navigation"],
    "signpost.right": ["signature", "arrow-right"], "car": ["car"], "bus": ["bus"], "tram": ["train"],
    "airplane": ["plane"], "bicycle": ["bike"], "ferry": ["ship"], "fuelpump": ["gas-station"], "parkingsign": ["parking"],
    "sun.max": ["sun"], "moon": ["moon"], "cloud": ["cloud"], "cloud.rain": ["cloud-rain"], "cloud.snow": ["cloud-snow"],
    "cloud.bolt": ["cloud-storm"], "snowflake": ["snowflake"], "wind": ["wind"], "thermometer": ["temperature"],
    "umbrella": ["umbrella"], "drop": ["droplet"], "leaf": ["leaf"], "tree": ["tree"], "pawprint": ["paw"],
    "cup.and.saucer": ["coffee"], "fork.knife": ["tools-kitchen-2", "tools-kitchen"], "wineglass": ["glass"],
    "birthday.cake": ["cake"], "carrot": ["carrot"],
    "book": ["book"], "books.vertical": ["books"], "bookmark": ["bookmark"], "graduationcap": ["school"],
    "newspaper": ["news"], "doc": ["file"], "doc.text": ["file-text"], "folder": ["folder"], "archivebox": ["archive"],
    "paperclip": ["paperclip"], "pencil": ["pencil"], "square.and.pencil": ["edit"], "trash": ["trash"],
    "printer": ["printer"], "scissors": ["scissors"], "paintbrush": ["brush"], "paintpalette": ["palette"],
    "gear": ["settings"], "wrench": ["tool"], "hammer": ["hammer"], "wrench.and.screwdriver": ["tools"],
    "lock": ["lock"], "lock.open": ["lock-open"], "key": ["key"], "shield": ["shield"], "eye": ["eye"],
    "eye.slash": ["eye-off"], "magnifyingglass": ["search"], "flag": ["flag"], "pin": ["pin"],
    "square.and.arrow.up": ["share"], "square.and.arrow.down": ["download"], "arrow.down.circle": ["circle-arrow-down"],
    "arrow.up.circle": ["circle-arrow-up"], "arrow.right.circle": ["circle-arrow-right"],
    "arrow.left.circle": ["circle-arrow-left"], "arrow.right": ["arrow-right"], "arrow.left": ["arrow-left"],
    "arrow.up": ["arrow-up"], "arrow.down": ["arrow-down"], "chevron.right": ["chevron-right"],
    "chevron.left": ["chevron-left"], "chevron.up": ["chevron-up"], "chevron.down": ["chevron-down"],
    "arrow.clockwise": ["refresh"], "arrow.uturn.left": ["arrow-back-up"],
    "power": ["power"], "battery.100": ["battery-4"], "lightbulb": ["bulb"], "cpu": ["cpu"], "desktopcomputer": ["device-desktop"],
    "laptopcomputer": ["device-laptop"], "iphone": ["device-mobile"], "ipad": ["device-tablet"], "display": ["device-desktop"],
    "keyboard": ["keyboard"], "printer.fill.and.paper.fill": ["printer"], "antenna.radiowaves.left.and.right": ["antenna"],
    "cross.case": ["first-aid-kit"], "pills": ["pill"], "stethoscope": ["stethoscope"], "heart.text.square": ["heartbeat"],
    "bandage": ["bandage"], "staroflife": ["emergency-bed", "first-aid-kit"],
    "sportscourt": ["ball-basketball"], "soccerball": ["ball-football"], "figure.run": ["run"], "dumbbell": ["barbell"],
    "rectangle": ["rectangle"], "rectangle.portrait": ["rectangle-vertical"],
    "rectangle.on.rectangle": ["box-multiple"], "plus.rectangle.on.rectangle": ["copy-plus", "square-plus"],
    "doc.on.doc": ["copy"], "square.grid.2x2": ["layout-grid"], "slider.horizontal.3": ["adjustments-horizontal"],
    "minus.magnifyingglass": ["zoom-out"], "plus.magnifyingglass": ["zoom-in"], "gearshape": ["settings"],
    "line.3.horizontal": ["menu-2"],
    "gamecontroller": ["device-gamepad"], "puzzlepiece": ["puzzle"], "dice": ["dice"],
    "house.circle": ["home"], "wifi.circle": ["wifi"], "clock.circle": ["clock"], "info.square": ["info-square"],
}


def main():
    package = Path(sys.argv[1])
    outline = {p.stem for p in (package / "icons/outline").glob("*.svg")}
    filled = {p.stem for p in (package / "icons/filled").glob("*.svg")}
    target = Path(__file__).resolve().parent.parent / "resources/symbols"
    for folder in ("outline", "filled"):
        shutil.rmtree(target / folder, ignore_errors=True)
        (target / folder).mkdir(parents=True)
    lines = []
    for name, candidates in sorted(SYMBOLS.items()):
        icon = next((c for c in candidates if c in outline), None)
        if icon is None:
            sys.exit(f"no icon for {name}: {candidates}")
        shutil.copy(package / f"icons/outline/{icon}.svg", target / f"outline/{icon}.svg")
        lines.append(f"{name}\t{icon}\toutline")
        # The ".fill" form: the filled drawing where the set has one, else the outline drawn heavier.
        if icon in filled:
            shutil.copy(package / f"icons/filled/{icon}.svg", target / f"filled/{icon}.svg")
            lines.append(f"{name}.fill\t{icon}\tfilled")
        else:
            lines.append(f"{name}.fill\t{icon}\toutline")
    (target / "catalog.tsv").write_text("\n".join(lines) + "\n")
    shutil.copy(package / "LICENSE", target / "LICENSE")
    print(f"{len(SYMBOLS)} symbols, {len(lines)} names")


main()
