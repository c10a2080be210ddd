<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>%1 - About</source>
        <translation>%1 - Über</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Inserts for compact-disc jewel cases</source>
        <translation>Einleger für CD-Hüllen</translation>
    </message>
    <message>
        <source>Free to use, copy and share.</source>
        <translation>Frei zu nutzen, zu kopieren und weiterzugeben.</translation>
    </message>
    <message>
        <source>If you have questions, comments or need support fell free to contact me:</source>
        <translation>Bei Fragen, Anmerkungen oder für Hilfe schreiben Sie mir gern:</translation>
    </message>
    <message>
        <source>Web address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Cases</name>
    <message>
        <source>Jewel case</source>
        <translation>Jewel-Case</translation>
    </message>
    <message>
        <source>Slim case</source>
        <translation>Slim-Case</translation>
    </message>
    <message>
        <source>DVD case</source>
        <translation>DVD-Hülle</translation>
    </message>
    <message>
        <source>Disc label</source>
        <translation>CD-Etikett</translation>
    </message>
    <message>
        <source>New Cover</source>
        <translation>Neues Cover</translation>
    </message>
    <message>
        <source>&amp;Kind of cover:</source>
        <translation>&amp;Art des Covers:</translation>
    </message>
    <message>
        <source>%1 x %2 mm</source>
        <translation>%1 x %2 mm</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper (%3): choose landscape or larger paper</source>
        <translation>Das Cover „%1“ (%2) passt nicht in den druckbaren Bereich dieses Papiers (%3): Wählen Sie Querformat oder größeres Papier</translation>
    </message>
    <message>
        <source>A disc on the %1 reaches past the printable area of this printer (%2 from %3 mm across, %4 mm down): the printer cannot print that close to the sheet&apos;s edge</source>
        <translation>Eine CD auf dem %1 reicht über den druckbaren Bereich dieses Druckers hinaus (%2 ab %3 mm waagerecht, %4 mm senkrecht): Der Drucker kann nicht so nah am Rand des Bogens drucken</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Insi&amp;de</source>
        <translation>Inn&amp;en</translation>
    </message>
    <message>
        <source>Fron&amp;t</source>
        <translation>&amp;Vorderseite</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Rückseite</translation>
    </message>
    <message>
        <source>&amp;Track list</source>
        <translation>T&amp;rackliste</translation>
    </message>
    <message>
        <source>La&amp;bel</source>
        <translation>&amp;Etikett</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper in landscape (%3): choose portrait or larger paper</source>
        <translation>Das Cover „%1“ (%2) passt nicht in den druckbaren Bereich dieses Papiers im Querformat (%3): Wählen Sie Hochformat oder größeres Papier</translation>
    </message>
    <message>
        <source>The %1 cover (%2) does not fit the printable area of this paper, %3 upright or %4 in landscape: choose larger paper or a printer that prints closer to the paper&apos;s edge</source>
        <translation>Das Cover „%1“ (%2) passt nicht in den druckbaren Bereich dieses Papiers, %3 im Hochformat oder %4 im Querformat: Wählen Sie größeres Papier oder einen Drucker, der näher am Papierrand druckt</translation>
    </message>
    <message>
        <source>Label Sheet</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>&amp;Maker:</source>
        <translation>&amp;Hersteller:</translation>
    </message>
    <message>
        <source>&amp;Product:</source>
        <translation>&amp;Produkt:</translation>
    </message>
    <message numerus="yes">
        <source>%1 paper, discs of %2 mm with a %3 mm hole, %n on a sheet. From: %4</source>
        <translation>
            <numerusform>Papier %1, Discs von %2 mm mit einem Loch von %3 mm, %n auf einem Bogen. Quelle: %4</numerusform>
            <numerusform>Papier %1, Discs von %2 mm mit einem Loch von %3 mm, %n auf einem Bogen. Quelle: %4</numerusform>
        </translation>
    </message>
    <message>
        <source>Cross at %1 mm &amp;across:</source>
        <translation>Kreuz bei %1 mm &amp;waagerecht:</translation>
    </message>
    <message>
        <source>Cross at %1 mm ac&amp;ross:</source>
        <translation>Kreuz bei %1 mm w&amp;aagerecht:</translation>
    </message>
    <message>
        <source>Cross at %1 mm do&amp;wn:</source>
        <translation>Kreuz bei %1 mm &amp;senkrecht:</translation>
    </message>
    <message>
        <source>Cross at %1 mm dow&amp;n:</source>
        <translation>Kreuz bei %1 mm s&amp;enkrecht:</translation>
    </message>
    <message>
        <source>Calibration page for %1. Measure from the paper&apos;s left edge to the middle of the crosses meant for %2 mm and %3 mm across, and from its top edge to those meant for %4 mm and %5 mm down, and type what you measured in the Calibration dialog.</source>
        <translation>Kalibrierseite für %1. Messen Sie vom linken Papierrand bis zur Mitte der Kreuze, die bei %2 mm und %3 mm waagerecht stehen sollten, und vom oberen Rand bis zu denen bei %4 mm und %5 mm senkrecht, und tragen Sie die Messwerte im Dialog „Kalibrierung“ ein.</translation>
    </message>
    <message>
        <source>the default printer</source>
        <translation>den Standarddrucker</translation>
    </message>
    <message>
        <source>Calibration page</source>
        <translation>Kalibrierseite</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Print the calibration page, measure from the paper&apos;s left and top edges to the middle of each cross, and type what you measured; or type the corrections. Positive offsets move everything right and down.</source>
        <translation>Drucken Sie die Kalibrierseite, messen Sie vom linken und oberen Papierrand bis zur Mitte jedes Kreuzes und tragen Sie die Messwerte ein; oder tragen Sie die Korrekturen selbst ein. Positive Versätze verschieben alles nach rechts und unten.</translation>
    </message>
    <message>
        <source>Every other printer, PDF and pictures</source>
        <translation>Alle anderen Drucker, PDF und Bilder</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>Print Calibration Pa&amp;ge</source>
        <translation>Kalibrierseite dr&amp;ucken</translation>
    </message>
    <message>
        <source>Where the crosses landed</source>
        <translation>Wo die Kreuze gelandet sind</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>&amp;Offset across:</source>
        <translation>&amp;Versatz waagerecht:</translation>
    </message>
    <message>
        <source>Offset &amp;down:</source>
        <translation>Versatz sen&amp;krecht:</translation>
    </message>
    <message>
        <source>&amp;Scale across:</source>
        <translation>Ska&amp;lierung waagerecht:</translation>
    </message>
    <message>
        <source>Sca&amp;le down:</source>
        <translation>Skalierung senk&amp;recht:</translation>
    </message>
    <message>
        <source>the label designer&apos;s template %1</source>
        <translation>die Vorlage des Etikettenprogramms %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not list %2 paper, which the %3 sheet is: its discs may not land on the labels</source>
        <translation>Der Drucker „%1“ führt kein Papier %2, aus dem der Bogen %3 besteht: Seine CDs landen womöglich nicht auf den Etiketten</translation>
    </message>
