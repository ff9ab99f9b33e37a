<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ArrangeActions</name>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="35"/>
        <source>Align Left Edges</source>
        <translation>Linke Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="36"/>
        <source>Align Horizontal Centres</source>
        <translation>Horizontal zentrieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="37"/>
        <source>Align Right Edges</source>
        <translation>Rechte Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="38"/>
        <source>Align Top Edges</source>
        <translation>Obere Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="39"/>
        <source>Align Vertical Centres</source>
        <translation>Vertikal zentrieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="40"/>
        <source>Align Bottom Edges</source>
        <translation>Untere Kanten ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="41"/>
        <source>Distribute Horizontally</source>
        <translation>Horizontal verteilen</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="42"/>
        <source>Distribute Vertically</source>
        <translation>Vertikal verteilen</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="43"/>
        <source>Match Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <location filename="../../src/editor/arrange_actions.cpp" line="44"/>
        <source>Match Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
</context>
<context>
    <name>BackgroundRenderer</name>
    <message>
        <location filename="../../src/render/background_renderer.cpp" line="77"/>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <location filename="../../src/export/check_texts.cpp" line="49"/>
        <source>the %1 “%2”</source>
        <translation>%1 „%2“</translation>
    </message>
    <message>
        <location filename="../../src/export/check_texts.cpp" line="50"/>
        <source>the %1 at %2, %3</source>
        <translation>%1 bei %2, %3</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="43"/>
        <location filename="../../src/export/show_check.cpp" line="116"/>
        <location filename="../../src/export/show_check.cpp" line="150"/>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="65"/>
        <source>%1 “%2” does not decode as a picture: save it again as PNG or JPEG, or choose another.</source>
        <translation>%1 „%2“ lässt sich nicht als Bild lesen: Speichern Sie es erneut als PNG oder JPEG, oder wählen Sie ein anderes.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="73"/>
        <source>%1 “%2” is missing: put the file back or choose another.</source>
        <translation>%1 „%2“ fehlt: Legen Sie die Datei zurück oder wählen Sie eine andere.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="79"/>
        <source>%1 “%2” is a folder, not a file: choose the file itself.</source>
        <translation>%1 „%2“ ist ein Ordner, keine Datei: Wählen Sie die Datei selbst.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="84"/>
        <source>%1 “%2” is no regular file (a pipe or a device): choose a file.</source>
        <translation>%1 „%2“ ist keine normale Datei (eine Pipe oder ein Gerät): Wählen Sie eine Datei.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="110"/>
        <source>%1 “%2” has %3 pixels but is shown at %4, enlarged %5× (more than %6× looks blurry): use a larger picture or show it smaller.</source>
        <translation>%1 „%2“ hat %3 Pixel, wird aber in %4 gezeigt, %5-fach vergrößert (mehr als %6-fach wirkt unscharf): Nehmen Sie ein größeres Bild oder zeigen Sie es kleiner.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="118"/>
        <source>%1 “%2” has %3 pixels but is shown at %4, more than %5× larger than it is shown: a smaller copy makes the bundle lighter and loads faster.</source>
        <translation>%1 „%2“ hat %3 Pixel, wird aber in %4 gezeigt und ist damit mehr als %5-mal größer als nötig: Eine kleinere Kopie macht das Paket leichter und lädt schneller.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="173"/>
        <location filename="../../src/export/screen_rules.cpp" line="185"/>
        <source>The background picture</source>
        <translation>Das Hintergrundbild</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="193"/>
        <location filename="../../src/export/screen_rules.cpp" line="196"/>
        <source>The picture</source>
        <translation>Das Bild</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="203"/>
        <source>The video</source>
        <translation>Das Video</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="129"/>
        <source>Videos or web views are not supported for this mode: in high-performance mode %1 shows as a still placeholder. Deploy without the mode, or replace it with a picture.</source>
        <translation>Videos oder Webansichten werden in diesem Modus nicht unterstützt: Im Hochleistungsmodus erscheint %1 als stehender Platzhalter. Stellen Sie ohne den Modus bereit oder ersetzen Sie es durch ein Bild.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="58"/>
        <source>%1 “%2” is not a video file a player can open: choose an MP4, MOV, MKV, WebM or AVI film.</source>
        <translation>%1 „%2“ ist keine Videodatei, die ein Player öffnen kann: Wählen Sie einen Film im Format MP4, MOV, MKV, WebM oder AVI.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="212"/>
        <source>%1 has the address “%2”, which is no web page: the display shows an error in its place. Type an address that begins with https:// or http://, or clear it to show the HTML content.</source>
        <translation>%1 hat die Adresse „%2“, die keine Webseite ist: Der Bildschirm zeigt an ihrer Stelle einen Fehler. Geben Sie eine Adresse ein, die mit https:// oder http:// beginnt, oder leeren Sie sie, um den HTML-Inhalt zu zeigen.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="220"/>
        <source>%1 loads its page from the network: the display computer must be online, or the screen shows an error page. Use a local page where the network may fail.</source>
        <translation>%1 lädt die Seite aus dem Netz: Der Anzeigecomputer muss online sein, sonst zeigt der Bildschirm eine Fehlerseite. Nehmen Sie eine lokale Seite, wo das Netz ausfallen kann.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="251"/>
        <source>%1 is entirely outside the screen (%2 × %3), so it never shows: move it onto the screen or delete it.</source>
        <translation>%1 liegt ganz außerhalb des Bildschirms (%2 × %3) und ist nie zu sehen: Verschieben Sie es auf den Bildschirm oder löschen Sie es.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="259"/>
        <source>%1 px past the left edge</source>
        <translation>%1 px über den linken Rand</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="261"/>
        <source>%1 px past the top edge</source>
        <translation>%1 px über den oberen Rand</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="263"/>
        <source>%1 px past the right edge</source>
        <translation>%1 px über den rechten Rand</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="265"/>
        <source>%1 px past the bottom edge</source>
        <translation>%1 px über den unteren Rand</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="267"/>
        <source>%1 reaches %2 of the screen and is cut off there: move it inside or make it smaller.</source>
        <translation>%1 reicht %2 des Bildschirms hinaus und wird dort abgeschnitten: Verschieben Sie es hinein oder verkleinern Sie es.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="269"/>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="284"/>
        <source>The screen shows %1 for %2 seconds; reading takes about %3 seconds (%4 words a second and %5 seconds to notice the screen): show it longer or say less.</source>
        <translation>Der Bildschirm zeigt %1 für %2 Sekunden; Lesen dauert etwa %3 Sekunden (%4 Wörter pro Sekunde und %5 Sekunden, um den Bildschirm zu bemerken): Zeigen Sie ihn länger oder kürzen Sie den Text.</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="286"/>
        <source>1 word</source>
        <translation>1 Wort</translation>
    </message>
    <message>
        <location filename="../../src/export/screen_rules.cpp" line="286"/>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="84"/>
        <source>Name the project in its settings.</source>
        <translation>Geben Sie dem Projekt in seinen Einstellungen einen Namen.</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="94"/>
        <source>The project name holds control characters or is longer than a folder name may be: the bundle is named “%1.bundle”. Rename the project to choose the name yourself.</source>
        <translation>Der Projektname enthält Steuerzeichen oder ist länger, als ein Ordnername sein darf: Das Bundle heißt „%1.bundle“. Benennen Sie das Projekt um, um den Namen selbst zu wählen.</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="103"/>
        <source>Set one in the project settings.</source>
        <translation>Legen Sie eines in den Projekteinstellungen fest.</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="108"/>
        <source>Add a screen.</source>
        <translation>Fügen Sie einen Bildschirm hinzu.</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="118"/>
        <source>Choose another resolution in the project settings.</source>
        <translation>Wählen Sie in den Projekteinstellungen eine andere Auflösung.</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="134"/>
        <source>The project’s default background picture “%1” does not decode as a picture: save it again as PNG or JPEG, or choose another in the project settings.</source>
        <translation>Das Standard-Hintergrundbild „%1“ des Projekts lässt sich nicht als Bild lesen: Speichern Sie es erneut als PNG oder JPEG, oder wählen Sie in den Projekteinstellungen ein anderes.</translation>
    </message>
    <message>
        <location filename="../../src/export/show_check.cpp" line="127"/>
        <source>The project’s default background picture “%1” is missing or no file: put it back or choose another in the project settings.</source>
        <translation>Das Standard-Hintergrundbild „%1“ des Projekts fehlt oder ist keine Datei: Legen Sie es zurück oder wählen Sie in den Projekteinstellungen ein anderes.</translation>
    </message>
    <message>
        <location filename="../../src/export/text_rules.cpp" line="131"/>
        <source>The text of %1 has a contrast of %2:1 with what lies under it; text of its size needs at least %3:1 to be read from a distance: change its colour or what is behind it.</source>
        <translation>Der Text von %1 hat einen Kontrast von %2:1 zu dem, was darunter liegt; Text dieser Größe braucht mindestens %3:1, um aus der Entfernung lesbar zu sein: Ändern Sie seine Farbe oder den Hintergrund.</translation>
    </message>
    <message>
        <location filename="../../src/export/text_rules.cpp" line="150"/>
        <source>%1 needs %2 × %3 pixels for its text but has %4 × %5, so words are cut off: make it larger, the text shorter or the font smaller.</source>
        <translation>%1 braucht für seinen Text %2 × %3 Pixel, hat aber %4 × %5, sodass Wörter abgeschnitten werden: Vergrößern Sie es, kürzen Sie den Text oder verkleinern Sie die Schrift.</translation>
    </message>
    <message>
        <location filename="../../src/export/text_rules.cpp" line="164"/>
        <source>%1 has text of %2 pixels, too small to read from across the room on a screen %3 pixels high: use at least %4 pixels (1/40 of the screen’s height).</source>
        <translation>%1 hat Text von %2 Pixeln, zu klein, um ihn quer durch den Raum auf einem %3 Pixel hohen Bildschirm zu lesen: Nehmen Sie mindestens %4 Pixel (1/40 der Bildschirmhöhe).</translation>
    </message>
    <message>
        <location filename="../../src/export/action_rules.cpp" line="36"/>
        <source>%1 is a button to a screen that is no longer in the show, so a tap on it does nothing: choose another screen under On Click.</source>
        <translation>%1 ist eine Schaltfläche zu einem Bildschirm, den es in der Show nicht mehr gibt; ein Tippen darauf bewirkt nichts: wählen Sie unter „Beim Klicken“ einen anderen Bildschirm.</translation>
    </message>
    <message>
        <location filename="../../src/export/action_rules.cpp" line="46"/>
        <source>Turn Autoplay On</source>
        <translation>Autoplay einschalten</translation>
    </message>
    <message>
        <location filename="../../src/export/action_rules.cpp" line="48"/>
        <source>%1 waits to be started, but it has no play button and nobody stands at a display to press one: it will only ever show its first frame. Turn Autoplay on.</source>
        <translation>%1 wartet darauf, gestartet zu werden, hat aber keine Wiedergabetaste, und an einem Display steht niemand, der sie drücken könnte: Es zeigt immer nur sein erstes Bild. Schalten Sie Autoplay ein.</translation>
    </message>
    <message>
        <location filename="../../src/export/schedule_check.cpp" line="100"/>
        <source>Nothing plays from %1 to %2: the display shows black. Give a screen no schedule, or widen a window to cover that time.</source>
        <translation>Von %1 bis %2 läuft nichts: Die Anzeige bleibt schwarz. Geben Sie einem Bildschirm keinen Zeitplan oder erweitern Sie ein Zeitfenster, sodass es diese Zeit abdeckt.</translation>
    </message>
    <message>
        <location filename="../../src/export/schedule_check.cpp" line="129"/>
        <source>Its dates ended on %1: it no longer plays. Change its dates or delete the screen.</source>
        <translation>Sein Zeitraum endete am %1: Er läuft nicht mehr. Ändern Sie die Daten oder löschen Sie den Bildschirm.</translation>
    </message>
    <message>
        <location filename="../../src/export/schedule_check.cpp" line="144"/>
        <source>Its times never meet the opening hours: it never plays. Move its windows into the opening hours.</source>
        <translation>Seine Zeiten liegen nie in den Öffnungszeiten: Er läuft nie. Legen Sie seine Zeitfenster in die Öffnungszeiten.</translation>
    </message>
    <message>
        <location filename="../../src/export/schedule_check.cpp" line="146"/>
        <source>Its dates and weekdays never meet: it never plays. Choose a weekday within its dates.</source>
        <translation>Sein Zeitraum und seine Wochentage treffen sich nie: Er läuft nie. Wählen Sie einen Wochentag innerhalb des Zeitraums.</translation>
    </message>
    <message>
        <location filename="../../src/export/schedule_check.cpp" line="164"/>
        <source>This alert and “%1” are both due on %2: they take turns. Move one of their windows if one should win.</source>
        <translation>Diese Meldung und „%1“ sind beide am %2 fällig: Sie wechseln sich ab. Verschieben Sie ein Zeitfenster, wenn eine Vorrang haben soll.</translation>
    </message>
    <message>
        <location filename="../../src/export/live_component_rules.cpp" line="24"/>
        <source>%1 is drawn once, when the slides are made: in high-performance mode it stands still at that moment on the display. Deploy without the mode to keep it moving.</source>
        <translation>%1 wird einmal gezeichnet, wenn die Folien entstehen: Im Hochleistungsmodus steht es auf der Anzeige bei diesem Zeitpunkt still. Stellen Sie ohne den Modus bereit, damit es sich bewegt.</translation>
    </message>
    <message>
        <location filename="../../src/export/live_component_rules.cpp" line="34"/>
        <source>%1 has no date it can read (“%2”): write it as 2027-01-01T09:00.</source>
        <translation>%1 hat kein lesbares Datum („%2“): Schreiben Sie es als 2027-01-01T09:00.</translation>
    </message>
    <message>
        <location filename="../../src/export/live_component_rules.cpp" line="40"/>
        <source>%1 counts down to %2, which has passed: it shows “%3”. Choose a later moment, or remove it.</source>
        <translation>%1 zählt bis %2 herunter, was vorbei ist: Es zeigt „%3“. Wählen Sie einen späteren Zeitpunkt oder entfernen Sie es.</translation>
    </message>
    <message>
        <location filename="../../src/export/live_component_rules.cpp" line="57"/>
        <source>%1 has the feed “%2”, which is no web address: it shows its typed text. Type an address that begins with https://.</source>
        <translation>%1 hat den Feed „%2“, der keine Webadresse ist: Es zeigt seinen eingegebenen Text. Geben Sie eine Adresse ein, die mit https:// beginnt.</translation>
    </message>
    <message>
        <location filename="../../src/export/live_component_rules.cpp" line="67"/>
        <source>%1 shows its feed as fetched at deploy time until the display fetches it again, and its screen first plays on %2: offline, the news will be older than a day. Deploy again nearer the day, or keep the display online.</source>
        <translation>%1 zeigt seinen Feed so, wie er bei der Bereitstellung geholt wurde, bis die Anzeige ihn neu holt, und sein Bildschirm läuft erst am %2: Offline sind die Meldungen dann älter als einen Tag. Stellen Sie näher am Tag erneut bereit oder halten Sie die Anzeige online.</translation>
    </message>
