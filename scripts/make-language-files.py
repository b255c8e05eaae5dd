#!/usr/bin/env python3
"""Writes the language files resources/lang/Deutsch.kvl and resources/lang/English.kvl.

The texts live in the table below, one row per entry: (entry number, German, English).
A language file holds one line per entry, in Windows-1252 with CR LF line ends; line n is
entry n. The program drops the first four characters of every line (here the entry number
as four digits) and four more on the line of entry 177, so that line carries a filler.
Entries that no window or message uses stay empty (the line holds the prefix only).

Leading and trailing blanks are part of the texts: the program joins several entries and
values into one message (for example entry 91, the port number and entry 92), so keep them.

Run from anywhere: python3 scripts/make-language-files.py
Given a folder (python3 scripts/make-language-files.py /tmp/out) it writes the files there, so a
test can compare them with the committed ones.

To add a text: add a row (next free number, German, English) to TEXTS, raise HIGHEST_ENTRY to
that number, name the number in text/text_ids.h and run this script. The program takes the
highest entry a complete file must hold from the German file it carries built in.
"""

import sys
from pathlib import Path

HIGHEST_ENTRY = 410
SECOND_CUT_ENTRY = 177  # loses eight characters in all
SECOND_CUT_FILLER = "----"

# fmt: off
TEXTS = [
    # Main window: menus
    (1, "&Datei", "&File"),
    (2, "N&eu", "&New"),
    (3, "&Öffnen…", "&Open…"),
    (4, "&Speichern", "&Save"),
    (5, "Speichern &unter…", "Save &as…"),
    (6, "E&igenschaften…", "&Properties…"),
    (7, "&Modul Update", "Module &update"),
    (8, "&Verbindung", "&Connection"),
    (9, "&Konfiguration", "C&onfiguration"),
    (10, "&Info", "&Info"),
    (11, "&Modul-Typ auslesen", "&Read module type"),
    (12, "&About", "&About"),
    (13, "&Hilfe", "&Help"),
    (14, "&Hilfe starten", "&Start help"),
    (15, "Bereiche an&zeigen", "Sho&w areas"),
    # Context menu of the sequence list
    (16, "&Kopieren", "&Copy"),
    (17, "&Ausschneiden", "Cu&t"),
    (18, "Ein&fügen", "P&aste"),
    (19, "Einfügen an &Tabellenende", "Paste at &end of table"),
    # Main window: buttons
    (20, "Simula&tion |>", "Simula&tion |>"),
    (21, "Simulati&on >>", "Si&mulation >>"),
    (22, "Alle La&mpen aus", "All &lamps off"),
    (23, "&Ändern", "Chan&ge"),
    (24, "Zeile &einfügen", "I&nsert row"),
    (25, "Zeile(n) &löschen", "&Delete row(s)"),
    (26, "S&chleife erstellen", "C&reate loop"),
    (27, "Schlei&fe löschen", "Delete loo&p"),
    (28, "S&peicherbedarf", "Memory re&quired"),
    (29, "Daten &senden", "&Send data"),
    (30, "Bee&nden", "E&xit"),
    (31, "        Speichern und &weiter", "        Save &and next"),
    # Properties dialog, shared OK, about box
    (32, "Dateiendung neu registrieren", "Register file extension again"),
    (33, "&OK", "&OK"),
    (34, "&Schliessen", "&Close"),
    # Remote-control buttons: which sequence is edited
    (35, "Öffnen", "Unlock"),
    (36, "Schliessen", "Lock"),
    # Vehicle options dialog: type, body, model year
    (37, "BMW 7er", "BMW 7 Series"),
    (44, "Limousine", "Saloon"),
    (45, "Touring", "Touring"),
    (46, "Coupé", "Coupé"),
    (47, "Cabrio", "Convertible"),
    (48, "Clubman", "Clubman"),
    (49, "ohne Facelift", "without facelift"),
    (51, "mit Facelift", "with facelift"),
    (56, "A&utom.", "A&uto"),
    (57, 'Funktion "Autom." beim Programmstart aktivieren',
         'Switch on "Auto" when the program starts'),
    (58, "Aktivierungsbereich anzeigen", "Show activation area"),
    (61, "Abbiegelicht", "Cornering light"),
    # Frames of the main window
    (62, " Simulation ", " Simulation "),
    (63, " Bearbeiten ", " Edit "),
    (64, " Schleife", " Loop"),
    (65, " Fernbedienung", " Remote control"),
    (66, " Daten ", " Data "),
    (67, " Programm", " Program"),
    # Vehicle options dialog: frame and headings
    (68, " Lichtfunktionen ", " Light functions "),
    (69, "Fahrzeugtyp", "Vehicle type"),
    (70, "Karosserieform", "Body style"),
    (71, "Baujahr - Facelift", "Model year - facelift"),
    (72, "Fernlichtscheinwerfer und Standlichtringe", "High-beam headlights and parking light rings"),
    (73, "Verbindungsaufbau", "Connecting"),
    # The about box appends " " and the maker's name to this line.
    (74, "Software entwickelt von Firma", "Software developed by"),
    (75, "Fahrzeugtyp - Auswahl und Einstellungen", "Vehicle type - selection and settings"),
    # Follows the on-time number: "1,5 Sec ein/aus"
    (76, " Sec ein/aus", " sec on/off"),
    (78, " Nicht verbunden mit Modul", " Not connected to module"),
    # Step editing
    (79, "Eine Schleife war länger als 32 Zeilen und wurde auf 32 Zeilen gekürzt.",
         "A loop was longer than 32 rows and has been shortened to 32 rows."),
    (80, "Sollen die markierten Zeilen gelöscht werden?", "Delete the selected rows?"),
    # Files
    (81, "Die Prüfsumme der Datei stimmt nicht. Die Datei ist beschädigt und wurde nicht geladen.",
         "The checksum of the file does not match. The file is damaged and has not been loaded."),
    (82, "Dateifehler", "File error"),
    (83, "Die Sequenzen wurden geändert. Sollen die Änderungen gespeichert werden?",
         "The sequences have been changed. Do you want to save the changes?"),
    # First start
    (84, "Willkommen! Das Programm wird zum ersten Mal gestartet. Bitte wählen Sie im folgenden "
         "Fenster Ihr Fahrzeug und seine Ausstattung.",
         "Welcome! The program is started for the first time. Please choose your vehicle and its "
         "equipment in the following window."),
    (85, "Erster Programmstart", "First start"),
    (86, "Die Einrichtung ist abgeschlossen. Sequenzdateien (*.kvs) öffnen sich jetzt mit einem "
         "Doppelklick in diesem Programm.",
         "Setup is complete. Sequence files (*.kvs) now open in this program with a double click."),
    (87, "Die Dateiendung .kvs wird jetzt für dieses Programm registriert.",
         "The file extension .kvs is now registered for this program."),
    (88, "Die Datei konnte nicht gelesen oder geschrieben werden, oder sie ist beschädigt.",
         "The file could not be read or written, or it is damaged."),
    (89, "Einrichtung abgeschlossen", "Setup complete"),
    (90, "Die Sequenzen wurden geändert. Sollen die Änderungen vorher gespeichert werden?",
         "The sequences have been changed. Do you want to save the changes first?"),
    # Serial port: 91 + port number + 92, or 91 + port number + 94 + line break + 95
    (91, "Der Port ", "Port "),
    (92, " ist nicht vorhanden.", " does not exist on this computer."),
    (93, "Schnittstellenfehler", "Serial port error"),
    (94, " ist bereits belegt.", " is already in use."),
    (95, "Bitte schließen Sie das Programm, das den Port benutzt, oder wählen Sie einen anderen Port.",
         "Please close the program that uses the port, or choose another port."),
    # Loops
    (96, "Die Anzahl der Wiederholungen muss zwischen 2 und 20 liegen.",
         "The number of repeats must be between 2 and 20."),
    (97, "Ungültige Eingabe", "Invalid input"),
    (98, "Eine Schleife darf höchstens 32 Zeilen umfassen. Bitte markieren Sie weniger Zeilen.",
         "A loop may hold at most 32 rows. Please select fewer rows."),
    (99, "Schleife erstellen", "Create loop"),
    (100, "Die Schleife konnte nicht erstellt werden.", "The loop could not be created."),
    # Module
    (101, "Es wurde kein Modul gefunden. Bitte prüfen Sie das Kabel, den gewählten Port und die "
          "Stromversorgung des Moduls.",
          "No module was found. Please check the cable, the chosen port and the power supply of "
          "the module."),
    (102, "Kein Modul", "No module"),
    (103, " Kein Modul verbunden", " No module connected"),
    # 104 + two line breaks + 105
    (104, "Die Sequenzen sind zu lang für den Speicher des Moduls. Es wurden keine Daten gesendet.",
          "The sequences are too long for the memory of the module. No data has been sent."),
    (105, "Bitte kürzen Sie die Sequenzen oder schalten Sie die Haltezeiten ab.",
          "Please shorten the sequences or switch the hold times off."),
    # Followed by " ", the percentage and " %"
    (106, "Speicherbedarf:", "Memory required:"),
    (107, "Ein Wert passt nicht in das Datenformat des Moduls (Überlauf). Bitte prüfen Sie die "
          "Wiederholungen der Schleifen.",
          "A value does not fit the data format of the module (overflow). Please check the "
          "repeats of the loops."),
    (108, "Die Übertragung wurde abgebrochen: das Modul hat die Daten nicht richtig bestätigt.",
          "The transfer has been stopped: the module did not confirm the data correctly."),
    (109, "Übertragungsfehler", "Transfer error"),
    (110, "Die Daten wurden erfolgreich in das Modul übertragen.",
          "The data has been transferred to the module successfully."),
    (111, "Die Übertragung wurde abgebrochen: das Modul antwortet nicht.",
          "The transfer has been stopped: the module does not answer."),
    # Module report
    (112, "Das Modul bietet folgende Funktionen:", "The module offers the following functions:"),
    # Followed by the edition name, e.g. " Vireo - Merix"
    (113, "Edition:", "Edition:"),
    (114, "Modulinformation", "Module information"),
    # Repeat count question
    (115, "Wie oft soll die Schleife ablaufen? (2 bis 20)",
          "How many times shall the loop run? (2 to 20)"),
    (116, "Wiederholungen", "Repeats"),
    # Lamp names, followed directly by a position suffix such as "_L"
    (117, "Standlichtring", "Parking light ring"),
    (118, "Abblendlicht", "Low beam"),
    (119, "Fernlicht", "High beam"),
    (120, "Nebelleuchte", "Fog lamp"),
    (122, "Blinker", "Indicator"),
    (124, "Rückleuchte", "Tail light"),
    (125, "Rückfahrscheinwerfer", "Reversing light"),
    (126, "Sequenzdatei", "Sequence file"),
    # Followed by the firmware version
    (127, "Firmware-Version: ", "Firmware version: "),
    # Vehicle functions
    (152, " Fahrzeugfunktionen ", " Vehicle functions "),
    (155, "FFB 1x kurz betätigt", "remote pressed 1x short"),
    (156, "FFB 1x lang betätigt", "remote pressed 1x long"),
    (163, "Unbekannter Modultyp. Dieses Modul wird von diesem Programm nicht unterstützt.",
          "Unknown module type. This module is not supported by this program."),
    (177, "Spiegel ein und ausklappen", "Fold mirrors in and out"),
    # Functions every module edition offers (lines of the module report)
    (186, "  - Begrüßungslicht, frei programmierbar", "  - Welcome light, freely programmable"),
    (187, "  - Verabschiedungslicht, frei programmierbar", "  - Goodbye light, freely programmable"),
    (188, "  - Übertragung der Sequenzen über die serielle Schnittstelle",
          "  - Upload of the sequences over the serial port"),
    (189, "  - Firmware-Update mit dem Bootloader", "  - Firmware update with the bootloader"),
    (190, "  - Schleifen mit 2 bis 20 Wiederholungen", "  - Loops with 2 to 20 repeats"),
    (193, "  - Leuchtdauer je Schritt von 0,1 bis 10 Sekunden",
          "  - On-time per step from 0.1 to 10 seconds"),
    (194, "  - Blinker und Nebelleuchten einzeln schaltbar",
          "  - Indicators and fog lamps switched one by one"),
    (195, "  - Rückleuchten und Rückfahrscheinwerfer einzeln schaltbar",
          "  - Tail lights and reversing lights switched one by one"),
    (209, "  - Standlichtringe, Abblend- und Fernlicht einzeln schaltbar",
          "  - Parking light rings, low and high beam switched one by one"),
    # Light functions of the vehicle options dialog
    (197, "Tagfahrlicht US", "Daytime running light US"),
    (198, "Standlicht US", "Parking light US"),
    (199, "Tagfahrlicht über Standlicht", "Daytime running light via parking light"),
    (200, "Begrüßungslicht", "Welcome light"),
    (201, "Verabschiedungslicht", "Goodbye light"),
    (203, "Tagfahrlicht nach US-Ausführung: die Standlichtringe leuchten als Tagfahrlicht",
          "Daytime running light of the US version: the parking light rings serve as daytime "
          "running light"),
    (207, "Modell ab 10.2006", "Model from 10.2006"),
    (208, "Soft ein", "Soft on"),
    # Update request: 211, empty line, 212 + " " + 127 + " 2.4"
    (211, "Die Firmware des Moduls ist veraltet. Bitte aktualisieren Sie sie mit dem Bootloader "
          "(Datei - Modul Update - Update).",
          "The firmware of the module is out of date. Please update it with the bootloader "
          "(File - Module update - Update)."),
    (212, "Dieses Programm benötigt mindestens", "This program needs at least"),
    # Main window: the edit menu with undo and redo
    (213, "&Bearbeiten", "&Edit"),
    (214, "&Rückgängig", "&Undo"),
    (215, "&Wiederholen", "R&edo"),
    # Refused table edits; %1 is the limit
    (216, "Die Sequenz ist voll: sie kann höchstens %1 Schritte enthalten.",
          "The sequence is full: it can hold at most %1 steps."),
    (217, "Die Sequenz kann höchstens %1 Schritte enthalten. Die Zeilen wurden nicht eingefügt.",
          "A sequence can hold at most %1 steps. The rows have not been inserted."),
    (218, "Es können höchstens %1 Zeilen auf einmal kopiert oder ausgeschnitten werden.",
          "At most %1 rows can be copied or cut at a time."),
    (219, "Eine Sequenz kann höchstens %1 Schleifen enthalten. Die Tabelle wurde nicht geändert.",
          "A sequence can hold at most %1 loops. The table has not been changed."),
    (220, "Zu viele getrennte Teile derselben Schleife (höchstens %1). Die Tabelle wurde nicht "
          "geändert.",
          "Too many separate parts of the same loop (at most %1). The table has not been changed."),
    (221, "Eine Schleife muss innerhalb der Zeilen 1 bis %1 liegen.",
          "A loop must lie within rows 1 to %1."),
    (222, "Es ist keine Schleifennummer mehr frei (höchstens %1).",
          "No loop number is left (at most %1)."),
    # Serial port without permission: 223 (%1 device, %2 "Com n") + line break + 224 (%1 group)
    (223, "Keine Berechtigung, %1 (%2) zu öffnen.", "No permission to open %1 (%2)."),
    (224, 'Der Benutzer braucht Lese- und Schreibzugriff auf dieses Gerät: treten Sie der Gruppe '
          '"%1" bei (zum Beispiel: sudo usermod -aG %1 $USER) und melden Sie sich neu an.',
          'The user needs read and write access to this device: join the group "%1" (for '
          'example: sudo usermod -aG %1 $USER), then log in again.'),
    # Upload refused; %1 is the sequence's name (entry 200 or 201), %2 the limit
    (225, 'Die Sequenz "%1" hat mehr als %2 Schleifen. Die Daten werden nicht gesendet.',
          'The sequence "%1" has more than %2 loops. The data is not sent.'),
    (226, 'Die Sequenz "%1" hat mehr als %2 Schritte. Die Daten werden nicht gesendet.',
          'The sequence "%1" has more than %2 steps. The data is not sent.'),
    (227, "Die Sequenzen enthalten keine Daten.", "The sequences hold no data."),
    # Missing files; followed by a line break and the path
    (228, "Die Hilfedatei wurde nicht gefunden:", "The help file was not found:"),
    (229, "Das Bootloader-Programm wurde nicht gefunden:", "The bootloader program was not found:"),
    # Column headers of the sequence lists; the caption of both playback buttons while playing
    (230, "Intervall", "Interval"),
    (231, "Schleife", "Loop"),
    (232, "Anhal&ten", "S&top"),
    # Save refused: %1 is entry 234, 235 or 236
    (233, "Die Datei wurde nicht gespeichert: %1 kann nicht in einer Sequenzdatei stehen.",
          "The file was not saved: %1 cannot be kept in a sequence file."),
    (234, "der Fahrzeugcode", "the vehicle model code"),
    (235, "die Optionszeichenfolge", "the option string"),
    # %1 row, %2 the sequence's name (entry 200 or 201), %3 the column (entry 230, 231 or 237)
    (236, 'Schritt %1 der Sequenz "%2" (%3)', 'step %1 of the sequence "%2" (%3)'),
    (237, "Lampen", "lamps"),
    # Language file problems: %1 the file; %2 texts found, %3 texts expected
    (238, 'Die Sprachdatei "%1" enthält nur %2 von %3 Texten; die fehlenden werden auf Deutsch '
          'angezeigt.',
          'The language file "%1" holds only %2 of %3 texts; the missing ones are shown in '
          'German.'),
    # Stored settings replaced; followed by one line per setting: key, old and new value
    (239, "Gespeicherte Einstellungen waren ungültig und wurden ersetzt:",
          "Stored settings were not valid and have been replaced:"),
    # Lamp timeline and memory meter
    (240, "&Ansicht", "&View"),
    (241, "&Zeitleiste", "&Timeline"),
    (242, "%1 in Schritt %2 schalten", "Switch %1 in step %2"),
    (243, "%1 in Schritten %2 bis %3 setzen", "Set %1 in steps %2 to %3"),
    (244, "Schritt %1, %2 s, Schleife: %3, Lampe: %4", "Step %1, %2 s, loop: %3, lamp: %4"),
    (245, "keine", "none"),
    (246, "Speicher: %1 % (%2 von %3 Bytes)", "Memory: %1 % (%2 of %3 bytes)"),
    (247, "Passt nicht: %1 von %2 Bytes, %3 Bytes zu viel",
     "Does not fit: %1 of %2 bytes, %3 bytes too many"),
    (248, "Passt nicht: mehr als %1 Bytes bei %2 Bytes Speicher, mindestens %3 Bytes zu viel",
     "Does not fit: more than %1 bytes for %2 bytes of memory, at least %3 bytes too many"),
    (249, "? Schleifenmarke unlesbar", "? Loop marker unreadable"),
    (250, "%1 s", "%1 s"),
    (251, "Kein Speicherabbild: %1", "No memory image: %1"),
    (252, "× %1", "× %1"),
    # Recent files, dropped files; %1 is the file
    (253, 'Die Datei "%1" gibt es nicht mehr. Sie wurde aus der Liste der zuletzt geöffneten '
          'Dateien entfernt.',
          'The file "%1" no longer exists. It has been removed from the list of recent files.'),
    (254, '"%1" ist keine Sequenzdatei (*.kvs) und wurde nicht geöffnet.',
          '"%1" is not a sequence file (*.kvs) and has not been opened.'),
    (255, "Es kann nur eine Datei auf einmal geöffnet werden.",
          "Only one file can be opened at a time."),
    # File menu: the examples and their titles
    (256, "&Beispiele", "Exa&mples"),
    (257, "Lauflicht über die Ringe", "Sweep across the rings"),
    (258, "Blinker laufen nach außen", "Indicators running outward"),
    (259, "Doppelblitz in der Schleife", "Double blink in a loop"),
    (260, "Linse für Linse einblenden", "Lens after lens fade-in"),
    (261, "Abschied: von hinten abblenden", "Goodbye dimming from the rear"),
    (262, "Wechselblinken links und rechts", "Alternating left and right"),
    (263, "Volles Programm: Begrüßung und Abschied", "The full show: welcome and goodbye"),
    # Export of the playback as an animated GIF (file menu)
    (264, "&Animation exportieren…", "Expor&t animation…"),
    (265, "Animation exportieren", "Export animation"),
    (266, "GIF-Animation (*.gif)", "GIF animation (*.gif)"),
    (267, "Animation", "Animation"),
    (268, "Die Animation wird geschrieben …", "Writing the animation …"),
    (269, "&Abbrechen", "&Cancel"),
    # Followed by a line break, the file and the reason
    (270, "Die Animation konnte nicht geschrieben werden:", "The animation could not be written:"),
    (271, "Die Sequenz hat keine Schritte; es gibt nichts zu zeigen.",
          "The sequence has no steps; there is nothing to show."),
    # The bootloader program could not be started; followed by a line break and the path
    (272, "Das Bootloader-Programm konnte nicht gestartet werden:",
          "The bootloader program could not be started:"),
    # Window title before the vehicle type; two blanks follow it
    (273, "Fahrzeugauswahl:  ", "Vehicle:  "),
    # Filter of the open and save dialogs
    (274, "Dateien (*.kvs)", "Sequence files (*.kvs)"),
    # Answer buttons of the questions
    (275, "&Ja", "&Yes"),
    (276, "&Nein", "&No"),
    # Tool tips of the main window's buttons
    (277, "( Space Taste )", "( Space key )"),
    (278, "Autoamtisch weiter mit linker Maustaste", "Append automatically with the left mouse button"),
    (279, "Werte in der Tabelle überschreiben", "Overwrite the values in the table"),
    (280, "Erstellt eine Schleife auf die makierten Zeilen", "Creates a loop over the selected rows"),
    (281, "Löscht eine Schleife", "Deletes a loop"),
    (282, "Starte von vorne", "Start from the beginning"),
    (283, "Start von Aktueller Position", "Start from the current position"),
    # An entry of the hold-time lists: the seconds
    (284, "%1 Sek.", "%1 sec."),
    # Module identification: the type in the status line and the report; the developer reply
    (285, "Typ", "Type"),
    (286, "Software Compiler Datum: ", "Software compiler date: "),
    (287, "Codiert für das Modell: ", "Coded for the model: "),
    # The module's own memory in the identification report: %1 bytes
    (288, "Speicher des Moduls: %1 Bytes", "Module memory: %1 bytes"),
    # Help without a program to show it; the manual's file follows on a line of its own
    (289, "Es wurde kein Programm gefunden, das das Handbuch anzeigen kann. Das Handbuch liegt "
          "hier:",
          "No program was found to show the manual. The manual is here:"),
    # Status line after an animation was written: %1 the file
    (290, "Animation gespeichert: %1", "Animation written: %1"),
    # Status line when the window is closed while an exchange with the module runs
    (291, "Die Übertragung zum Modul wird beendet, dann schliesst das Programm.",
          "The transfer to the module is finishing; the program closes then."),
    # What a screen reader says of the lamp in focus on the pictures: "%1, an" (the lamp's name)
    (292, "%1, an", "%1, on"),
    (293, "%1, aus", "%1, off"),
    # The name of the on-time slider, for a screen reader
    (294, "Einschaltzeit", "On-time"),
    # Compacting a sequence: the command, the figures it asks with (%1 sequence name, %2 and %3
    # bytes before and after; %1 and %2 image bytes before and after, %3 the capacity)
    (295, "Sequenz &verdichten…", "C&ompact sequence…"),
    (296, "%1: von %2 auf %3 Bytes", "%1: from %2 to %3 bytes"),
    (297, "Ganzes Speicherabbild: von %1 auf %2 von %3 Bytes",
          "Whole memory image: from %1 to %2 of %3 bytes"),
    (298, "Das Speicherabbild ist dann immer noch %1 Bytes zu groß.",
          "The memory image is then still %1 bytes too large."),
    (299, "Verdichten? Die Wiedergabe bleibt genau gleich.",
          "Compact? The playback stays exactly the same."),
    (300, "Hier lässt sich nichts gewinnen: keine kleinere Fassung zeigt dasselbe.",
          "Nothing can be won here: no smaller version shows the same."),
    (301, "Verdichten abgebrochen: das Ergebnis spielte nicht gleich ab. Nichts wurde geändert.",
          "Compacting stopped: the result did not play the same. Nothing was changed."),
    (302, "%1: bleibt, wie sie ist (die Wiedergabe endet nicht oder ist zu lang)",
          "%1: stays as it is (its playback does not end or is too long)"),
    (303, "%1: bleibt, wie sie ist (kein Speicherabbild möglich: %2)",
          "%1: stays as it is (no memory image possible: %2)"),
    # The cost of a step in the timeline's tool tip: %1 step, %2 bytes, %3 the parts
    (304, "Schritt %1: %2 Bytes: %3", "Step %1: %2 bytes: %3"),
    (305, "Steuerbyte", "control"),
    (306, "Zeit", "time"),
    (307, "1 Ecke", "1 corner"),
    (308, "%1 Ecken", "%1 corners"),
    (309, "Schleife", "loop"),
    (310, "Ab diesem Schritt passt das Speicherabbild nicht mehr: %1 Bytes zu viel",
          "From this step on the memory image no longer fits: %1 bytes too many"),
    # The meter's tool tip, one line each; %1 bytes
    (311, "Kopf: %1 Bytes", "Header: %1 bytes"),
    (312, "Haltezeiten: %1 Bytes", "Hold records: %1 bytes"),
    (313, "Frei: %1 Bytes", "Free: %1 bytes"),
    (314, "%1: %2 Bytes", "%1: %2 bytes"),
    # Status line when the recovery journal cannot write (%1 the reason), and when it can again
    (315, "Wiederherstellung ausgeschaltet: %1", "Recovery is off: %1"),
    (316, "Wiederherstellung wieder eingeschaltet", "Recovery is on again"),
    # Message at start: %1 the folder, %2 the names of the damaged recovery entries
    (317, "Beschädigte Wiederherstellungsdaten wurden nach %1 verschoben: %2",
          "Damaged recovery data were moved to %1: %2"),
    # The recovery offer at start
    (318, "Dokumente wiederherstellen", "Restore documents"),
    (319, "Vireo wurde nicht ordnungsgemäß beendet. Diese Dokumente waren nicht gespeichert:",
          "Vireo did not end properly. These documents were not saved:"),
    (320, "Wiederherstellen", "Restore"),
    (321, "Verwerfen", "Discard"),
    (322, "Später", "Later"),
    # %1 the document's name
    (323, "%1 wird endgültig verworfen. Fortfahren?", "%1 will be discarded for good. Go on?"),
    (324, "Unbenannt", "Untitled"),
    # How a recovered document stands to its file
    (325, "neuer als die Datei", "newer than the file"),
    (326, "die Datei ist nicht mehr da", "the file is gone"),
    (327, "gleich der Datei", "same as the file"),
    (328, "nie gespeichert", "never saved"),
    # File menu item and title of the earlier versions dialog
    (329, "&Frühere Versionen…", "&Earlier versions…"),
    # %1 the file
    (330, "Frühere Versionen von %1:", "Earlier versions of %1:"),
    (331, "Als neues Dokument öffnen", "Open as a new document"),
    (332, "Keine früheren Versionen von %1.", "No earlier versions of %1."),
    # A line of the recovery offer: %1 name, %2 folder, %3 time of the last change, %4 how it
    # stands to its file
    (333, "%1   (%2)   zuletzt geändert %3, %4", "%1   (%2)   last changed %3, %4"),
    # A line of the earlier versions: %1 the time, %2 the size in bytes
    (334, "%1   (%2 Bytes)", "%1   (%2 bytes)"),
    # Edit menu: transforms of the rows, the pattern generator and symmetric editing
    (335, "&Spiegeln (links/rechts)", "&Mirror (left/right)"),
    (336, "&Umkehren", "&Reverse"),
    (337, "&Zeiten strecken…", "&Stretch times…"),
    (338, "S&chliessen aus Öffnen", "&Goodbye from welcome"),
    (339, "Die Auswahl schneidet Schleife %1. Bitte die ganze Schleife oder keine ihrer Zeilen auswählen.",
          "The selection cuts through loop %1. Select the whole loop or none of its rows."),
    (340, "Die Sequenz \"Schliessen\" hat schon Zeilen. Durch die umgekehrte Sequenz \"Öffnen\" ersetzen?",
          "The goodbye sequence already has rows. Replace them with the welcome sequence reversed?"),
    (341, "Muster &einfügen…", "Insert &pattern…"),
    (342, "S&ymmetrisch", "S&ymmetric"),
    (343, "Faktor für die Einschaltzeiten (0,1 bis 10):", "Factor for the on-times (0.1 to 10):"),
    # The pattern generator: patterns, lamp orders, passes and the cost
    (344, "Lauflicht", "Chase"),
    (345, "Füllen", "Fill"),
    (346, "Leeren", "Empty"),
    (347, "Blinken", "Blink"),
    (348, "Links und rechts im Wechsel", "Alternate left and right"),
    (349, "Wie gewählt", "As picked"),
    (350, "Von links nach rechts", "Left to right"),
    (351, "Von aussen nach innen", "Outside in"),
    (352, "Von innen nach aussen", "Inside out"),
    (353, "Durchgänge", "Passes"),
    # The pattern dialog: the corners of the lamp list, the labels of its choices, the list's head
    (355, "Vorne rechts", "Front right"),
    (356, "Vorne links", "Front left"),
    (357, "Hinten links", "Rear left"),
    (358, "Hinten rechts", "Rear right"),
    (359, "Muster", "Pattern"),
    (360, "Reihenfolge", "Order"),
    (361, "Lampen", "Lamps"),
    # The pattern dialog: where the pattern goes (%1 the row it follows, %2 that row's loop)
    # Compacting a sequence that has no memory image: what it needs compacted, and why it has none
    (362, "%1: hat kein Speicherabbild (%2); verdichtet braucht sie %3 Bytes",
          "%1: has no memory image (%2); compacted it needs %3 bytes"),
    (363, "mehr als %1 Schleifen", "more than %1 loops"),
    (364, "mehr als %1 Schritte", "more than %1 steps"),
    (365, "ein Wert passt nicht in sein Byte", "a value does not fit its byte"),
    (366, "Das Muster kommt an den Anfang.", "The pattern goes at the start."),
    (367, "Das Muster kommt ans Ende, nach Zeile %1.", "The pattern goes at the end, after row %1."),
    (368, "Das Muster kommt nach Zeile %1.", "The pattern goes after row %1."),
    (369, "Das Muster kommt nach Zeile %1, dem Ende von Schleife %2.",
          "The pattern goes after row %1, the end of loop %2."),
    # Counts: one of a thing, or %1 of them
    (370, "1 Schritt", "1 step"),
    (371, "%1 Schritte", "%1 steps"),
    (372, "1 Byte", "1 byte"),
    (373, "%1 Bytes", "%1 bytes"),
    # What the pattern adds: %1 the steps (424 or 425), %2 the bytes (426 or 427)
    (374, "%1, %2 mehr im Speicherabbild", "%1, %2 more in the memory image"),
    (375, "%1, kein Speicherabbild möglich", "%1, no memory image possible"),
    # The pattern there and back, the lamps with their mirror lamps
    (376, "Hin und zurück", "Bounce"),
    (377, "Paarweise", "In pairs"),
    # Tool tip of "Symmetrisch"
    (378, "Eine Lampe schaltet ihre Spiegellampe auf der anderen Seite mit",
          "A lamp switches its mirror lamp on the other side too"),
    # Saving over a file that another window or program changed since it was opened or saved:
    # the question (%1 the file) and its answers; the third answer is "Abbrechen"
    (379, "Die Datei %1 wurde seit dem Öffnen oder letzten Speichern verändert, von einem anderen "
          "Fenster oder Programm. Überschreiben, unter anderem Namen speichern oder abbrechen?",
          "The file %1 was changed since it was opened or last saved, by another window or "
          "program. Overwrite it, save under another name, or cancel?"),
    (380, "&Überschreiben", "&Overwrite"),
    (381, "Unter anderem &Namen…", "Save under another &name…"),
    # The newest of the earlier versions: %1 the time it was saved, %2 its size in bytes
    (382, "%1   (%2 Bytes), die neueste", "%1   (%2 bytes), the newest"),
    # A save went ahead without keeping the file it replaced: %1 the file, %2 the system's reason
    (383, "Gespeichert, aber die vorige Fassung von %1 wurde nicht aufbewahrt: %2",
          "Saved, but the previous version of %1 was not kept: %2"),
    # File menu: the language list (named alike in every language), the module update's items,
    # the settings reset of developer mode
    (384, "&Language", "&Language"),
    (385, "&Update", "&Update"),
    (386, "&Help", "&Help"),
    (387, "&Reg Löschen", "&Reg Löschen"),
    # "Passend machen": the command, the dialog's title and undo step; %1 %2 %3 bytes now,
    # after, the memory; %1 %2 seconds in all, at most on one step; %1 sequence, %2 step,
    # %3 %4 seconds old and new; %1 %2 bytes the steps alone need, the memory
    (388, "&Passend machen…", "Make it &fit…"),
    (389, "Passend machen", "Make it fit"),
    (390, "Speicherabbild: jetzt %1, danach %2, Speicher %3",
          "Memory image: now %1, after %2, memory %3"),
    (391, "Änderung: %1 s insgesamt, höchstens %2 s an einem Schritt",
          "Change: %1 s in all, at most %2 s on one step"),
    (392, "%1, Schritt %2: %3 s -> %4 s", "%1, step %2: %3 s -> %4 s"),
    (393, "%1, Schritt %2: %3 s, entfällt", "%1, step %2: %3 s, dropped"),
    (394, "Mit Einschaltzeiten allein passt es nicht: die Schritte allein brauchen %1 Bytes, "
          "der Speicher hat %2.",
          "On-times alone cannot make it fit: the steps alone need %1 bytes, the memory has %2."),
    (395, "&Schritte weglassen", "&Drop steps"),
    (396, "Auch mit weggelassenen Schritten passt es nicht.",
          "It does not fit even with steps dropped."),
    (397, "Es passt schon: nichts zu ändern.", "It fits already: nothing to change."),
    (398, '"Bearbeiten - Passend machen…" findet die kleinste Änderung, mit der es passt.',
          '"Edit - Make it fit…" finds the smallest change that makes it fit.'),
    (399, "&Übernehmen", "&Apply"),
    (400, "Passend machen abgebrochen: das Ergebnis bestand seine Prüfung nicht. Nichts wurde "
          "geändert.",
          "Make it fit stopped: the result did not pass its check. Nothing was changed."),
    (401, "Please select your Language", "Please select your Language"),
    (402, "Programm und Einstellungen werden geladen .....", "Loading program and settings ....."),
    (403, "Version %1", "Version %1"),
    (404, "Software Version %1", "Software Version %1"),
    (405, "Internet:", "Internet:"),
    (406, "E-Mail:", "E-Mail:"),
    (407, "Position %1", "Position %1"),
    (408, "x", "x"),
    (409, "y", "y"),
    (410, "Uncodiert", "Uncodiert"),
]
# fmt: on


def language_lines(column):
    """The lines of one language file, column 1 = German, 2 = English."""
    texts = {}
    for row in TEXTS:
        number = row[0]
        if number in texts or not 1 <= number <= HIGHEST_ENTRY:
            raise SystemExit(f"entry {number}: duplicate or out of range")
        texts[number] = row[column]
    lines = []
    for number in range(1, HIGHEST_ENTRY + 1):
        prefix = f"{number:04d}"
        if number == SECOND_CUT_ENTRY:
            prefix += SECOND_CUT_FILLER
        text = texts.get(number, "")
        if "\r" in text or "\n" in text:
            raise SystemExit(f"entry {number}: a text must stay on one line")
        lines.append(prefix + text)
    return lines


def write_language_file(path, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    path.write_bytes(data)


def main():
    if len(sys.argv) > 1:
        folder = Path(sys.argv[1])
        folder.mkdir(parents=True, exist_ok=True)
    else:
        folder = Path(__file__).resolve().parent.parent / "resources" / "lang"
    write_language_file(folder / "Deutsch.kvl", language_lines(1))
    write_language_file(folder / "English.kvl", language_lines(2))


if __name__ == "__main__":
    main()