</context>
<context>
    <name>DecodeHelper</name>
    <message>
        <source>crashed</source>
        <translation>abgestürzt</translation>
    </message>
    <message>
        <source>took too long</source>
        <translation>hat zu lange gebraucht</translation>
    </message>
    <message>
        <source>needed too much memory</source>
        <translation>hat zu viel Speicher gebraucht</translation>
    </message>
    <message>
        <source>%1 could not be read: the reader stopped (%2)</source>
        <translation>%1 konnte nicht gelesen werden: das Leseprogramm wurde beendet (%2)</translation>
    </message>
    <message>
        <source>The picture reader %1 cannot start: %2</source>
        <translation>Das Bild-Leseprogramm %1 kann nicht starten: %2</translation>
    </message>
    <message>
        <source>The picture reader cannot start in its sandbox</source>
        <translation>Das Bild-Leseprogramm kann in seiner Sandbox nicht starten</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot export %1: %2</source>
        <translation>%1 kann nicht exportiert werden: %2</translation>
    </message>
    <message>
        <source>Sleevix covers (*.%1)</source>
        <translation>Sleevix-Cover (*.%1)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The picture %1 was not found; the cover opens without it</source>
        <translation>Das Bild %1 wurde nicht gefunden; das Cover wird ohne es geöffnet</translation>
    </message>
    <message>
        <source>The pictures %1 were not found; the cover opens without them</source>
        <translation>Die Bilder %1 wurden nicht gefunden; das Cover wird ohne sie geöffnet</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 for the back picture %2</source>
        <translation>%1 beim Rückseitenbild %2</translation>
    </message>
    <message>
        <source>%1 for the front picture %2</source>
        <translation>%1 beim Vorderseitenbild %2</translation>
    </message>
    <message>
        <source>Sleevix covers</source>
        <translation>Sleevix-Cover</translation>
    </message>
    <message>
        <source>track lists (.cue, .m3u, .m3u8, .txt)</source>
        <translation>Tracklisten (.cue, .m3u, .m3u8, .txt)</translation>
    </message>
    <message>
        <source>audio files and folders of them</source>
        <translation>Audiodateien und Ordner mit Audiodateien</translation>
    </message>
    <message>
        <source>Cannot open %1: Sleevix opens %2</source>
        <translation>%1 kann nicht geöffnet werden: Sleevix öffnet %2</translation>
    </message>
    <message>
        <source>Cannot export: the PDF could not be started</source>
        <translation>Export nicht möglich: Das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>Cannot export: the PDF writer reported an error</source>
        <translation>Export nicht möglich: Der PDF-Schreiber meldete einen Fehler</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Export as PNG</source>
        <translation>Als PNG exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US Letter</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Ma&amp;ßstab:</translation>
    </message>
    <message>
        <source>Save the changes to this cover?</source>
        <translation>Änderungen an diesem Cover speichern?</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Export for Print Shop</source>
        <translation>Für die Druckerei exportieren</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Bleed:</source>
        <translation>&amp;Beschnitt:</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>a text</source>
        <translation>ein Text</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a colour written &quot;#rrggbb&quot;</source>
        <translation>eine Farbe in der Form &quot;#rrggbb&quot;</translation>
    </message>
    <message>
        <source>&quot; or &quot;</source>
        <translation>&quot; oder &quot;</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>%1 must be %2</source>
        <translation>%1 muss %2 sein</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 enthält ein NUL-Zeichen</translation>
    </message>
    <message>
        <source>%1 holds text that is not valid Unicode</source>
        <translation>%1 enthält Text, der kein gültiges Unicode ist</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>eine Liste von Texten</translation>
    </message>
    <message>
        <source>&quot;tracks&quot; holds %1 tracks; a cover holds at most %2</source>
        <translation>&quot;tracks&quot; enthält %1 Tracks; ein Cover fasst höchstens %2</translation>
    </message>
    <message>
        <source>track %1 of &quot;tracks&quot;</source>
        <translation>Track %1 von &quot;tracks&quot;</translation>
    </message>
    <message>
        <source>a PNG file in base64</source>
        <translation>eine PNG-Datei in Base64</translation>
    </message>
    <message>
        <source>%1 holds no picture that can be shown (%2)</source>
        <translation>%1 enthält kein darstellbares Bild (%2)</translation>
    </message>
    <message>
        <source>a file path or null, or an object carrying a picture</source>
        <translation>ein Dateipfad oder null oder ein Objekt mit einem Bild</translation>
    </message>
    <message>
        <source>it is not a Sleevix cover (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <translation>es ist kein Sleevix-Cover (sein &quot;format&quot; ist nicht &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>it is a cover of format version %1; this Sleevix reads version %2</source>
        <translation>es ist ein Cover im Format Version %1; dieses Sleevix liest Version %2</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>es ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a Sleevix cover (no JSON object)</source>
        <translation>es ist kein Sleevix-Cover (kein JSON-Objekt)</translation>
    </message>
    <message>
        <source>41 or 17 (millimetres)</source>
        <translation>41 oder 17 (Millimeter)</translation>
    </message>
    <message>
        <source>a label sheet&apos;s maker and product, such as &quot;%1&quot;</source>
        <translation>Hersteller und Produkt eines Etikettenbogens, etwa „%1“</translation>
    </message>
    <message>
        <source>a percentage from 100 to 800</source>
        <translation>ein Prozentwert von 100 bis 800</translation>
    </message>
    <message>
        <source>two numbers of millimetres, across and down</source>
        <translation>zwei Zahlen in Millimetern, waagerecht und senkrecht</translation>
    </message>
    <message>
        <source>0, 90, 180 or 270</source>
        <translation>0, 90, 180 oder 270</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Sleevix could not be started again to open %1</source>
        <translation>Sleevix konnte nicht erneut gestartet werden, um %1 zu öffnen</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Benutzerdefiniert...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>an audio file</source>
        <translation>eine Audiodatei</translation>
    </message>
    <message>
        <source>Cannot open file %1. %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Sie ist ein Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>It is too large to be %1 (%2 bytes)</source>
        <translation>Sie ist zu groß für %1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>It is too large to be %1 (more than %2 bytes)</source>
        <translation>Sie ist zu groß für %1 (mehr als %2 Bytes)</translation>
    </message>
    <message>
        <source>a cover</source>
        <translation>ein Cover</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>ein Bild</translation>
    </message>
    <message>
        <source>a track list</source>
        <translation>eine Trackliste</translation>
    </message>
    <message>
        <source>a label template</source>
        <translation>eine Etikettenvorlage</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Cover</source>
        <translation>&amp;Cover</translation>
    </message>
    <message>
        <source>&amp;Edit Tracks...</source>
        <translation>&amp;Tracks bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Font type/color...</source>
        <translation>&amp;Schriftart/-farbe...</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Image...</source>
        <translation>&amp;Bild...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Export as PN&amp;G...</source>
        <translation>Als PN&amp;G exportieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Edit Tracks</source>
        <translation>&amp;Trackliste</translation>
    </message>
    <message>
        <source>Ce&amp;nter</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Inserts</source>
        <translation>Einleger</translation>
    </message>
    <message>
        <source>Back insert</source>
        <translation>Rückseiteneinleger</translation>
    </message>
    <message>
        <source>Left spine</source>
        <translation>Linker Rücken</translation>
    </message>
    <message>
        <source>Right spine</source>
        <translation>Rechter Rücken</translation>
    </message>
    <message>
        <source>Front insert</source>
        <translation>Vorderseiteneinleger</translation>
    </message>
    <message>
        <source>Outlines</source>
        <translation>Umrisse</translation>
    </message>
    <message>
        <source>Outline colour</source>
        <translation>Umrissfarbe</translation>
    </message>
    <message>
        <source>Text options</source>
        <translation>Textoptionen</translation>
    </message>
    <message>
        <source>The vertical text on the </source>
        <extracomment>The first line of a check box; its second line is &quot;printout is messed up!&quot;. The access letter may stand in either line.</extracomment>
        <translation>Senkrechter Text im </translation>
    </message>
    <message>
        <source>The vertical text on the printout is messed up!</source>
        <translation>Senkrechter Text im Ausdruck ist verdreht!</translation>
    </message>
    <message>
        <source>Export for print s&amp;hop...</source>
        <translation>Für die Druc&amp;kerei exportieren...</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <source>&amp;Jewel case</source>
        <translation>&amp;Jewel-Case</translation>
    </message>
    <message>
        <source>&amp;Slim case</source>
        <translation>&amp;Slim-Case</translation>
    </message>
    <message>
        <source>&amp;DVD case</source>
        <translation>&amp;DVD-Hülle</translation>
    </message>
    <message>
        <source>Disc &amp;label</source>
        <translation>CD-&amp;Etikett</translation>
    </message>
    <message>
        <source>&amp;Full-face disc (17 mm hole)</source>
        <translation>&amp;Vollflächige CD (17-mm-Loch)</translation>
    </message>
    <message>
        <source>&amp;Track list on the disc</source>
        <translation>&amp;Trackliste auf der CD</translation>
    </message>
    <message>
        <source>Disc labels &amp;print on</source>
        <translation>CD-Etiketten drucken &amp;auf</translation>
    </message>
    <message>
        <source>&amp;Plain paper</source>
        <translation>&amp;Normalpapier</translation>
    </message>
    <message>
        <source>Font t&amp;ype/color</source>
        <translation>&amp;Schrift/Farbe</translation>
    </message>
    <message>
        <source>Clo&amp;se</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <extracomment>The tab of the back insert&apos;s page; the outline switch &quot;Back&quot; has another access letter.</extracomment>
        <translation>&amp;Rückseite</translation>
    </message>
    <message>
        <source>Fron&amp;t</source>
        <extracomment>The tab of the front insert&apos;s page.</extracomment>
        <translation>&amp;Vorderseite</translation>
    </message>
    <message>
        <source>&amp;Vertical lines</source>
        <translation>Se&amp;nkrechte Linien</translation>
    </message>
    <message>
        <source>Bac&amp;k</source>
        <extracomment>The switch of the back insert&apos;s outline; the tab &quot;Back&quot; has another access letter.</extracomment>
        <translation>Rüc&amp;kseite</translation>
    </message>
    <message>
        <source>F&amp;ront</source>
        <extracomment>The switch of the front insert&apos;s outline.</extracomment>
        <translation>V&amp;orderseite</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>No te&amp;xt on front cover</source>
        <translation>Kein Te&amp;xt vorne</translation>
    </message>
    <message>
        <source>printout is &amp;messed up!</source>
        <extracomment>The second line of the check box &quot;The vertical text on the &quot;.</extracomment>
        <translation>&amp;Ausdruck ist verdreht!</translation>
    </message>
    <message>
        <source>&amp;Label sheet: %1...</source>
        <translation>&amp;Etikettenbogen: %1...</translation>
    </message>
    <message>
        <source>&amp;Label sheet...</source>
        <translation>&amp;Etikettenbogen...</translation>
    </message>
    <message>
        <source>Printer &amp;calibration...</source>
        <translation>Drucker &amp;kalibrieren...</translation>
    </message>
    <message>
        <source>Texts along the disc&apos;s &amp;arcs</source>
        <translation>Texte entlang der &amp;Bögen</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Rahmen</translation>
    </message>
    <message>
        <source>&amp;Stretch</source>
        <translation>&amp;Strecken</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>F&amp;it</source>
        <translation>&amp;Einpassen</translation>
    </message>
    <message>
        <source>Turn &amp;left</source>
        <translation>&amp;Links drehen</translation>
    </message>
    <message>
        <source>Turn &amp;right</source>
        <translation>&amp;Rechts drehen</translation>
    </message>
    <message>
        <source>&amp;Mirror</source>
        <translation>Spie&amp;geln</translation>
    </message>
    <message>
        <source>&amp;Background colour...</source>
        <translation>&amp;Hintergrundfarbe...</translation>
    </message>
    <message>
        <source>&amp;Zoom in</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom o&amp;ut</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Keins)</translation>
    </message>
    <message>
        <source>Picture preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>&quot;%1&quot; is not a readable %2 file</source>
        <translation>&quot;%1&quot; ist keine lesbare %2-Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no album art</source>
        <translation>&quot;%1&quot; enthält kein Albumcover</translation>
    </message>
    <message>
        <source>The album art in &quot;%1&quot; is of a kind not read (%2)</source>
        <translation>Das Albumcover in &quot;%1&quot; hat ein nicht lesbares Format (%2)</translation>
    </message>
    <message>
        <source>Picture is too complex to draw at %1 x %2 pixels</source>
        <translation>Das Bild ist zu komplex, um es mit %1 x %2 Pixeln zu zeichnen</translation>
    </message>
    <message>
        <source>Invalid GIF signature</source>
        <translation>Ungültige GIF-Signatur</translation>
    </message>
    <message>
        <source>Unknown GIF block type</source>
        <translation>Unbekannter GIF-Blocktyp</translation>
    </message>
    <message>
        <source>Invalid GIF data</source>
        <translation>Ungültige GIF-Daten</translation>
    </message>
    <message>
        <source>Invalid extension introducer</source>
        <translation>Ungültige Erweiterungskennung</translation>
    </message>
    <message>
        <source>Invalid Image trailer</source>
        <translation>Ungültiger Bildabschluss</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler #%1</translation>
    </message>
    <message>
        <source>Invalid metafile: %1</source>
        <translation>Ungültige Metadatei: %1</translation>
    </message>
    <message>
        <source>Only a picture, a picture file or an audio file with album art can be dropped on an insert</source>
        <translation>Auf einem Einleger kann nur ein Bild, eine Bilddatei oder eine Audiodatei mit Albumcover abgelegt werden</translation>
    </message>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Die Zwischenablage enthält kein Bild</translation>
    </message>
    <message>
        <source>One picture at a time, please: %1 files were given</source>
        <translation>Bitte nur ein Bild auf einmal: Es wurden %1 Dateien übergeben</translation>
    </message>
    <message>
        <source>Only a picture file on this computer can be used (%1)</source>
        <translation>Nur eine Bilddatei auf diesem Computer kann verwendet werden (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a picture</source>
        <translation>&quot;%1&quot; ist ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>Metafiles</source>
        <translation>Metadateien</translation>
    </message>
    <message>
        <source>Enhanced Metafiles</source>
        <translation>Erweiterte Metadateien</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>GIF-Bild</translation>
    </message>
    <message>
        <source>JPEG Image File</source>
        <translation>JPEG-Bilddatei</translation>
    </message>
    <message>
        <source>M4A Album Art</source>
        <translation>M4A-Albumcover</translation>
    </message>
    <message>
        <source>Opus Album Art</source>
        <translation>Opus-Albumcover</translation>
    </message>
    <message>
        <source>Ogg Album Art</source>
        <translation>Ogg-Albumcover</translation>
    </message>
    <message>
        <source>FLAC Album Art</source>
        <translation>FLAC-Albumcover</translation>
    </message>
    <message>
        <source>MP3 Album Art</source>
        <translation>MP3-Albumcover</translation>
    </message>
    <message>
        <source>Compressed SVG Drawing</source>
        <translation>Komprimierte SVG-Zeichnung</translation>
    </message>
    <message>
        <source>SVG Drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>TIFF Image</source>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>WebP Image</source>
        <translation>WebP-Bild</translation>
    </message>
    <message>
        <source>PNG Image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Alle (%1)</translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2)</source>
        <translation>Das Bild ist zu groß (%1 x %2)</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Bilddateiendung (.%1)</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bitmap-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Icon image is too large (%1 x %2)</source>
        <translation>Das Symbolbild ist zu groß (%1 x %2)</translation>
    </message>
    <message>
        <source>Icon image is not valid</source>
        <translation>Das Symbolbild ist ungültig</translation>
    </message>
    <message>
        <source>PNG image is not valid</source>
        <translation>Das PNG-Bild ist ungültig</translation>
    </message>
    <message>
        <source>WebP image is not valid</source>
        <translation>Das WebP-Bild ist ungültig</translation>
    </message>
    <message>
        <source>TIFF image is not valid</source>
        <translation>Das TIFF-Bild ist ungültig</translation>
    </message>
    <message>
        <source>SVG image is too complex to draw (more than %1 shapes, segments and characters)</source>
        <translation>Das SVG-Bild ist zu komplex zum Zeichnen (mehr als %1 Formen, Segmente und Zeichen)</translation>
    </message>
    <message>
        <source>SVG image is too large (more than %1 bytes of text)</source>
        <translation>Das SVG-Bild ist zu groß (mehr als %1 Bytes Text)</translation>
    </message>
    <message>
        <source>SVG image is not valid</source>
        <translation>Das SVG-Bild ist ungültig</translation>
    </message>
    <message>
        <source>Compressed SVG image is not valid</source>
        <translation>Das komprimierte SVG-Bild ist ungültig</translation>
    </message>
    <message>
        <source>SVG image carries too many pixels (more than %1)</source>
        <translation>Das SVG-Bild enthält zu viele Pixel (mehr als %1)</translation>
    </message>
    <message>
        <source>SVG image has no size</source>
        <translation>Das SVG-Bild hat keine Größe</translation>
    </message>
    <message>
        <source>Metafile holds nothing this program can draw</source>
        <translation>Die Metadatei enthält nichts, was dieses Programm zeichnen kann</translation>
    </message>
    <message>
        <source>The album art in &quot;%1&quot; does not say what kind it is</source>
        <translation>Das Albumcover in &quot;%1&quot; sagt nicht, welches Format es hat</translation>
    </message>
    <message>
        <source>%1 is printed at 1/%2 of its size: it was too heavy to draw whole</source>
        <translation>%1 wird in 1/%2 seiner Größe gedruckt: es ganz zu zeichnen war zu aufwendig</translation>
    </message>
    <message>
        <source>%1 is left out: it was too heavy to draw</source>
        <translation>%1 wird weggelassen: es zu zeichnen war zu aufwendig</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Cannot print to %1: %2</source>
        <translation>In %1 kann nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer could not be started</source>
        <translation>Drucken nicht möglich: Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Printing failed: the printer reported an error</source>
        <translation>Drucken fehlgeschlagen: Der Drucker meldete einen Fehler</translation>
    </message>
    <message>
        <source>Cannot print to &quot;%1&quot;: %2</source>
        <translation>Auf &quot;%1&quot; kann nicht gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Cannot print: the printer &quot;%1&quot; is not accepting jobs</source>
        <translation>Drucken nicht möglich: Der Drucker &quot;%1&quot; nimmt keine Aufträge an</translation>
    </message>
    <message>
        <source>Printing failed: &quot;%1&quot; refused the job: %2</source>
        <translation>Drucken fehlgeschlagen: &quot;%1&quot; hat den Auftrag abgelehnt: %2</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Cannot print: no default printer is set up; name one</source>
        <translation>Drucken nicht möglich: Es ist kein Standarddrucker eingerichtet; nennen Sie einen</translation>
    </message>
    <message>
        <source>there is no such printer</source>
        <translation>diesen Drucker gibt es nicht</translation>
    </message>
</context>
<context>
    <name>TrackEditor</name>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Select entry</source>
        <translation>Eintrag auswählen</translation>
    </message>
    <message>
        <source>1 track</source>
        <translation>1 Track</translation>
    </message>
    <message>
        <source>%1 tracks</source>
        <translation>%1 Tracks</translation>
    </message>
    <message>
        <source>Import tracks</source>
        <translation>Tracks importieren</translation>
    </message>
    <message>
        <source>The list already holds %1. Replace them with the %2 imported, or add those after them?</source>
        <translation>Die Liste enthält bereits %1. Durch die %2 importierten ersetzen oder diese hinten anfügen?</translation>
    </message>
    <message>
        <source>Clear the list of %1?</source>
        <translation>Die Liste mit %1 leeren?</translation>
    </message>
    <message>
        <source>The imported files carry album art (in &quot;%1&quot;). Lay it on the front insert?</source>
        <translation>Die importierten Dateien enthalten ein Albumcover (in &quot;%1&quot;). Auf den vorderen Einleger legen?</translation>
    </message>
    <message>
        <source>%1 of %2 were left out: a cover holds at most %3 tracks</source>
        <translation>%1 von %2 wurden weggelassen: Ein Cover fasst höchstens %3 Tracks</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>&lt;Type in name of the artist here&gt;</source>
        <translation>&lt;Interpret hier eingeben&gt;</translation>
    </message>
    <message>
        <source>&lt;Type in title here&gt;</source>
        <translation>&lt;Titel hier eingeben&gt;</translation>
    </message>
    <message>
        <source>%1 - Edit Tracks</source>
        <translation>%1 - Tracks bearbeiten</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Tracks</translation>
    </message>
    <message>
        <source>Tracks on the CD</source>
        <translation>Tracks auf der CD</translation>
    </message>
    <message>
        <source>Type in track</source>
        <translation>Track eingeben</translation>
    </message>
    <message>
        <source>Artist and title</source>
        <translation>Interpret und Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des Bereichs (%1)</translation>
    </message>
    <message>
        <source>A cover holds at most %1 tracks.</source>
        <translation>Ein Cover fasst höchstens %1 Tracks.</translation>
    </message>
    <message>
        <source>%1 of %2 tracks</source>
        <translation>%1 von %2 Tracks</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is kept whole (%1 characters)</source>
        <translation>Dieser Text ist zu lang, um ihn hier zu bearbeiten; er bleibt ganz erhalten (%1 Zeichen)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>&amp;Append</source>
        <translation>&amp;Anfügen</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Tracks &amp;on the CD:</source>
        <translation>Tracks auf der &amp;CD:</translation>
    </message>
    <message>
        <source>&amp;Type in track:</source>
        <translation>&amp;Track eingeben:</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Artist:</source>
        <translation>I&amp;nterpret:</translation>
    </message>
    <message>
        <source>Tit&amp;le:</source>
        <translation>Tite&amp;l:</translation>
    </message>
    <message>
        <source>I&amp;mport...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Tracks from &amp;files...</source>
        <translation>Tracks aus &amp;Dateien...</translation>
    </message>
    <message>
        <source>Tracks from a f&amp;older...</source>
        <translation>Tracks aus einem &amp;Ordner...</translation>
    </message>
    <message>
        <source>&amp;Add track lengths</source>
        <translation>Tracklängen &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Renumber</source>
        <translation>&amp;Neu nummerieren</translation>
    </message>
    <message>
        <source>&amp;Clear list...</source>
        <translation>Liste l&amp;eeren...</translation>
    </message>
</context>
<context>
    <name>TrackImport</name>
    <message>
        <source>The chosen folders hold no audio files</source>
        <translation>Die gewählten Ordner enthalten keine Audiodateien</translation>
    </message>
    <message>
        <source>%1 holds no audio files</source>
        <translation>%1 enthält keine Audiodateien</translation>
    </message>
    <message>
        <source>%1 is damaged or not the audio file its name says</source>
        <translation>%1 ist beschädigt oder nicht die Audiodatei, die der Name angibt</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>TRACK without a number</source>
        <translation>TRACK ohne Nummer</translation>
    </message>
    <message>
        <source>INDEX needs a number and a time mm:ss:ff</source>
        <translation>INDEX braucht eine Nummer und eine Zeit mm:ss:ff</translation>
    </message>
    <message>
        <source>%1 is no CUE sheet: it has no TRACK</source>
        <translation>%1 ist kein CUE-Sheet: Es enthält kein TRACK</translation>
    </message>
    <message>
        <source>1 file was passed over: %1</source>
        <translation>1 Datei wurde übergangen: %1</translation>
    </message>
    <message>
        <source>%1 files were passed over: %2</source>
        <translation>%1 Dateien wurden übergangen: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file</source>
        <translation>%1 ist keine Textdatei</translation>
    </message>
    <message>
        <source>%1 names no tracks</source>
        <translation>%1 nennt keine Tracks</translation>
    </message>
    <message>
        <source>%1 holds no tracks</source>
        <translation>%1 enthält keine Tracks</translation>
    </message>
    <message>
        <source>Track lists and audio files (*.cue *.m3u *.m3u8 *.txt %1)</source>
        <translation>Tracklisten und Audiodateien (*.cue *.m3u *.m3u8 *.txt %1)</translation>
    </message>
    <message>
        <source>CUE sheets (*.cue)</source>
        <translation>CUE-Sheets (*.cue)</translation>
    </message>
    <message>
        <source>Playlists (*.m3u *.m3u8)</source>
        <translation>Wiedergabelisten (*.m3u *.m3u8)</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Audio files (%1)</source>
        <translation>Audiodateien (%1)</translation>
    </message>
    <message>
        <source>Nothing was chosen to import</source>
        <translation>Es wurde nichts zum Importieren ausgewählt</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is no CUE sheet, playlist, text file or audio file to take tracks from</source>
        <translation>%1 ist weder CUE-Sheet noch Wiedergabeliste, Textdatei oder Audiodatei, aus der Tracks übernommen werden können</translation>
    </message>
    <message>
        <source>Import one CUE sheet, playlist or text file at a time, without other files</source>
        <translation>Bitte jeweils nur ein CUE-Sheet, eine Wiedergabeliste oder eine Textdatei importieren, ohne weitere Dateien</translation>
    </message>
</context>
</TS>