</context>
<context>
    <name>ClientText</name>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="46"/>
        <source>%1: HTTP %2</source>
        <translation>%1: HTTP %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="47"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="104"/>
        <source>The manifest is larger than 10 MB.</source>
        <translation>Das Manifest ist größer als 10 MB.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="115"/>
        <source>The manifest could not be fetched</source>
        <translation>Das Manifest konnte nicht geladen werden</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="146"/>
        <source>The signature could not be fetched</source>
        <translation>Die Signatur konnte nicht geladen werden</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="165"/>
        <source>“%1” cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="239"/>
        <source>“%1” cannot be stored: %2</source>
        <translation>„%1“ kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="253"/>
        <source>“%1” arrived with another SHA-256 than the manifest says.</source>
        <translation>„%1“ kam mit einem anderen SHA-256 an, als das Manifest angibt.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="244"/>
        <source>“%1” is larger than the manifest says.</source>
        <translation>„%1“ ist größer, als das Manifest angibt.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_client.cpp" line="248"/>
        <source>“%1” could not be fetched</source>
        <translation>„%1“ konnte nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>ComponentRenderer</name>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="98"/>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="99"/>
        <source>No image selected</source>
        <translation>Kein Bild ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="102"/>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="105"/>
        <source>Image not found</source>
        <translation>Bild nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="160"/>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="161"/>
        <source>Add a video file</source>
        <translation>Videodatei hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="169"/>
        <source>Video not found</source>
        <translation>Video nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="204"/>
        <source>HTML content</source>
        <translation>HTML-Inhalt</translation>
    </message>
    <message>
        <location filename="../../src/render/media_component_painters.cpp" line="207"/>
        <source>Web View</source>
        <translation>Webansicht</translation>
    </message>
</context>
<context>
    <name>ComponentType</name>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="11"/>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="11"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="12"/>
        <source>Label</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="12"/>
        <source>Text Area</source>
        <translation>Textbereich</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="13"/>
        <source>Web View</source>
        <translation>Webansicht</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="13"/>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="14"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="14"/>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="15"/>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="15"/>
        <source>Countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="16"/>
        <source>Ticker</source>
        <translation>Laufschrift</translation>
    </message>
</context>
<context>
    <name>CrashReporter</name>
    <message>
        <location filename="../../src/app/crash_report_text.cpp" line="90"/>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <location filename="../../src/app/crash_report_text.cpp" line="95"/>
        <source>The application encountered an unexpected error.

The developer team at Quendrix has been automatically notified of this crash and will work on a fix as soon as possible.

An update of the app will be available very soon.

To be told when the fix is out, write to %1.</source>
        <translation>Bei der Anwendung ist ein unerwarteter Fehler aufgetreten.

Das Entwicklerteam von Quendrix wurde automatisch über diesen Absturz informiert und wird so schnell wie möglich an einer Lösung arbeiten.

Eine aktualisierte Version der App wird in Kürze verfügbar sein.

Wenn Sie benachrichtigt werden möchten, sobald der Fehler behoben ist, schreiben Sie an %1.</translation>
    </message>
    <message>
        <location filename="../../src/app/crash_report_text.cpp" line="104"/>
        <source>The application encountered an unexpected error.

The crash report could not be sent now. It is kept on this computer and will be sent to the developer team at Quendrix when the computer is online.

To be told when the fix is out, write to %1.</source>
        <translation>Die Anwendung ist auf einen unerwarteten Fehler gestoßen.

Der Absturzbericht konnte gerade nicht gesendet werden. Er bleibt auf diesem Computer und wird an das Entwicklerteam von Quendrix gesendet, sobald der Computer online ist.

Wenn Sie erfahren möchten, wann die Korrektur verfügbar ist, schreiben Sie an %1.</translation>
    </message>
</context>
<context>
    <name>DeployError</name>
    <message>
        <location filename="../../src/export/bundle_files.cpp" line="47"/>
        <source>It is used on the screen “%1” by the %2 component at %3, %4.</source>
        <translation>Sie wird auf dem Bildschirm „%1“ von der Komponente „%2“ an der Position %3, %4 verwendet.</translation>
    </message>
    <message>
        <location filename="../../src/export/bundle_files.cpp" line="55"/>
        <source>It is the background picture of the screen “%1”.</source>
        <translation>Sie ist das Hintergrundbild des Bildschirms „%1“.</translation>
    </message>
    <message>
        <location filename="../../src/export/bundle_files.cpp" line="56"/>
        <source>It is the default background picture of the project.</source>
        <translation>Sie ist das Standard-Hintergrundbild des Projekts.</translation>
    </message>
    <message>
        <location filename="../../src/export/bundle_files.cpp" line="159"/>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="36"/>
        <source>Project name is invalid or empty</source>
        <translation>Der Projektname ist ungültig oder leer</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="38"/>
        <source>Deploy password is required</source>
        <translation>Ein Bereitstellungspasswort ist erforderlich</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="40"/>
        <source>Project must have at least one screen</source>
        <translation>Das Projekt muss mindestens einen Bildschirm enthalten</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="43"/>
        <source>The project’s resolution %1</source>
        <translation>Die Auflösung %1 des Projekts</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="44"/>
        <source>The resolution %1 of the screen “%2”</source>
        <translation>Die Auflösung %1 des Bildschirms „%2“</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="45"/>
        <source>%1 can’t be shown: screens are at least 1 × 1 and at most 16384 × 16384 pixels.</source>
        <translation>%1 kann nicht angezeigt werden: Bildschirme haben mindestens 1 × 1 und höchstens 16384 × 16384 Pixel.</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="49"/>
        <source>Resource not found: </source>
        <translation>Ressource nicht gefunden: </translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="53"/>
        <source>Resource is a folder, not a file: %1. %2</source>
        <translation>Ressource ist ein Ordner, keine Datei: %1. %2</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="55"/>
        <source>Resource is not a regular file: %1. %2</source>
        <translation>Ressource ist keine reguläre Datei: %1. %2</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="57"/>
        <source>Resource cannot be read (no permission): %1. %2</source>
        <translation>Ressource kann nicht gelesen werden (keine Berechtigung): %1. %2</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="59"/>
        <source>Resource is not a video: %1. %2</source>
        <translation>Ressource ist kein Video: %1. %2</translation>
    </message>
    <message>
        <location filename="../../src/export/deploy_error.h" line="60"/>
        <source>Resource is not a picture: %1. %2</source>
        <translation>Ressource ist kein Bild: %1. %2</translation>
    </message>
</context>
<context>
    <name>EditorPreferences</name>
    <message>
        <location filename="../../src/editor/sheets/editor_preferences.cpp" line="21"/>
        <source>Untitled Vistrelle Project</source>
        <translation>Unbenanntes Vistrelle-Projekt</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/editor_preferences.cpp" line="54"/>
        <source>Could not save the preferences: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <location filename="../../src/export/bundle_files.cpp" line="274"/>
        <source>The folder “%1” couldn’t be created: %2</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/export/bundle_files.cpp" line="302"/>
        <source>The folder “%1” already holds %2 bundles named “%3”: choose another folder, or remove bundles you no longer need.</source>
        <translation>Der Ordner „%1“ enthält bereits %2 Bundles mit dem Namen „%3“: Wählen Sie einen anderen Ordner, oder entfernen Sie Bundles, die Sie nicht mehr brauchen.</translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="258"/>
        <source>The folder “%1” couldn’t be created.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <location filename="../../src/media/file_error.h" line="22"/>
        <source>The file “%1” couldn’t be opened because there is no such file.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden, da sie nicht existiert.</translation>
    </message>
    <message>
        <location filename="../../src/media/file_error.h" line="25"/>
        <source>The file “%1” couldn’t be saved: %2</source>
        <translation>Die Datei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/media/file_error.h" line="30"/>
        <source>The file “%1” couldn’t be opened because you don’t have permission to view it.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden, da Sie nicht über die Berechtigung zum Anzeigen verfügen.</translation>
    </message>
    <message>
        <location filename="../../src/media/path_resolver.cpp" line="65"/>
        <source>The file “%1” couldn’t be copied: %2</source>
        <translation>Die Datei „%1“ konnte nicht kopiert werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/media/path_resolver.cpp" line="150"/>
        <source>“%1” is not a file that can be copied.</source>
        <translation>„%1“ ist keine Datei, die kopiert werden kann.</translation>
    </message>
    <message>
        <location filename="../../src/media/path_resolver.cpp" line="165"/>
        <source>“%1” couldn’t be copied because an item with the same name already exists.</source>
        <translation>„%1“ konnte nicht kopiert werden, da bereits ein Objekt mit demselben Namen existiert.</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <location filename="../../src/platform/file_writing.cpp" line="19"/>
        <source>Not all of the data could be written; the disk may be full.</source>
        <translation>Es konnten nicht alle Daten geschrieben werden; möglicherweise ist der Datenträger voll.</translation>
    </message>
</context>
<context>
    <name>FollowerText</name>
    <message>
        <location filename="../../src/publish/channel_follower.cpp" line="141"/>
        <source>The manifest is not signed by the trusted key; the show on view keeps playing.</source>
        <translation>Das Manifest ist nicht mit dem vertrauten Schlüssel signiert; die laufende Show spielt weiter.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_follower.cpp" line="157"/>
        <source>The manifest was published to the channel “%1”, not to “%2”; the show on view keeps playing.</source>
        <translation>Das Manifest wurde im Kanal „%1“ veröffentlicht, nicht in „%2“; die laufende Show spielt weiter.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_follower.cpp" line="164"/>
        <source>The manifest&apos;s sequence %1 is older than the %2 already accepted; the show on view keeps playing.</source>
        <translation>Die Folgenummer %1 des Manifests ist älter als die bereits angenommene %2; die laufende Show spielt weiter.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_follower.cpp" line="222"/>
        <source>“%1” cannot be stored.</source>
        <translation>„%1“ kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_follower.cpp" line="250"/>
        <source>The show cannot be built in “%1”.</source>
        <translation>Die Show kann nicht in „%1“ aufgebaut werden.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_follower.cpp" line="265"/>
        <source>What was accepted cannot be kept: %1</source>
        <translation>Das Angenommene kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>InspectorRules</name>
    <message>
        <location filename="../../src/editor/inspector/inspector_rules.cpp" line="37"/>
        <source>Untitled Screen</source>
        <translation>Unbenannter Bildschirm</translation>
    </message>
</context>
<context>
    <name>KioskDeployManager</name>
    <message>
        <location filename="../../src/export/resource_collection.cpp" line="175"/>
        <source>Found %1 resources to copy</source>
        <translation>Zu kopierende Ressourcen: %1</translation>
    </message>
    <message>
        <location filename="../../src/export/resource_collection.cpp" line="201"/>
        <source>Copied: </source>
        <translation>Kopiert: </translation>
    </message>
    <message>
        <location filename="../../src/export/resource_collection.cpp" line="203"/>
        <source>Resources copied successfully</source>
        <translation>Ressourcen erfolgreich kopiert</translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="83"/>
        <source>The screen “%1” can’t be drawn as a slide of %2 × %3 pixels: slides are at least 1 × 1 and at most %4 × %4 pixels.</source>
        <translation>Der Bildschirm „%1“ kann nicht als Folie mit %2 × %3 Pixeln gerendert werden: Folien sind mindestens 1 × 1 und höchstens %4 × %4 Pixel groß.</translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="198"/>
        <source>The screen “%1” couldn’t be drawn as a slide of %2 × %3 pixels: there is not enough memory.</source>
        <translation>Der Bildschirm „%1“ konnte nicht als Folie mit %2 × %3 Pixeln gerendert werden: Es ist nicht genügend Arbeitsspeicher vorhanden.</translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="205"/>
        <source>The slide of the screen “%1” couldn’t be encoded as %2.</source>
        <translation>Die Folie des Bildschirms „%1“ konnte nicht als %2 codiert werden.</translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="239"/>
        <source>Rendered: </source>
        <translation>Gerendert: </translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="249"/>
        <source>XML data exported for optimized mode</source>
        <translation>XML-Daten für den optimierten Modus exportiert</translation>
    </message>
    <message>
        <location filename="../../src/export/slide_export.cpp" line="264"/>
        <source>Exported: </source>
        <translation>Exportiert: </translation>
    </message>
</context>
<context>
    <name>KioskProject</name>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="101"/>
        <location filename="../../src/model/project_model.cpp" line="62"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>ManifestText</name>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="69"/>
        <source>The manifest is larger than 10 MB.</source>
        <translation>Das Manifest ist größer als 10 MB.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="73"/>
        <source>The manifest is no JSON object: %1</source>
        <translation>Das Manifest ist kein JSON-Objekt: %1</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="76"/>
        <source>The manifest is of another format than %1.</source>
        <translation>Das Manifest hat ein anderes Format als %1.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="83"/>
        <source>The manifest has no sequence number.</source>
        <translation>Das Manifest hat keine Folgenummer.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="89"/>
        <source>The manifest names no show a folder can be named after.</source>
        <translation>Das Manifest nennt keine Show, nach der ein Ordner benannt werden kann.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="97"/>
        <source>The manifest lists a path that leaves the bundle: “%1”.</source>
        <translation>Das Manifest nennt einen Pfad, der das Bundle verlässt: „%1“.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="99"/>
        <source>The manifest gives “%1” no size.</source>
        <translation>Das Manifest gibt für „%1“ keine Größe an.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="101"/>
        <source>The manifest gives “%1” no SHA-256.</source>
        <translation>Das Manifest gibt für „%1“ keinen SHA-256 an.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="103"/>
        <source>The manifest lists “%1” twice.</source>
        <translation>Das Manifest nennt „%1“ zweimal.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="109"/>
        <source>The manifest lists no files.</source>
        <translation>Das Manifest nennt keine Dateien.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_manifest.cpp" line="111"/>
        <source>The manifest&apos;s fingerprint does not match its files.</source>
        <translation>Der Fingerabdruck des Manifests passt nicht zu seinen Dateien.</translation>
    </message>
</context>
<context>
    <name>PaletteWindows</name>
    <message>
        <location filename="../../src/editor/palette_windows.cpp" line="79"/>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/palette_windows.cpp" line="82"/>
        <source>Components</source>
        <translation>Komponenten</translation>
    </message>
    <message>
        <location filename="../../src/editor/palette_windows.cpp" line="87"/>
        <source>Inspector</source>
        <translation>Inspektor</translation>
    </message>
    <message>
        <location filename="../../src/editor/palette_windows.cpp" line="90"/>
        <source>Show Check</source>
        <translation>Show-Prüfung</translation>
    </message>
</context>
<context>
    <name>PlayerLaunch</name>
    <message>
        <location filename="../../src/editor/sheets/player_launch.cpp" line="26"/>
        <source>Vistrelle Player is not installed.</source>
        <translation>Vistrelle Player ist nicht installiert.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/player_launch.cpp" line="28"/>
        <source>%1 could not be started.</source>
        <translation>%1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>PlayerXml</name>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="118"/>
        <source>The file declares a document type; player data has none.</source>
        <translation>Die Datei deklariert einen Dokumenttyp; Player-Daten haben keinen.</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="122"/>
        <source>The file refers to an undeclared entity.</source>
        <translation>Die Datei verweist auf eine nicht deklarierte Entität.</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="126"/>
        <source>The file holds too many elements.</source>
        <translation>Die Datei enthält zu viele Elemente.</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="128"/>
        <source>The file is not player data (its root is &lt;%1&gt;).</source>
        <translation>Die Datei enthält keine Player-Daten (ihre Wurzel ist &lt;%1&gt;).</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="148"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="216"/>
        <source>A schedule&apos;s dates, weekdays or times cannot be read.</source>
        <translation>Daten, Wochentage oder Zeiten eines Zeitplans können nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="254"/>
        <source>Unknown component type “%1”.</source>
        <translation>Unbekannter Komponententyp „%1“.</translation>
    </message>
    <message>
        <location filename="../../src/export/player_xml_reader.cpp" line="310"/>
        <source>The file is larger than %1 MB.</source>
        <translation>Die Datei ist größer als %1 MB.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <location filename="../../src/platform/preferences.cpp" line="47"/>
        <source>the folder “%1” cannot be created</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../../src/platform/preferences.cpp" line="55"/>
        <source>the file “%1” cannot be written</source>
        <translation>die Datei „%1“ kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>PresetRowView</name>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="39"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="40"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="63"/>
        <source>Created %1</source>
        <translation>Erstellt am %1</translation>
    </message>
</context>
<context>
    <name>ProjectSetup</name>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="66"/>
        <source>Please enter valid numbers</source>
        <translation>Bitte geben Sie gültige Zahlen ein</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="68"/>
        <source>Resolution must be at least 1024×768</source>
        <translation>Die Auflösung muss mindestens 1024×768 betragen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="70"/>
        <source>Resolution must be at most %1×%1</source>
        <translation>Die Auflösung darf höchstens %1×%1 betragen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="116"/>
        <source>Untitled Screen</source>
        <translation>Unbenannter Bildschirm</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="125"/>
        <source>Untitled Project</source>
        <translation>Unbenanntes Projekt</translation>
    </message>
</context>
<context>
    <name>PropertyEditors</name>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="202"/>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="486"/>
        <source>Select image...</source>
        <translation>Bild auswählen...</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="487"/>
        <source>Select video...</source>
        <translation>Video auswählen...</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="490"/>
        <source>Remove Image</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="491"/>
        <source>Remove Current Video</source>
        <translation>Aktuelles Video entfernen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="510"/>
        <source>No image selected</source>
        <translation>Kein Bild ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="511"/>
        <source>No video selected</source>
        <translation>Kein Video ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="517"/>
        <source>Image not found</source>
        <translation>Bild nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="518"/>
        <source>Video file not found</source>
        <translation>Videodatei nicht gefunden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="521"/>
        <source>Invalid image file</source>
        <translation>Ungültige Bilddatei</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="528"/>
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="529"/>
        <source>Choose Video</source>
        <translation>Video auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="533"/>
        <source>Images (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="534"/>
        <source>Movies (*.mp4 *.mov *.m4v *.avi *.mkv *.webm)</source>
        <translation>Filme (*.mp4 *.mov *.m4v *.avi *.mkv *.webm)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="535"/>
        <source>Choose</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="536"/>
        <source>Select an image file</source>
        <translation>Wählen Sie eine Bilddatei aus</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="537"/>
        <source>Select a video file</source>
        <translation>Wählen Sie eine Videodatei aus</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="578"/>
        <source>Invalid URL format</source>
        <translation>Ungültiges URL-Format</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="622"/>
        <source>Icon</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="647"/>
        <source>Choose Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/property_editors.cpp" line="673"/>
        <source>Text Editor...</source>
        <translation>Texteditor...</translation>
    </message>
</context>
<context>
    <name>PropertySchema</name>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="29"/>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="30"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="42"/>
        <location filename="../../src/model/property_schema.cpp" line="291"/>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="67"/>
        <location filename="../../src/model/property_schema.cpp" line="113"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="68"/>
        <source>Enter text...</source>
        <translation>Text eingeben...</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="70"/>
        <location filename="../../src/model/property_schema.cpp" line="342"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="72"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="78"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="83"/>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="84"/>
        <location filename="../../src/model/property_schema.cpp" line="400"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="86"/>
        <location filename="../../src/model/property_schema.cpp" line="159"/>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="88"/>
        <location filename="../../src/model/property_schema.cpp" line="402"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="92"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="99"/>
        <location filename="../../src/model/property_schema.cpp" line="326"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="107"/>
        <location filename="../../src/model/property_schema.cpp" line="324"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="123"/>
        <source>Solid</source>
        <translation>Deckend</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="124"/>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="133"/>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="136"/>
        <source>Display Mode</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="139"/>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="141"/>
        <source>Scales the image to fit within the frame while maintaining aspect ratio</source>
        <translation>Skaliert das Bild so, dass es unter Beibehaltung des Seitenverhältnisses in den Rahmen passt</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="144"/>
        <location filename="../../src/model/property_schema.cpp" line="211"/>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="146"/>
        <source>Scales the image to fill the frame, cropping if necessary while maintaining aspect ratio</source>
        <translation>Skaliert das Bild so, dass es den Rahmen füllt, und beschneidet es bei Bedarf unter Beibehaltung des Seitenverhältnisses</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="150"/>
        <location filename="../../src/model/property_schema.cpp" line="212"/>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="152"/>
        <source>Stretches the image to fill the frame, may distort aspect ratio</source>
        <translation>Streckt das Bild auf die Größe des Rahmens; das Seitenverhältnis kann sich verändern</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="155"/>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="157"/>
        <source>Repeats the image to fill the frame</source>
        <translation>Wiederholt das Bild, bis der Rahmen gefüllt ist</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="161"/>
        <source>Centers the image without scaling, may be cropped or show empty space</source>
        <translation>Zentriert das Bild ohne Skalierung; es kann beschnitten werden oder Leerraum lassen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="165"/>
        <source>Corner Radius</source>
        <translation>Eckenradius</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="170"/>
        <source>Border Width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="174"/>
        <source>Border Color</source>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="196"/>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="202"/>
        <source>Show Controls</source>
        <translation>Steuerelemente zeigen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="204"/>
        <source>Autoplay</source>
        <translation>Automatisch abspielen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="206"/>
        <source>Loop</source>
        <translation>Endlosschleife</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="208"/>
        <source>Muted</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="210"/>
        <source>Fitting</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="215"/>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="226"/>
        <source>URL to display</source>
        <translation>Anzuzeigende URL</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="227"/>
        <source>https://www.example.com</source>
        <translation>https://www.example.com</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="231"/>
        <source>HTML content (used when URL is empty)</source>
        <translation>HTML-Inhalt (wenn keine URL angegeben ist)</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="237"/>
        <source>Allow back and forward navigation</source>
        <translation>Vor- und Zurücknavigation erlauben</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="243"/>
        <source>Allow zooming</source>
        <translation>Zoomen erlauben</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="249"/>
        <source>Show link previews</source>
        <translation>Linkvorschau zeigen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="261"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="263"/>
        <source>Star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="264"/>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="266"/>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="268"/>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="270"/>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="272"/>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="275"/>
        <location filename="../../src/model/property_schema.cpp" line="307"/>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="280"/>
        <source>Points</source>
        <translation>Zacken</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="285"/>
        <source>Inner Radius</source>
        <translation>Innenradius</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="300"/>
        <location filename="../../src/model/property_schema.cpp" line="406"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="301"/>
        <location filename="../../src/model/property_schema.cpp" line="308"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="318"/>
        <source>Choose Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="335"/>
        <source>Weight</source>
        <translation>Strichstärke</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="336"/>
        <source>Ultra Light</source>
        <translation>Ultraleicht</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="337"/>
        <source>Thin</source>
        <translation>Dünn</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="338"/>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="339"/>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="340"/>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="341"/>
        <source>Semibold</source>
        <translation>Halbfett</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="343"/>
        <source>Heavy</source>
        <translation>Extrafett</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="344"/>
        <source>Black</source>
        <translation>Ultrafett</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="371"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="372"/>
        <source>HH:mm · dddd d MMMM</source>
        <translation>HH:mm · dddd d. MMMM</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="373"/>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="374"/>
        <source>The display&apos;s own, or Europe/Berlin</source>
        <translation>Die der Anzeige, oder Europe/Berlin</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="379"/>
        <source>Before</source>
        <translation>Davor</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="381"/>
        <source>Counts Down To</source>
        <translation>Zählt herunter bis</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="382"/>
        <source>2027-01-01T09:00</source>
        <translation>2027-01-01T09:00</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="384"/>
        <source>Afterwards</source>
        <translation>Danach</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="385"/>
        <source>Shown once the moment has passed</source>
        <translation>Gezeigt, sobald der Zeitpunkt vorbei ist</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="394"/>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="399"/>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="407"/>
        <source>Feed</source>
        <translation>Feed</translation>
    </message>
    <message>
        <location filename="../../src/model/property_schema.cpp" line="408"/>
        <source>RSS or Atom address, instead of the text</source>
        <translation>RSS- oder Atom-Adresse, statt des Textes</translation>
    </message>
</context>
<context>
    <name>PublishText</name>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="35"/>
        <location filename="../../src/publish/channel_publisher.cpp" line="38"/>
        <source>“%1” cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="45"/>
        <location filename="../../src/publish/channel_publisher.cpp" line="61"/>
        <source>The folder for “%1” cannot be made.</source>
        <translation>Der Ordner für „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="49"/>
        <source>“%1” cannot be copied into the channel.</source>
        <translation>„%1“ kann nicht in den Kanal kopiert werden.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="53"/>
        <source>“%1” cannot be written into the channel.</source>
        <translation>„%1“ kann nicht in den Kanal geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="63"/>
        <source>“%1” cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="85"/>
        <source>The bundle “%1” does not exist.</source>
        <translation>Das Bundle „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="94"/>
        <source>The bundle holds a link, “%1”: only files are published.</source>
        <translation>Das Bundle enthält einen Verweis, „%1“: veröffentlicht werden nur Dateien.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="96"/>
        <source>The bundle holds a file whose name cannot be published: “%1”.</source>
        <translation>Das Bundle enthält eine Datei, deren Name nicht veröffentlicht werden kann: „%1“.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="100"/>
        <source>The bundle “%1” holds no files.</source>
        <translation>Das Bundle „%1“ enthält keine Dateien.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="188"/>
        <source>“%1” is no channel name: use letters, digits, “.”, “_” and “-”.</source>
        <translation>„%1“ ist kein Kanalname: verwenden Sie Buchstaben, Ziffern, „.“, „_“ und „-“.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="190"/>
        <source>The signing key is no key.</source>
        <translation>Der Signaturschlüssel ist kein Schlüssel.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="114"/>
        <source>The folder “%1” cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="153"/>
        <source>Hashing the bundle...</source>
        <translation>Bundle wird gehasht...</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="168"/>
        <source>Uploaded: %1</source>
        <translation>Hochgeladen: %1</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="177"/>
        <source>Published “%1” as %2 in channel “%3”: %4 of %5 files uploaded.</source>
        <translation>„%1“ als %2 im Kanal „%3“ veröffentlicht: %4 von %5 Dateien hochgeladen.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="212"/>
        <source>At least the current manifest of each channel is kept.</source>
        <translation>Mindestens das aktuelle Manifest jedes Kanals bleibt erhalten.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="227"/>
        <source>“%1” cannot be read: nothing is pruned.</source>
        <translation>„%1“ kann nicht gelesen werden: nichts wird entfernt.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="231"/>
        <source>“%1” is no manifest: nothing is pruned.</source>
        <translation>„%1“ ist kein Manifest: nichts wird entfernt.</translation>
    </message>
    <message>
        <location filename="../../src/publish/channel_publisher.cpp" line="257"/>
        <source>Pruned %1 objects (%2 bytes).</source>
        <translation>%1 Objekte entfernt (%2 Bytes).</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <location filename="../../src/platform/file_writing.cpp" line="18"/>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <location filename="../../src/app/recovery_store.cpp" line="70"/>
        <source>The folder “%1” cannot be used.</source>
        <translation>Der Ordner „%1“ kann nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <location filename="../../src/editor/sheets/project_setup.cpp" line="102"/>
        <location filename="../../src/editing/screen_naming.cpp" line="9"/>
        <source>Screen %1</source>
        <translation>Bildschirm %1</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_naming.cpp" line="16"/>
        <source> Copy</source>
        <translation> Kopie</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="106"/>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="111"/>
        <source>Show Password</source>
        <translation>Passwort zeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="110"/>
        <source>Hide Password</source>
        <translation>Passwort verbergen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="122"/>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="176"/>
        <source>Project Information</source>
        <translation>Projektinformationen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="178"/>
        <source>Enter project name</source>
        <translation>Projektnamen eingeben</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="179"/>
        <source>Project Name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="181"/>
        <source>Enter project description</source>
        <translation>Projektbeschreibung eingeben</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="182"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/sheet_layout.cpp" line="200"/>
        <source>Grid Size</source>
        <translation>Rastergröße</translation>
    </message>
</context>
<context>
    <name>SigningText</name>
    <message>
        <location filename="../../src/publish/signing.cpp" line="83"/>
        <source>“%1” already exists; a key is never written over another.</source>
        <translation>„%1“ existiert bereits; ein Schlüssel wird nie über einen anderen geschrieben.</translation>
    </message>
    <message>
        <location filename="../../src/publish/signing.cpp" line="102"/>
        <source>The key file “%1” cannot be read: %2</source>
        <translation>Die Schlüsseldatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/signing.cpp" line="105"/>
        <location filename="../../src/publish/signing.cpp" line="109"/>
        <source>“%1” is no signing key made with vistrelle-cli keygen.</source>
        <translation>„%1“ ist kein mit vistrelle-cli keygen erzeugter Signaturschlüssel.</translation>
    </message>
</context>
<context>
    <name>TransitionEffect</name>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="20"/>
        <source>None</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="21"/>
        <source>Move Right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="22"/>
        <source>Move Left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="23"/>
        <source>Move Up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="24"/>
        <source>Move Down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="25"/>
        <source>Fade</source>
        <translation>Blende</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="26"/>
        <source>Zoom In</source>
        <translation>Hineinzoomen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="27"/>
        <source>Zoom Out</source>
        <translation>Herauszoomen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="28"/>
        <source>Cross Fade</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="29"/>
        <source>Wipe Right</source>
        <translation>Nach rechts wischen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="30"/>
        <source>Wipe Up</source>
        <translation>Nach oben wischen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="31"/>
        <source>Pixel Dissolve</source>
        <translation>Pixelauflösung</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="32"/>
        <source>Star Reveal</source>
        <translation>Sternblende</translation>
    </message>
    <message>
        <location filename="../../src/editor/vocabulary_texts.h" line="33"/>
        <source>Page Turn</source>
        <translation>Umblättern</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <location filename="../../src/editing/z_order.cpp" line="14"/>
        <source>Bring Forward</source>
        <translation>Eine Ebene nach vorne</translation>
    </message>
    <message>
        <location filename="../../src/editing/z_order.cpp" line="16"/>
        <source>Send Backward</source>
        <translation>Eine Ebene nach hinten</translation>
    </message>
    <message>
        <location filename="../../src/editing/z_order.cpp" line="18"/>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <location filename="../../src/editing/z_order.cpp" line="20"/>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
</context>
<context>
    <name>VistrelleDocument</name>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="20"/>
        <source>The file is damaged or is not a Vistrelle project: %1.</source>
        <translation>Die Datei ist beschädigt oder kein Vistrelle-Projekt: %1.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="95"/>
        <source>the data is not a project but another kind of JSON</source>
        <translation>die Daten sind kein Projekt, sondern andere JSON-Daten</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="107"/>
        <location filename="../../src/model/vistrelle_document.cpp" line="127"/>
        <source>There is not enough memory to open the file.</source>
        <translation>Es ist nicht genügend Arbeitsspeicher vorhanden, um die Datei zu öffnen.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="131"/>
        <location filename="../../src/model/vistrelle_document.cpp" line="134"/>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="141"/>
        <source>The file “%1” does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="144"/>
        <source>“%1” is a folder</source>
        <translation>„%1“ ist ein Ordner</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="145"/>
        <source>“%1” is not a regular file</source>
        <translation>„%1“ ist keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="162"/>
        <source>it is %1 large, and a project file is at most %2</source>
        <translation>sie ist %1 groß, und eine Projektdatei ist höchstens %2 groß</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="178"/>
        <source>it grew past %1 while it was read, more than a project file can be</source>
        <translation>sie wuchs beim Lesen über %1 hinaus, mehr als eine Projektdatei sein kann</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_document.cpp" line="194"/>
        <source>There is not enough memory to save the file.</source>
        <translation>Es ist nicht genügend Arbeitsspeicher vorhanden, um die Datei zu speichern.</translation>
    </message>
</context>
<context>
    <name>VistrelleError</name>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="8"/>
        <source>Failed to read project file: </source>
        <translation>Projektdatei konnte nicht gelesen werden: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="10"/>
        <source>Failed to save project file: </source>
        <translation>Projektdatei konnte nicht gespeichert werden: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="12"/>
        <source>Invalid component configuration: </source>
        <translation>Ungültige Komponentenkonfiguration: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="14"/>
        <source>Build failed: </source>
        <translation>Erstellung fehlgeschlagen: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="16"/>
        <source>Preview failed: </source>
        <translation>Vorschau fehlgeschlagen: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="18"/>
        <source>Network error: </source>
        <translation>Netzwerkfehler: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="20"/>
        <source>Validation error: </source>
        <translation>Validierungsfehler: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="22"/>
        <source>Unsupported operation: </source>
        <translation>Nicht unterstützter Vorgang: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="24"/>
        <source>Version compatibility error: </source>
        <translation>Versionskompatibilitätsfehler: </translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="32"/>
        <source>Check if the file exists and is not corrupted. Try opening a backup or creating a new project.</source>
        <translation>Prüfen Sie, ob die Datei existiert und nicht beschädigt ist. Öffnen Sie eine Sicherungskopie oder erstellen Sie ein neues Projekt.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="35"/>
        <source>Check disk space and file permissions. Try saving to a different location.</source>
        <translation>Prüfen Sie den freien Speicherplatz und die Dateiberechtigungen. Versuchen Sie, an einem anderen Ort zu speichern.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="37"/>
        <source>The component may have invalid properties. Try removing and re-adding the component.</source>
        <translation>Die Komponente hat möglicherweise ungültige Eigenschaften. Entfernen Sie die Komponente und fügen Sie sie erneut hinzu.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="39"/>
        <source>Check your project configuration and try building again.</source>
        <translation>Prüfen Sie die Projektkonfiguration und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="41"/>
        <source>Some components may not be compatible with preview mode. Check component settings.</source>
        <translation>Einige Komponenten sind möglicherweise nicht mit dem Vorschaumodus kompatibel. Prüfen Sie die Komponenteneinstellungen.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="43"/>
        <source>Check your internet connection and try again.</source>
        <translation>Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="45"/>
        <source>Please correct the validation errors and try again.</source>
        <translation>Bitte beheben Sie die Validierungsfehler und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="47"/>
        <source>This operation is not supported in the current context.</source>
        <translation>Dieser Vorgang wird im aktuellen Kontext nicht unterstützt.</translation>
    </message>
    <message>
        <location filename="../../src/model/vistrelle_error.cpp" line="49"/>
        <source>The document was created with a different version. Consider upgrading or using a compatible version.</source>
        <translation>Das Dokument wurde mit einer anderen Version erstellt. Aktualisieren Sie das Programm oder verwenden Sie eine kompatible Version.</translation>
    </message>
</context>
<context>
    <name>WebDavText</name>
    <message>
        <location filename="../../src/publish/webdav_publisher.cpp" line="117"/>
        <source>The server refused “%1”: HTTP %2</source>
        <translation>Der Server hat „%1“ abgelehnt: HTTP %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/webdav_publisher.cpp" line="118"/>
        <source>The server cannot be reached for “%1”: %2</source>
        <translation>Der Server ist für „%1“ nicht erreichbar: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/webdav_publisher.cpp" line="145"/>
        <source>“%1” cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/publish/webdav_publisher.cpp" line="161"/>
        <source>The server&apos;s “%1” is no manifest, so the next sequence is not known: %2</source>
        <translation>„%1“ auf dem Server ist kein Manifest, daher ist die nächste Folgenummer unbekannt: %2</translation>
    </message>
</context>
<context>
    <name>WebViewComponentRenderer</name>
    <message>
        <location filename="../../src/preview/live_media/live_web_view.cpp" line="58"/>
        <location filename="../../src/preview/live_media/live_web_view.cpp" line="60"/>
        <source>The request timed out.</source>
        <translation>Die Anfrage hat zu lange gedauert.</translation>
    </message>
    <message>
        <location filename="../../src/preview/live_media/live_web_view.cpp" line="106"/>
        <source>Local files cannot be shown.</source>
        <translation>Lokale Dateien können nicht angezeigt werden.</translation>
    </message>
    <message>
        <location filename="../../src/preview/live_media/live_web_view.cpp" line="121"/>
        <source>Web Page Alert</source>
        <translation>Hinweis der Webseite</translation>
    </message>
    <message>
        <location filename="../../src/preview/live_media/live_web_view.cpp" line="137"/>
        <source>Web Page Confirmation</source>
        <translation>Bestätigung der Webseite</translation>
    </message>
</context>
<context>
    <name>WindowManager</name>
    <message>
        <location filename="../../src/app/window_manager.cpp" line="75"/>
        <source>Could not save where the windows are: %1</source>
        <translation>Die Fensterpositionen konnten nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/app/main.cpp" line="48"/>
        <source>Digital signage slide shows.</source>
        <translation>Diashows für Digital Signage.</translation>
    </message>
    <message>
        <location filename="../../src/app/main.cpp" line="53"/>
        <source>Play the first project full screen at once.</source>
        <translation>Das erste Projekt sofort im Vollbild abspielen.</translation>
    </message>
    <message>
        <location filename="../../src/app/main.cpp" line="56"/>
        <source>Projects to open.</source>
        <translation>Zu öffnende Projekte.</translation>
    </message>
    <message>
        <location filename="../../src/app/main.cpp" line="80"/>
        <source>Vistrelle is already running but has not answered for %1 seconds, perhaps because it is busy opening a large project. It opens your files when it is ready; if it does not, try again in a moment.</source>
        <translation>Vistrelle läuft bereits, hat aber %1 Sekunden lang nicht geantwortet, vielleicht weil es gerade ein großes Projekt öffnet. Es öffnet Ihre Dateien, sobald es bereit ist; falls nicht, versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <location filename="../../src/app/main.cpp" line="88"/>
        <source>Vistrelle Is Busy</source>
        <translation>Vistrelle ist beschäftigt</translation>
    </message>
</context>
<context>
    <name>vistrelle</name>
    <message>
        <location filename="../../src/model/screen_schedule.cpp" line="88"/>
        <source>Alert</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location filename="../../src/model/screen_schedule.cpp" line="92"/>
        <source>every day</source>
        <translation>jeden Tag</translation>
    </message>
    <message>
        <location filename="../../src/model/screen_schedule.cpp" line="97"/>
        <source>all day</source>
        <translation>ganztägig</translation>
    </message>
    <message>
        <location filename="../../src/model/screen_schedule.cpp" line="99"/>
        <source>from %1</source>
        <translation>ab %1</translation>
    </message>
    <message>
        <location filename="../../src/model/screen_schedule.cpp" line="101"/>
        <source>until %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <location filename="../../src/export/feed_text.cpp" line="63"/>
        <source>The feed declares a document type, which is not read.</source>
        <translation>Der Feed deklariert einen Dokumenttyp, der nicht gelesen wird.</translation>
    </message>
    <message>
        <location filename="../../src/export/feed_text.cpp" line="83"/>
        <source>The feed cannot be read: %1</source>
        <translation>Der Feed kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/export/feed_text.cpp" line="85"/>
        <source>This is no RSS or Atom feed.</source>
        <translation>Das ist kein RSS- oder Atom-Feed.</translation>
    </message>
    <message>
        <location filename="../../src/export/feed_text.cpp" line="94"/>
        <source>It is no web address.</source>
        <translation>Das ist keine Webadresse.</translation>
    </message>
    <message>
        <location filename="../../src/export/feed_text.cpp" line="118"/>
        <source>The feed is larger than 2 MB.</source>
        <translation>Der Feed ist größer als 2 MB.</translation>
    </message>
    <message>
        <location filename="../../src/render/live_components.cpp" line="72"/>
        <source>No date to count down to</source>
        <translation>Kein Datum zum Herunterzählen</translation>
    </message>
    <message>
        <location filename="../../src/render/live_components.cpp" line="80"/>
        <source>1 day %1</source>
        <translation>1 Tag %1</translation>
    </message>
    <message>
        <location filename="../../src/render/live_components.cpp" line="81"/>
        <source>%1 days %2</source>
        <translation>%1 Tage %2</translation>
    </message>
</context>
<context>
    <name>vistrelle::AboutWindow</name>
    <message>
        <location filename="../../src/app/about_window.cpp" line="31"/>
        <source>The symbols are used under the MIT licence.</source>
        <translation>Die Symbole werden unter der MIT-Lizenz verwendet.</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="53"/>
        <source>Check for Updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="57"/>
        <source>About Vistrelle</source>
        <translation>Über Vistrelle</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="71"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="74"/>
        <source>Digital signage slide shows, from layout to deployment.</source>
        <translation>Diashows für Digital Signage – vom Layout bis zur Bereitstellung.</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="75"/>
        <source>© 2026 Quendrix</source>
        <translation>© 2026 Quendrix</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="93"/>
        <source>Built with Qt 6, used under the GNU LGPL v3. The symbols come from a symbol set licensed under the MIT licence.</source>
        <translation>Erstellt mit Qt 6, verwendet unter der GNU LGPL v3. Die Symbole stammen aus einem Symbolsatz, der unter der MIT-Lizenz lizenziert ist.</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="97"/>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="133"/>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <location filename="../../src/app/about_window.cpp" line="145"/>
        <source>You&apos;re using the latest version</source>
        <translation>Sie verwenden die neueste Version</translation>
    </message>
</context>
<context>
    <name>vistrelle::AdvancedCanvasView</name>
    <message>
        <location filename="../../src/editor/advanced_canvas_view.cpp" line="67"/>
        <source>Canvas</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <location filename="../../src/editor/advanced_canvas_view.cpp" line="592"/>
        <source>No Screen Selected</source>
        <translation>Kein Bildschirm ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/editor/advanced_canvas_view.cpp" line="597"/>
        <source>Select a screen from the screens window to start adding content</source>
        <translation>Wählen Sie im Fenster „Bildschirme“ einen Bildschirm aus, um Inhalte hinzuzufügen</translation>
    </message>
</context>
<context>
    <name>vistrelle::BackgroundSelector</name>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="57"/>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="58"/>
        <source>Ocean</source>
        <translation>Ozean</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="59"/>
        <source>Forest</source>
        <translation>Wald</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="60"/>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="61"/>
        <source>Fire</source>
        <translation>Feuer</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="62"/>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="63"/>
        <source>Midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="64"/>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="65"/>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="66"/>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="67"/>
        <source>Corporate</source>
        <translation>Business</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="68"/>
        <source>Royal</source>
        <translation>Königlich</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="218"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="225"/>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="246"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="225"/>
        <source>Gradient</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="225"/>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="257"/>
        <source>Predefined Gradients</source>
        <translation>Vordefinierte Verläufe</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="271"/>
        <source>Custom Gradient</source>
        <translation>Eigener Verlauf</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="280"/>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="281"/>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="282"/>
        <source>Diagonal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="283"/>
        <source>Start Color</source>
        <translation>Startfarbe</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="284"/>
        <source>End Color</source>
        <translation>Endfarbe</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="285"/>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="303"/>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="316"/>
        <source>No image selected</source>
        <translation>Kein Bild ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="319"/>
        <source>Choose Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="328"/>
        <source>Selected Image</source>
        <translation>Ausgewähltes Bild</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="339"/>
        <source>Change Image</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="341"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="400"/>
        <source>Select background image</source>
        <translation>Hintergrundbild auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="408"/>
        <source>Images (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/background_selector.cpp" line="467"/>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>vistrelle::ColorButton</name>
    <message>
        <location filename="../../src/editor/sheets/color_button.cpp" line="56"/>
        <source>Choose Color</source>
        <translation>Farbe auswählen</translation>
    </message>
</context>
<context>
    <name>vistrelle::ComponentCard</name>
    <message>
        <location filename="../../src/editor/component_library_palette.cpp" line="23"/>
        <source>Drag to add %1</source>
        <translation>Ziehen, um %1 hinzuzufügen</translation>
    </message>
</context>
<context>
    <name>vistrelle::ComponentInspector</name>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="43"/>
        <source>Text Properties</source>
        <translation>Texteigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="45"/>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="47"/>
        <source>Web View Properties</source>
        <translation>Webansicht-Eigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="49"/>
        <source>Video Properties</source>
        <translation>Videoeigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="51"/>
        <source>Shape Properties</source>
        <translation>Formeigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="53"/>
        <source>Icon Properties</source>
        <translation>Symboleigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="55"/>
        <source>Clock Properties</source>
        <translation>Uhr-Eigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="57"/>
        <source>Countdown Properties</source>
        <translation>Countdown-Eigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="59"/>
        <source>Ticker Properties</source>
        <translation>Laufschrift-Eigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="61"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="90"/>
        <source>Style Presets</source>
        <translation>Stilvorlagen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="93"/>
        <source>Save Current Style</source>
        <translation>Aktuellen Stil speichern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="114"/>
        <source>Position &amp; Size</source>
        <translation>Position und Größe</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="131"/>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="132"/>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="133"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="134"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="152"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="156"/>
        <source>Z-Index (Depth)</source>
        <translation>Z-Index (Tiefe)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="202"/>
        <source>On Click</source>
        <translation>Beim Klicken</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="276"/>
        <source>%n Components</source>
        <translation>
            <numerusform>%n Komponente</numerusform>
            <numerusform>%n Komponenten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="277"/>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="280"/>
        <source>Component</source>
        <translation>Komponente</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="326"/>
        <source>%1 (mixed)</source>
        <translation>%1 (gemischt)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="327"/>
        <source>The selected components differ here; a change sets them all.</source>
        <translation>Die ausgewählten Komponenten unterscheiden sich hier; eine Änderung setzt den Wert für alle.</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="349"/>
        <source>Update Components</source>
        <translation>Komponenten aktualisieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="460"/>
        <source>Move Components</source>
        <translation>Komponenten verschieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/component_inspector.cpp" line="460"/>
        <source>Resize Components</source>
        <translation>Komponentengröße ändern</translation>
    </message>
</context>
<context>
    <name>vistrelle::ComponentLibraryPalette</name>
    <message>
        <location filename="../../src/editor/component_library_palette.cpp" line="81"/>
        <source>Components</source>
        <translation>Komponenten</translation>
    </message>
</context>
<context>
    <name>vistrelle::CustomResolutionDialog</name>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="21"/>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="28"/>
        <source>Custom Resolution</source>
        <translation>Eigene Auflösung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="28"/>
        <source>Enter custom resolution dimensions</source>
        <translation>Geben Sie die Abmessungen der eigenen Auflösung ein</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="39"/>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="40"/>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="43"/>
        <source>Minimum resolution: 1024×768</source>
        <translation>Mindestauflösung: 1024×768</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="54"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/custom_resolution_dialog.cpp" line="54"/>
        <source>Use Custom Resolution</source>
        <translation>Eigene Auflösung verwenden</translation>
    </message>
</context>
<context>
    <name>vistrelle::DocumentController</name>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="36"/>
        <source>Vistrelle Projects (*.vistrelle)</source>
        <translation>Vistrelle-Projekte (*.vistrelle)</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="135"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="153"/>
        <location filename="../../src/app/document_controller.cpp" line="263"/>
        <source>The document “%1” could not be opened.</source>
        <translation>Das Dokument „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="169"/>
        <source>The document “%1” could not be saved.</source>
        <translation>Das Dokument „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="189"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="226"/>
        <source>Your changes to “%1” are not saved anywhere: %2 Choose Save As… to save them in another place.</source>
        <translation>Ihre Änderungen an „%1“ sind nirgends gespeichert: %2 Wählen Sie „Speichern unter…“, um sie an einem anderen Ort zu speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="230"/>
        <source>“%1” could not be saved automatically: %2 Your changes are kept in a recovery copy for now. Choose Save As… to save them in another place.</source>
        <translation>„%1“ konnte nicht automatisch gespeichert werden: %2 Ihre Änderungen werden vorerst in einer Wiederherstellungskopie aufbewahrt. Wählen Sie „Speichern unter…“, um sie an einem anderen Ort zu speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="243"/>
        <source>Revert to Saved</source>
        <translation>Auf gespeicherte Version zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="244"/>
        <source>Do you want to revert “%1” to the last saved version?</source>
        <translation>Möchten Sie „%1“ auf die zuletzt gespeicherte Version zurücksetzen?</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="247"/>
        <source>Your current changes will be lost.</source>
        <translation>Ihre aktuellen Änderungen gehen verloren.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="248"/>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="303"/>
        <source>Vistrelle</source>
        <translation>Vistrelle</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="304"/>
        <source>Do you want to save the changes made to the document “%1”?</source>
        <translation>Möchten Sie die Änderungen am Dokument „%1“ speichern?</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="307"/>
        <source>Your changes will be lost if you don’t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="308"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="309"/>
        <source>Don’t Save</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="364"/>
        <source>Restore Unsaved Changes</source>
        <translation>Nicht gespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="365"/>
        <source>Vistrelle did not quit properly last time.</source>
        <translation>Vistrelle wurde beim letzten Mal nicht ordnungsgemäß beendet.</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/document_controller.cpp" line="366"/>
        <source>Unsaved changes of %n document(s) were kept. Do you want to restore them?</source>
        <translation>
            <numerusform>Nicht gespeicherte Änderungen an %n Dokument wurden aufbewahrt. Möchten Sie sie wiederherstellen?</numerusform>
            <numerusform>Nicht gespeicherte Änderungen an %n Dokumenten wurden aufbewahrt. Möchten Sie sie wiederherstellen?</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="368"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="369"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="406"/>
        <source>Your unsaved changes were kept and are reopened now.</source>
        <translation>Ihre ungesicherten Änderungen wurden aufbewahrt und werden jetzt wieder geöffnet.</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="414"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="416"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="417"/>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="418"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="421"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="422"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="425"/>
        <source>Re&amp;vert to Saved</source>
        <translation>Auf gespeicherte &amp;Version zurücksetzen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="430"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="432"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="447"/>
        <location filename="../../src/app/document_controller.cpp" line="465"/>
        <source>Could not save the list of recent projects: %1</source>
        <translation>Die Liste der zuletzt geöffneten Projekte konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="459"/>
        <source>No Recent Documents</source>
        <translation>Keine zuletzt geöffneten Dokumente</translation>
    </message>
    <message>
        <location filename="../../src/app/document_controller.cpp" line="461"/>
        <source>Clear Menu</source>
        <translation>Menü leeren</translation>
    </message>
</context>
<context>
    <name>vistrelle::DocumentSession</name>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="55"/>
        <source>Add Component</source>
        <translation>Komponente hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="84"/>
        <location filename="../../src/editing/component_operations.cpp" line="101"/>
        <source>Update Component</source>
        <translation>Komponente ändern</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="132"/>
        <source>Delete Components</source>
        <translation>Komponenten löschen</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="132"/>
        <source>Delete Component</source>
        <translation>Komponente löschen</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="157"/>
        <source>Duplicate Components</source>
        <translation>Komponenten duplizieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="157"/>
        <source>Duplicate Component</source>
        <translation>Komponente duplizieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="209"/>
        <source>Paste Components</source>
        <translation>Komponenten einfügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/component_operations.cpp" line="209"/>
        <source>Paste Component</source>
        <translation>Komponente einfügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/document_session.cpp" line="224"/>
        <source>Project Settings</source>
        <translation>Projekteinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editing/document_session.cpp" line="246"/>
        <source>Action not allowed</source>
        <translation>Aktion nicht zulässig</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="20"/>
        <source>Add Screen</source>
        <translation>Bildschirm hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="36"/>
        <source>Duplicate Screen</source>
        <translation>Bildschirm duplizieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="47"/>
        <source>The first screen is the start screen and cannot be deleted. Reorder another screen into position 1 first or rename this screen instead.</source>
        <translation>Der erste Bildschirm ist der Startbildschirm und kann nicht gelöscht werden. Verschieben Sie zuerst einen anderen Bildschirm an Position 1 oder benennen Sie stattdessen diesen Bildschirm um.</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="60"/>
        <source>Delete Screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="71"/>
        <source>Rename Screen</source>
        <translation>Bildschirm umbenennen</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="85"/>
        <source>Edit Screen</source>
        <translation>Bildschirm bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="122"/>
        <source>The first screen is the start screen and must stay at position 1. To reorder, move another screen instead.</source>
        <translation>Der erste Bildschirm ist der Startbildschirm und muss an Position 1 bleiben. Verschieben Sie zum Neuanordnen stattdessen einen anderen Bildschirm.</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="127"/>
        <source>Position 1 is reserved for the start screen. Drop the screen at position 2 or later instead.</source>
        <translation>Position 1 ist für den Startbildschirm reserviert. Legen Sie den Bildschirm stattdessen an Position 2 oder später ab.</translation>
    </message>
    <message>
        <location filename="../../src/editing/screen_operations.cpp" line="133"/>
        <source>Reorder Screens</source>
        <translation>Bildschirme neu anordnen</translation>
    </message>
    <message>
        <location filename="../../src/editing/selection_operations.cpp" line="98"/>
        <source>Align</source>
        <translation>Ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editing/selection_operations.cpp" line="102"/>
        <source>Distribute</source>
        <translation>Verteilen</translation>
    </message>
    <message>
        <location filename="../../src/editing/selection_operations.cpp" line="109"/>
        <source>Match Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <location filename="../../src/editing/selection_operations.cpp" line="109"/>
        <source>Match Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
</context>
<context>
    <name>vistrelle::EditorWindow</name>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="83"/>
        <source>Canvas</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="85"/>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="138"/>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="147"/>
        <source>Total duration of all screens</source>
        <translation>Gesamtdauer aller Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="151"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="165"/>
        <source>Open screens window</source>
        <translation>Fenster „Bildschirme“ öffnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="169"/>
        <source>Open component library window</source>
        <translation>Fenster „Komponenten“ öffnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="173"/>
        <source>Open inspector window</source>
        <translation>Fenster „Inspektor“ öffnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="177"/>
        <source>Open show check window</source>
        <translation>Fenster „Show-Prüfung“ öffnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="181"/>
        <source>Delete selected component</source>
        <translation>Ausgewählte Komponente löschen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="646"/>
        <source>Schedule — %1</source>
        <translation>Zeitplan — %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="125"/>
        <location filename="../../src/editor/editor_window.cpp" line="197"/>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="123"/>
        <location filename="../../src/editor/editor_window.cpp" line="200"/>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="219"/>
        <source>Preview the content in full screen mode</source>
        <translation>Inhalt im Vollbildmodus als Vorschau anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="220"/>
        <source>Preview the content in full screen mode (F5)</source>
        <translation>Inhalt im Vollbildmodus als Vorschau anzeigen (F5)</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="223"/>
        <source>Export a bundle file for Vistrelle Player app</source>
        <translation>Bundle-Datei für die App Vistrelle Player exportieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="226"/>
        <source>Project settings</source>
        <translation>Projekteinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="276"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="369"/>
        <source>Move Components</source>
        <translation>Komponenten verschieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="409"/>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="463"/>
        <source>Move Component</source>
        <translation>Komponente verschieben</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="469"/>
        <source>Resize Component</source>
        <translation>Komponentengröße ändern</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="88"/>
        <location filename="../../src/editor/editor_window.cpp" line="479"/>
        <source>Copy Component</source>
        <translation>Komponente kopieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="92"/>
        <location filename="../../src/editor/editor_window.cpp" line="480"/>
        <source>Duplicate Component</source>
        <translation>Komponente duplizieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="95"/>
        <location filename="../../src/editor/editor_window.cpp" line="481"/>
        <source>Delete Component</source>
        <translation>Komponente löschen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="90"/>
        <location filename="../../src/editor/editor_window.cpp" line="492"/>
        <source>Paste Component</source>
        <translation>Komponente einfügen</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="669"/>
        <source>checking…</source>
        <translation>wird geprüft …</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="687"/>
        <source>Version Compatibility</source>
        <translation>Versionskompatibilität</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="688"/>
        <source>This project was created with a newer version of Vistrelle. Some features may not work correctly.</source>
        <translation>Dieses Projekt wurde mit einer neueren Version von Vistrelle erstellt. Einige Funktionen funktionieren möglicherweise nicht richtig.</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="691"/>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <location filename="../../src/editor/editor_window.cpp" line="692"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="48"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="53"/>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="61"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="56"/>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="64"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="61"/>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="64"/>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="75"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="78"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="81"/>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="84"/>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="98"/>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="101"/>
        <source>&amp;Arrange</source>
        <translation>A&amp;nordnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="102"/>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="105"/>
        <source>Bring Forward</source>
        <translation>Eine Ebene nach vorne</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="107"/>
        <source>Send Backward</source>
        <translation>Eine Ebene nach hinten</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="109"/>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="121"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="126"/>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="128"/>
        <source>Zoom to Fit</source>
        <translation>In Fenster einpassen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="132"/>
        <source>Floating Palettes</source>
        <translation>Schwebende Paletten</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="141"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="143"/>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="146"/>
        <source>Project Settings…</source>
        <translation>Projekteinstellungen…</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="148"/>
        <source>Export Bundle…</source>
        <translation>Bundle exportieren…</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="151"/>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="152"/>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="154"/>
        <source>Components</source>
        <translation>Komponenten</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="156"/>
        <source>Inspector</source>
        <translation>Inspektor</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="158"/>
        <source>Show Check</source>
        <translation>Show-Prüfung</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="161"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="162"/>
        <source>About Vistrelle...</source>
        <translation>Über Vistrelle...</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="168"/>
        <source>Set Up a Display Computer…</source>
        <translation>Anzeigecomputer einrichten…</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="171"/>
        <source>Download Vistrelle Player freeware</source>
        <translation>Vistrelle Player (Freeware) herunterladen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="175"/>
        <source>Download an example made with Vistrelle</source>
        <translation>Ein mit Vistrelle erstelltes Beispiel herunterladen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="178"/>
        <source>Live Chat Support</source>
        <translation>Live-Chat-Support</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="180"/>
        <source>AI Assistant</source>
        <translation>KI-Assistent</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="181"/>
        <source>Frequently Asked Questions</source>
        <translation>Häufig gestellte Fragen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="183"/>
        <source>Feature Request</source>
        <translation>Funktion vorschlagen</translation>
    </message>
    <message>
        <location filename="../../src/editor/vistrelle_commands.cpp" line="185"/>
        <source>Bug Report</source>
        <translation>Fehler melden</translation>
    </message>
</context>
<context>
    <name>vistrelle::IconPicker</name>
    <message>
        <location filename="../../src/editor/inspector/icon_picker.cpp" line="53"/>
        <source>Choose Icon</source>
        <translation>Symbol auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/icon_picker.cpp" line="60"/>
        <source>Search icons...</source>
        <translation>Symbole suchen...</translation>
    </message>
</context>
<context>
    <name>vistrelle::ImageActionEditor</name>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="34"/>
        <source>Nothing</source>
        <translation>Nichts</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="35"/>
        <source>Go to Screen</source>
        <translation>Zu Bildschirm wechseln</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="36"/>
        <source>Next Screen</source>
        <translation>Nächster Bildschirm</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="37"/>
        <source>Previous Screen</source>
        <translation>Vorheriger Bildschirm</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="38"/>
        <source>Show an Alert</source>
        <translation>Hinweis anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="39"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="40"/>
        <source>Open a Web Page</source>
        <translation>Webseite öffnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="41"/>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="45"/>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="50"/>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="200"/>
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="53"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="54"/>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="116"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="122"/>
        <source>A screen no longer in the show</source>
        <translation>Ein Bildschirm, der nicht mehr in der Show ist</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="132"/>
        <source>Other (kept as in the file)</source>
        <translation>Andere (wie in der Datei belassen)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="158"/>
        <source>Prints what the display shows, where the display computer has a printer.</source>
        <translation>Druckt, was das Display zeigt, wenn der Display-Computer einen Drucker hat.</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="161"/>
        <source>Opens the display computer’s web browser.</source>
        <translation>Öffnet den Webbrowser des Display-Computers.</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/image_action_editor.cpp" line="164"/>
        <source>An action set outside this inspector; choose another to replace it.</source>
        <translation>Eine außerhalb dieses Inspektors gesetzte Aktion; wählen Sie eine andere, um sie zu ersetzen.</translation>
    </message>
</context>
<context>
    <name>vistrelle::InlineTextTool</name>
    <message>
        <location filename="../../src/editor/inline_text_tool.cpp" line="25"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>vistrelle::InspectorPalette</name>
    <message>
        <location filename="../../src/editor/inspector/inspector_palette.cpp" line="43"/>
        <source>No Project Open</source>
        <translation>Kein Projekt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/inspector_palette.cpp" line="44"/>
        <source>Open a Vistrelle Project to view and edit component properties</source>
        <translation>Öffnen Sie ein Vistrelle-Projekt, um Komponenteneigenschaften anzuzeigen und zu bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/inspector_palette.cpp" line="46"/>
        <source>No Component Selected</source>
        <translation>Keine Komponente ausgewählt</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/inspector_palette.cpp" line="47"/>
        <source>Select a screen or click a component on the canvas to edit its properties</source>
        <translation>Wählen Sie einen Bildschirm aus oder klicken Sie auf der Arbeitsfläche auf eine Komponente, um ihre Eigenschaften zu bearbeiten</translation>
    </message>
</context>
<context>
    <name>vistrelle::KioskDeployManager</name>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="79"/>
        <source>Deployment cancelled</source>
        <translation>Bereitstellung abgebrochen</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="149"/>
        <source>Validating project...</source>
        <translation>Projekt wird geprüft...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="153"/>
        <source>Fetching feeds...</source>
        <translation>Feeds werden geholt...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="156"/>
        <source>Feed unreachable: %1 (%2) Its ticker shows its typed text until the display fetches it.</source>
        <translation>Feed nicht erreichbar: %1 (%2) Seine Laufschrift zeigt den eingegebenen Text, bis die Anzeige ihn holt.</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="164"/>
        <source>Exporting optimized slides for Windows/Linux...</source>
        <translation>Optimierte Folien für Windows/Linux werden exportiert...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="167"/>
        <source>Export completed successfully!</source>
        <translation>Export erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="175"/>
        <source>Preparing bundle structure...</source>
        <translation>Bundle-Struktur wird vorbereitet...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="178"/>
        <source>Bundle created: </source>
        <translation>Bundle erstellt: </translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="181"/>
        <source>Indexing resources and resolving name collisions...</source>
        <translation>Ressourcen werden indiziert und Namenskonflikte aufgelöst...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="185"/>
        <source>Rendering optimized slides...</source>
        <translation>Optimierte Folien werden gerendert...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="189"/>
        <source>Exporting project data...</source>
        <translation>Projektdaten werden exportiert...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="192"/>
        <source>Project data exported successfully</source>
        <translation>Projektdaten erfolgreich exportiert</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="193"/>
        <source>Copying resources...</source>
        <translation>Ressourcen werden kopiert...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="198"/>
        <source>Finalizing deployment...</source>
        <translation>Bereitstellung wird abgeschlossen...</translation>
    </message>
    <message>
        <location filename="../../src/export/kiosk_deploy_manager.cpp" line="200"/>
        <source>Deployment completed successfully!</source>
        <translation>Bereitstellung erfolgreich abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>vistrelle::KioskDeployView</name>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="50"/>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="315"/>
        <source>Deploy</source>
        <translation>Bereitstellen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="63"/>
        <source>Deploy content for Vistrelle Player app</source>
        <translation>Inhalte für die App Vistrelle Player bereitstellen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="64"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="79"/>
        <source>1. Vistrelle Player plays the bundle: try it here with “Play”</source>
        <translation>1. Vistrelle Player spielt das Bundle ab: hier mit „Abspielen“ ausprobieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="80"/>
        <source>2. Click &apos;Generate Content…&apos; below and choose a folder</source>
        <translation>2. Klicken Sie unten auf „Inhalte erzeugen…“ und wählen Sie einen Ordner aus</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="81"/>
        <source>3. A bundle file &apos;%1.bundle&apos; will be created</source>
        <translation>3. Eine Bundle-Datei „%1.bundle“ wird erstellt</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="82"/>
        <source>4. Read the generated &apos;ReadMe&apos; file to learn more</source>
        <translation>4. Lesen Sie die erzeugte Datei „ReadMe“, um mehr zu erfahren</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="89"/>
        <source>High-performance mode</source>
        <translation>Hochleistungsmodus</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="91"/>
        <source>Generate only images and durations for slideshow playback</source>
        <translation>Nur Bilder und Anzeigedauern für die Diashow-Wiedergabe erzeugen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="102"/>
        <source>Image Format:</source>
        <translation>Bildformat:</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="110"/>
        <source>JPG (100%)</source>
        <translation>JPG (100%)</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="110"/>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="128"/>
        <source>Videos or web views are not supported for this mode</source>
        <translation>Videos und Webansichten werden in diesem Modus nicht unterstützt</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="149"/>
        <source>Show Problems…</source>
        <translation>Probleme zeigen …</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="157"/>
        <source>Generate Content...</source>
        <translation>Inhalte erzeugen...</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="161"/>
        <source>Publish to Channel…</source>
        <translation>In Kanal veröffentlichen…</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="180"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="203"/>
        <source>Reveal Folder</source>
        <translation>Ordner anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="207"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="210"/>
        <source>Play the bundle in Vistrelle Player on this computer</source>
        <translation>Das Bundle in Vistrelle Player auf diesem Computer abspielen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="212"/>
        <source>Set Deploy Password…</source>
        <translation>Bereitstellungspasswort festlegen…</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="267"/>
        <source>Deploying... %1%</source>
        <translation>Wird bereitgestellt... %1%</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="286"/>
        <source>Slide %1 of %2</source>
        <translation>Folie %1 von %2</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="300"/>
        <source>Deployment completed successfully!</source>
        <translation>Bereitstellung erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="304"/>
        <source>Deployment failed: </source>
        <translation>Bereitstellung fehlgeschlagen: </translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="311"/>
        <source>Select destination folder for deployment</source>
        <translation>Zielordner für die Bereitstellung auswählen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="349"/>
        <source>Stop the deployment?</source>
        <translation>Bereitstellung abbrechen?</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="350"/>
        <source>The bundle being written will be removed.</source>
        <translation>Das gerade geschriebene Bundle wird entfernt.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="353"/>
        <source>Stop Deployment</source>
        <translation>Bereitstellung abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="354"/>
        <source>Keep Deploying</source>
        <translation>Bereitstellung fortsetzen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/kiosk_deploy_view.cpp" line="375"/>
        <source>Show Check: %1</source>
        <translation>Show-Prüfung: %1</translation>
    </message>
</context>
<context>
    <name>vistrelle::KioskPreviewView</name>
    <message>
        <location filename="../../src/preview/kiosk_preview_view.cpp" line="404"/>
        <source>No screens available</source>
        <translation>Keine Bildschirme vorhanden</translation>
    </message>
    <message>
        <location filename="../../src/preview/kiosk_preview_view.cpp" line="406"/>
        <source>Nothing plays at this time</source>
        <translation>Zu dieser Zeit läuft nichts</translation>
    </message>
</context>
<context>
    <name>vistrelle::KioskPreviewWindow</name>
    <message>
        <location filename="../../src/preview/kiosk_preview_manager.cpp" line="15"/>
        <source>Vistrelle Preview</source>
        <translation>Vistrelle-Vorschau</translation>
    </message>
</context>
<context>
    <name>vistrelle::NoticeBar</name>
    <message>
        <location filename="../../src/editor/notice_bar.cpp" line="22"/>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location filename="../../src/editor/notice_bar.cpp" line="44"/>
        <location filename="../../src/editor/notice_bar.cpp" line="45"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>vistrelle::PaletteScreenRowView</name>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="79"/>
        <source>Screen: %1</source>
        <translation>Bildschirm: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="80"/>
        <source>%1 by %2 screen with %3 components and %4 second duration</source>
        <translation>Bildschirm mit %1 × %2 Pixeln, Komponenten: %3, Anzeigedauer in Sekunden: %4</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="86"/>
        <source>. This is the main screen and cannot be deleted</source>
        <translation>. Dies ist der Hauptbildschirm; er kann nicht gelöscht werden</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="96"/>
        <source>Drag to reorder</source>
        <translation>Zum Neuanordnen ziehen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="114"/>
        <source>%1 components</source>
        <translation>Komponenten: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="114"/>
        <source>1 component</source>
        <translation>1 Komponente</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="116"/>
        <source>%1s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="138"/>
        <source>Duplicate screen</source>
        <translation>Bildschirm duplizieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="139"/>
        <source>Delete screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="205"/>
        <source>Edit Screen…</source>
        <translation>Bildschirm bearbeiten…</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="207"/>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="209"/>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="212"/>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="214"/>
        <source>Delete…</source>
        <translation>Löschen…</translation>
    </message>
</context>
<context>
    <name>vistrelle::PaletteWindows</name>
    <message>
        <location filename="../../src/editor/palette_windows.cpp" line="220"/>
        <location filename="../../src/editor/palette_windows.cpp" line="248"/>
        <source>Could not save the palettes’ arrangement: %1</source>
        <translation>Die Anordnung der Paletten konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>vistrelle::PreferencesSheet</name>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="39"/>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="46"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="48"/>
        <source>New Projects</source>
        <translation>Neue Projekte</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="52"/>
        <source>Default Project Name</source>
        <translation>Standardprojektname</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="60"/>
        <source>Default Resolution</source>
        <translation>Standardauflösung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="66"/>
        <source> seconds</source>
        <translation> Sekunden</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="71"/>
        <source>Auto Save Every</source>
        <translation>Automatisch speichern alle</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="74"/>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="75"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="75"/>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="75"/>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="78"/>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="79"/>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="79"/>
        <source>Separate Window</source>
        <translation>Eigenes Fenster</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="83"/>
        <source>Component Library</source>
        <translation>Komponentenbibliothek</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="84"/>
        <source>Show Welcome Screen at Startup</source>
        <translation>Begrüßungsbildschirm beim Start anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="92"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/preferences_sheet.cpp" line="92"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>vistrelle::PreviewAlertCard</name>
    <message>
        <location filename="../../src/preview/preview_alert_card.cpp" line="57"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vistrelle::PreviewControls</name>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="21"/>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="30"/>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="40"/>
        <source>Close Preview (Esc)</source>
        <translation>Vorschau schließen (Esc)</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="93"/>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="93"/>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="94"/>
        <source>Actual Size (Ctrl+0)</source>
        <translation>Originalgröße (Strg+0)</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_controls.cpp" line="94"/>
        <source>Fit to Window (Ctrl+9)</source>
        <translation>In Fenster einpassen (Strg+9)</translation>
    </message>
</context>
<context>
    <name>vistrelle::PreviewPageError</name>
    <message>
        <location filename="../../src/preview/preview_live_media.cpp" line="220"/>
        <source>The address is not a web page: a web view shows addresses that begin with http:// or https://.</source>
        <translation>Die Adresse ist keine Webseite: Eine Webansicht zeigt Adressen, die mit http:// oder https:// beginnen.</translation>
    </message>
    <message>
        <location filename="../../src/preview/preview_page_error.cpp" line="14"/>
        <source>This page cannot be shown</source>
        <translation>Diese Seite kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>vistrelle::ProjectSettingsSheet</name>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="25"/>
        <source>Enter password for deploy mode</source>
        <translation>Passwort für den Bereitstellungsmodus eingeben</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="27"/>
        <source>Auto Save</source>
        <translation>Automatisch speichern</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="28"/>
        <source>Show Grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="29"/>
        <source>Snap to Grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="31"/>
        <source>Show Guides</source>
        <translation>Hilfslinien anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="32"/>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="38"/>
        <source>Vistrelle Project Settings</source>
        <translation>Vistrelle-Projekteinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="39"/>
        <source>The default settings of your digital signage project</source>
        <translation>Die Standardeinstellungen Ihres Digital-Signage-Projekts</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="43"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="46"/>
        <source>Display Settings</source>
        <translation>Anzeigeeinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="49"/>
        <source>Default Resolution</source>
        <translation>Standardauflösung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="57"/>
        <source>Opening Hours</source>
        <translation>Öffnungszeiten</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="66"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_settings_sheet.cpp" line="66"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>vistrelle::ProjectSetupSheet</name>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="26"/>
        <source>Enter password for deploy mode</source>
        <translation>Passwort für den Bereitstellungsmodus eingeben</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="30"/>
        <source>Auto Save</source>
        <translation>Automatisch speichern</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="31"/>
        <source>Show Grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="32"/>
        <source>Snap to Grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="35"/>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="41"/>
        <source>New Vistrelle Project</source>
        <translation>Neues Vistrelle-Projekt</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="42"/>
        <source>Configure your new digital signage project settings</source>
        <translation>Legen Sie die Einstellungen Ihres neuen Digital-Signage-Projekts fest</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="48"/>
        <source>Password for Vistrelle Player app</source>
        <translation>Passwort für die App Vistrelle Player</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="50"/>
        <source>Used by Vistrelle Player app only to exit display mode.</source>
        <translation>Wird nur von der App Vistrelle Player zum Beenden des Anzeigemodus verwendet.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="52"/>
        <source>Basic Settings</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="59"/>
        <source>Number of Screens</source>
        <translation>Anzahl der Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="62"/>
        <source>Screen Configuration</source>
        <translation>Bildschirmkonfiguration</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="65"/>
        <source>Horizontal</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="67"/>
        <source>Vertical</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="75"/>
        <source>Screen Orientation</source>
        <translation>Bildschirmausrichtung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="78"/>
        <source>Default Resolution</source>
        <translation>Standardauflösung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="82"/>
        <source>Project Settings</source>
        <translation>Projekteinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="86"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="89"/>
        <source>The background colour of new screens</source>
        <translation>Die Hintergrundfarbe neuer Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="90"/>
        <source>Default Background</source>
        <translation>Standardhintergrund</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="95"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="95"/>
        <source>Create Project</source>
        <translation>Projekt erstellen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="130"/>
        <source>Cancel Project Setup</source>
        <translation>Projekteinrichtung abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="131"/>
        <source>Are you sure you want to cancel? This will close the document without saving.</source>
        <translation>Möchten Sie wirklich abbrechen? Das Dokument wird ohne Speichern geschlossen.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="135"/>
        <source>Cancel Setup</source>
        <translation>Einrichtung abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/project_setup_sheet.cpp" line="136"/>
        <source>Continue Setup</source>
        <translation>Einrichtung fortsetzen</translation>
    </message>
</context>
<context>
    <name>vistrelle::PublishSheet</name>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="40"/>
        <source>Publish to Channel</source>
        <translation>In Kanal veröffentlichen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="43"/>
        <source>Every display that follows the channel plays the new show from its next screen, once it has checked the signature.</source>
        <translation>Jedes Display, das dem Kanal folgt, spielt die neue Show ab seinem nächsten Bildschirm, sobald es die Signatur geprüft hat.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="53"/>
        <source>A folder, or http://server/signage/</source>
        <translation>Ein Ordner oder http://server/signage/</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="54"/>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="74"/>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="57"/>
        <source>Publish Into</source>
        <translation>Veröffentlichen in</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="64"/>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="69"/>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="73"/>
        <source>The private key that signs the channel</source>
        <translation>Der private Schlüssel, der den Kanal signiert</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="76"/>
        <source>Signing Key</source>
        <translation>Signaturschlüssel</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="80"/>
        <source>New Key…</source>
        <translation>Neuer Schlüssel…</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="83"/>
        <source>New Signing Key</source>
        <translation>Neuer Signaturschlüssel</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="91"/>
        <source>Key File</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="96"/>
        <source>Choose a key file, or make one with New Key…</source>
        <translation>Wählen Sie eine Schlüsseldatei oder erzeugen Sie eine mit „Neuer Schlüssel…“</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="97"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="103"/>
        <source>Displays trust</source>
        <translation>Displays vertrauen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="109"/>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="112"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="160"/>
        <source>The key could not be made: %1</source>
        <translation>Der Schlüssel konnte nicht erzeugt werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="183"/>
        <source>Publishing failed: %1</source>
        <translation>Veröffentlichen fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="191"/>
        <source>Give a destination and a channel.</source>
        <translation>Geben Sie ein Ziel und einen Kanal an.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="195"/>
        <source>Choose the key file that signs the channel, or make one with New Key….</source>
        <translation>Wählen Sie die Schlüsseldatei, die den Kanal signiert, oder erzeugen Sie eine mit „Neuer Schlüssel…“.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/publish_sheet.cpp" line="254"/>
        <source>Published. Displays that follow “%1” switch at their next poll.</source>
        <translation>Veröffentlicht. Displays, die „%1“ folgen, wechseln bei ihrer nächsten Abfrage.</translation>
    </message>
</context>
<context>
    <name>vistrelle::ResolutionPicker</name>
    <message>
        <location filename="../../src/editor/sheets/resolution_picker.cpp" line="102"/>
        <source>Other...</source>
        <translation>Andere...</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/resolution_picker.cpp" line="105"/>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
</context>
<context>
    <name>vistrelle::RichTextEditor</name>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="71"/>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="78"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="86"/>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="87"/>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="89"/>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="100"/>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="389"/>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="120"/>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="121"/>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="122"/>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="123"/>
        <source>Justify</source>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="134"/>
        <source>Line Spacing</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="139"/>
        <source>Bulleted List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="140"/>
        <source>Numbered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="141"/>
        <source>Clear Formatting</source>
        <translation>Formatierung entfernen</translation>
    </message>
    <message>
        <location filename="../../src/richtext/rich_text_editor.cpp" line="153"/>
        <source>Type here...</source>
        <translation>Hier eingeben...</translation>
    </message>
</context>
<context>
    <name>vistrelle::SaveStylePresetSheet</name>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="93"/>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="99"/>
        <source>Save Style Preset</source>
        <translation>Stilvorlage speichern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="103"/>
        <source>Preset Name</source>
        <translation>Name der Vorlage</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="107"/>
        <source>Enter a name for this style preset</source>
        <translation>Geben Sie einen Namen für diese Stilvorlage ein</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="112"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="112"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>vistrelle::ScheduleEditor</name>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="26"/>
        <source>Only at certain times</source>
        <translation>Nur zu bestimmten Zeiten</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="26"/>
        <source>Displays on only at these times</source>
        <translation>Anzeigen nur zu diesen Zeiten an</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="49"/>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="50"/>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="77"/>
        <source>All day, or 06:00–10:00, 18:00–22:00</source>
        <translation>Ganztägig, oder 06:00–10:00, 18:00–22:00</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="78"/>
        <source>Daily times, separated by commas. A time that ends before it starts runs past midnight.</source>
        <translation>Tägliche Zeiten, durch Kommas getrennt. Eine Zeit, die vor ihrem Beginn endet, läuft über Mitternacht.</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="89"/>
        <source>Alert</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="90"/>
        <source>Alert: plays ahead of the other screens while due</source>
        <translation>Meldung: läuft vor den anderen Bildschirmen, solange fällig</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/schedule_editor.cpp" line="181"/>
        <source>Write times as 06:00–10:00, separated by commas.</source>
        <translation>Schreiben Sie Zeiten als 06:00–10:00, durch Kommas getrennt.</translation>
    </message>
</context>
<context>
    <name>vistrelle::ScheduleWeekGrid</name>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="88"/>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="97"/>
        <source>Nothing plays</source>
        <translation>Nichts läuft</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="160"/>
        <source>Nothing plays for part of this hour.</source>
        <translation>In einem Teil dieser Stunde läuft nichts.</translation>
    </message>
</context>
<context>
    <name>vistrelle::ScheduleWeekView</name>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="190"/>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="197"/>
        <source>Previous Week</source>
        <translation>Vorige Woche</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="200"/>
        <source>Next Week</source>
        <translation>Nächste Woche</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="201"/>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="217"/>
        <source>Click an hour to preview the show as it plays then.</source>
        <translation>Klicken Sie auf eine Stunde, um die Show so vorzuführen, wie sie dann läuft.</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="223"/>
        <source>Preview at This Moment</source>
        <translation>Vorschau zu diesem Zeitpunkt</translation>
    </message>
    <message>
        <location filename="../../src/editor/schedule_week_view.cpp" line="272"/>
        <source>Week of %1</source>
        <translation>Woche vom %1</translation>
    </message>
</context>
<context>
    <name>vistrelle::ScreenEditDialog</name>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="22"/>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="28"/>
        <source>Edit Screen</source>
        <translation>Bildschirm bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="28"/>
        <source>Configure your screen</source>
        <translation>Bildschirm konfigurieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="36"/>
        <source>Enter screen name</source>
        <translation>Bildschirmnamen eingeben</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="37"/>
        <source>Screen Name</source>
        <translation>Bildschirmname</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="45"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="47"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="57"/>
        <source>%n components</source>
        <translation>
            <numerusform>%n Komponente</numerusform>
            <numerusform>%n Komponenten</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="63"/>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="73"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/screen_edit_dialog.cpp" line="73"/>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
</context>
<context>
    <name>vistrelle::ScreenInspector</name>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="78"/>
        <source>Screen Settings</source>
        <translation>Bildschirmeinstellungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="81"/>
        <source>Screen Name</source>
        <translation>Bildschirmname</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="82"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="93"/>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="95"/>
        <source>Display Duration</source>
        <translation>Anzeigedauer</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="103"/>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="108"/>
        <source>Visual Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="123"/>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="127"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="129"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="162"/>
        <source>Apply to all screens</source>
        <translation>Auf alle Bildschirme anwenden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="158"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="194"/>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="207"/>
        <source>Change Schedule</source>
        <translation>Zeitplan ändern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="212"/>
        <source>Content management</source>
        <translation>Inhaltsverwaltung</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="218"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="432"/>
        <source>Export Screen</source>
        <translation>Bildschirm exportieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="220"/>
        <source>Export this screen as a template</source>
        <translation>Diesen Bildschirm als Vorlage exportieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="222"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="455"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="492"/>
        <source>Import Screen</source>
        <translation>Bildschirm importieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="224"/>
        <source>Import a screen from a saved template</source>
        <translation>Einen Bildschirm aus einer gespeicherten Vorlage importieren</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="271"/>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="272"/>
        <source>%1 · screen %2 of %3</source>
        <translation>%1 · Bildschirm %2 von %3</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="273"/>
        <source>Untitled Screen</source>
        <translation>Unbenannter Bildschirm</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="324"/>
        <source>Rename Screen</source>
        <translation>Bildschirm umbenennen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="336"/>
        <source>Change Duration</source>
        <translation>Dauer ändern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="353"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="357"/>
        <source>Change Transition</source>
        <translation>Übergang ändern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="375"/>
        <source>Apply Transition to All Screens</source>
        <translation>Übergang auf alle Bildschirme anwenden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="392"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="398"/>
        <source>Change Background</source>
        <translation>Hintergrund ändern</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="415"/>
        <source>Apply Background to All Screens</source>
        <translation>Hintergrund auf alle Bildschirme anwenden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="415"/>
        <source>Stop Applying Background to All Screens</source>
        <translation>Hintergrund nicht mehr auf alle Bildschirme anwenden</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="436"/>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="459"/>
        <source>Screen Templates (*.xml)</source>
        <translation>Bildschirmvorlagen (*.xml)</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="446"/>
        <source>The screen could not be exported: %1</source>
        <translation>Der Bildschirm konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="449"/>
        <source>Exported to “%1”.</source>
        <translation>Nach „%1“ exportiert.</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="471"/>
        <source>The screen could not be imported: %1</source>
        <translation>Der Bildschirm konnte nicht importiert werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/screen_inspector.cpp" line="493"/>
        <source>Imported “%1”.</source>
        <translation>„%1“ importiert.</translation>
    </message>
</context>
<context>
    <name>vistrelle::ScreensPalette</name>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="235"/>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="256"/>
        <source>No Vistrelle Project Open</source>
        <translation>Kein Vistrelle-Projekt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="257"/>
        <source>You can see the list of screens here once you open a Vistrelle Project</source>
        <translation>Hier sehen Sie die Liste der Bildschirme, sobald Sie ein Vistrelle-Projekt öffnen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="258"/>
        <source>No Screens</source>
        <translation>Keine Bildschirme</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="258"/>
        <source>Click the + button to add your first screen</source>
        <translation>Klicken Sie auf die Schaltfläche +, um Ihren ersten Bildschirm hinzuzufügen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="306"/>
        <source>Add new screen</source>
        <translation>Neuen Bildschirm hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="306"/>
        <source>No project open</source>
        <translation>Kein Projekt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="428"/>
        <source>Delete Screen</source>
        <translation>Bildschirm löschen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="429"/>
        <source>Are you sure you want to delete &apos;%1&apos;? This action cannot be undone.</source>
        <translation>Möchten Sie „%1“ wirklich löschen? Diese Aktion kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="432"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/screens_palette.cpp" line="433"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>vistrelle::ShowCheckPalette</name>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="131"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="132"/>
        <source>Screen %1 “%2”</source>
        <translation>Bildschirm %1 „%2“</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="144"/>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="145"/>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="146"/>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="147"/>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="148"/>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="149"/>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="164"/>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="165"/>
        <source>Look at the media files again, after putting one back or replacing it</source>
        <translation>Die Mediendateien erneut ansehen, nachdem eine zurückgelegt oder ersetzt wurde</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="170"/>
        <source>For high-performance mode</source>
        <translation>Für den Hochleistungsmodus</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="171"/>
        <source>Check as for a deployment of pre-rendered slides, where videos and web views cannot play</source>
        <translation>Wie für eine Bereitstellung vorberechneter Folien prüfen, in der Videos und Webansichten nicht abspielen</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="184"/>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="187"/>
        <location filename="../../src/editor/show_check_palette.cpp" line="230"/>
        <source>Nothing to fix: every screen will show as designed.</source>
        <translation>Nichts zu beheben: Jeder Bildschirm wird wie entworfen gezeigt.</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="219"/>
        <source>Error: deploying fails until it is fixed</source>
        <translation>Fehler: Die Bereitstellung scheitert, bis er behoben ist</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="219"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="220"/>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="230"/>
        <source>No project open</source>
        <translation>Kein Projekt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/editor/show_check_palette.cpp" line="231"/>
        <source>Checking…</source>
        <translation>Wird geprüft …</translation>
    </message>
</context>
<context>
    <name>vistrelle::StylePresetManager</name>
    <message>
        <location filename="../../src/editing/style_preset_manager.cpp" line="142"/>
        <source>Could not save the style preset: %1</source>
        <translation>Die Stilvorlage konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>vistrelle::StylePresetsSheet</name>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="138"/>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="147"/>
        <source>Style Presets</source>
        <translation>Stilvorlagen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="148"/>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="224"/>
        <source>No Style Presets</source>
        <translation>Keine Stilvorlagen</translation>
    </message>
    <message>
        <location filename="../../src/editor/inspector/style_preset_sheets.cpp" line="231"/>
        <source>Save component styles as presets to quickly apply them to other components</source>
        <translation>Speichern Sie Komponentenstile als Vorlagen, um sie schnell auf andere Komponenten anzuwenden</translation>
    </message>
</context>
<context>
    <name>vistrelle::TextAreaEditorSheet</name>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="34"/>
        <source>Text Area</source>
        <translation>Textbereich</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="47"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="54"/>
        <source>Solid</source>
        <translation>Deckend</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="54"/>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="62"/>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="65"/>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="73"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/editor/sheets/text_area_editor_sheet.cpp" line="73"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
</context>
<context>
    <name>vistrelle::UpdateView</name>
    <message>
        <location filename="../../src/app/update_view.cpp" line="20"/>
        <location filename="../../src/app/update_view.cpp" line="25"/>
        <source>Update Available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <location filename="../../src/app/update_view.cpp" line="28"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/app/update_view.cpp" line="46"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/app/update_view.cpp" line="46"/>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
</context>
<context>
    <name>vistrelle::VistrelleApp</name>
    <message>
        <location filename="../../src/app/vistrelle_app.cpp" line="165"/>
        <source>Could not save that the welcome was seen: %1</source>
        <translation>Dass der Willkommensbildschirm gesehen wurde, konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/vistrelle_app.cpp" line="193"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../../src/app/vistrelle_app.cpp" line="194"/>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <location filename="../../src/app/vistrelle_app.cpp" line="195"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>vistrelle::WelcomeWindow</name>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="50"/>
        <location filename="../../src/app/welcome_window.cpp" line="61"/>
        <source>Welcome to Vistrelle</source>
        <translation>Willkommen bei Vistrelle</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="69"/>
        <source>Create and deploy digital signage screens</source>
        <translation>Digital-Signage-Bildschirme erstellen und bereitstellen</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="75"/>
        <source>Lay out screens at the exact resolution of your display</source>
        <translation>Bildschirme in der exakten Auflösung Ihres Displays gestalten</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="77"/>
        <source>Images, titles, rich text, videos, web pages, shapes and icons</source>
        <translation>Bilder, Titel, formatierter Text, Videos, Webseiten, Formen und Symbole</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="79"/>
        <source>Preview the whole show full screen before it goes live</source>
        <translation>Die gesamte Show vor dem Livegang im Vollbild als Vorschau ansehen</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="81"/>
        <source>Deploy projects with Vistrelle Player</source>
        <translation>Projekte mit Vistrelle Player bereitstellen</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="85"/>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="87"/>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="93"/>
        <source>Recent Projects</source>
        <translation>Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <location filename="../../src/app/welcome_window.cpp" line="106"/>
        <source>Get Started</source>
        <translation>Loslegen</translation>
    </message>
</context>
</TS>
