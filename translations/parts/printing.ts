<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>AddressSheets</name>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Postc. Woonpl.</source>
        <translation>Postcode, Town</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message numerus="yes">
        <source>Print %n adressen</source>
        <translation>
            <numerusform>Printed %n address</numerusform>
            <numerusform>Printed %n addresses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Print %n etiketten</source>
        <translation>
            <numerusform>Printed %n label</numerusform>
            <numerusform>Printed %n labels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AfdrukVoorbeeld</name>
    <message>
        <source>Afdrukvoorbeeld</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>&lt; Vorige</source>
        <translation>&lt; Previous</translation>
    </message>
    <message>
        <source> Vorige pagina </source>
        <translation> Previous page </translation>
    </message>
    <message>
        <source>Volgende &gt;</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source> Volgende pagina </source>
        <translation> Next page </translation>
    </message>
    <message>
        <source>Kleiner</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source> Uitzoomen </source>
        <translation> Zoom out </translation>
    </message>
    <message>
        <source>Groter</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source> Inzoomen </source>
        <translation> Zoom in </translation>
    </message>
    <message>
        <source>Paginabreedte</source>
        <translation>Fit Width</translation>
    </message>
    <message>
        <source>Hele pagina</source>
        <translation>Fit Page</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source> Deze vellen afdrukken </source>
        <translation> Print these sheets </translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pagina %1 van %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>Afdrukken</name>
    <message>
        <source> Afdrukken</source>
        <translation> Print</translation>
    </message>
    <message>
        <source> Kaarten Afdrukken</source>
        <translation> Print Cards</translation>
    </message>
    <message>
        <source> WYSIWYG </source>
        <translation> WYSIWYG </translation>
    </message>
    <message>
        <source>Copy&apos;s</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>Info...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>Beide zijden</source>
        <translation>Both sides</translation>
    </message>
    <message>
        <source> Ook de adreszijde afdrukken: dubbelzijdig, of de vellen omdraaien en nog eens invoeren </source>
        <translation> Also print the address side: two-sided, or by turning the sheets over and feeding them again </translation>
    </message>
    <message>
        <source>Met adressen en afz.</source>
        <translation>Addresses + sender</translation>
    </message>
    <message>
        <source>Jaar</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Voorbeeld</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source> De echte vellen bekijken </source>
        <translation> View the real sheets </translation>
    </message>
    <message>
        <source>Randloos</source>
        <translation>Borderless</translation>
    </message>
    <message>
        <source> Tot aan de randen van het papier (de printer moet randloos kunnen printen) </source>
        <translation> Up to the edges of the paper (the printer must be able to print borderless) </translation>
    </message>
    <message>
        <source>Selecteer 1e naam</source>
        <translation>Select 1st name</translation>
    </message>
    <message>
        <source>Selecteer 2e naam</source>
        <translation>Select 2nd name</translation>
    </message>
    <message>
        <source>Selecteer 3e naam</source>
        <translation>Select 3rd name</translation>
    </message>
    <message>
        <source>Selecteer 4e naam</source>
        <translation>Select 4th name</translation>
    </message>
    <message>
        <source>Scanning...</source>
        <translation>Scanning...</translation>
    </message>
    <message>
        <source>Typ bij Copy&apos;s een aantal van 1 tot %1.</source>
        <translation>Under Copies, type a number from 1 to %1.</translation>
    </message>
    <message>
        <source>Typ bij Jaar een jaartal van %1 tot %2.</source>
        <translation>Under Year, type a year from %1 to %2.</translation>
    </message>
    <message>
        <source>Het afdrukken is mislukt. Controleer de printer of de bestandsnaam.</source>
        <translation>Printing failed. Check the printer or the file name.</translation>
    </message>
</context>
<context>
    <name>AlignmentSheet</name>
    <message>
        <source>Staan de kruisjes niet op 10 mm van de rand van het papier?</source>
        <translation>Are the crosses not 10 mm from the edge of the paper?</translation>
    </message>
    <message>
        <source>Meet het verschil.</source>
        <translation>Measure the difference.</translation>
    </message>
    <message>
        <source>Te ver naar rechts of naar beneden: vul het in met een minteken bij Verschuiving X of Y.</source>
        <translation>Too far right or down: enter it with a minus sign under Offset X or Y.</translation>
    </message>
    <message>
        <source>Te ver naar links of naar boven: zonder minteken.</source>
        <translation>Too far left or up: without a minus sign.</translation>
    </message>
    <message>
        <source>Achterkant X</source>
        <translation>Back X</translation>
    </message>
    <message>
        <source>Achterkant Y</source>
        <translation>Back Y</translation>
    </message>
    <message>
        <source>Testvel voor de uitlijning</source>
        <translation>Alignment test sheet</translation>
    </message>
    <message>
        <source>Verschuiving nu: X %1 mm, Y %2 mm</source>
        <translation>Offset now: X %1 mm, Y %2 mm</translation>
    </message>
    <message>
        <source>Beide zijden</source>
        <translation>Both sides</translation>
    </message>
    <message>
        <source>Houd het vel tegen het licht en lees af waar de lijnen van de achterkant staan.</source>
        <translation>Hold the sheet up to the light and read where the lines on the back are.</translation>
    </message>
    <message>
        <source>Tel die getallen op bij Achterkant X en Y.</source>
        <translation>Add those numbers to Back X and Y.</translation>
    </message>
    <message>
        <source>Achterkant van het testvel</source>
        <translation>Back of the test sheet</translation>
    </message>
    <message>
        <source>De lijnen op deze kant horen bij 0 op de schalen van de voorkant.</source>
        <translation>The lines on this side go with 0 on the scales of the front.</translation>
    </message>
    <message>
        <source>Achterkant nu: X %1 mm, Y %2 mm</source>
        <translation>Back now: X %1 mm, Y %2 mm</translation>
    </message>
</context>
<context>
    <name>Calendar</name>
    <message>
        <source>  Januari</source>
        <translation>  January</translation>
    </message>
    <message>
        <source> Februari</source>
        <translation> February</translation>
    </message>
    <message>
        <source>    Maart</source>
        <translation>    March</translation>
    </message>
    <message>
        <source>    April</source>
        <translation>    April</translation>
    </message>
    <message>
        <source>      Mei</source>
        <translation>      May</translation>
    </message>
    <message>
        <source>     Juni</source>
        <translation>     June</translation>
    </message>
    <message>
        <source>     Juli</source>
        <translation>     July</translation>
    </message>
    <message>
        <source> Augustus</source>
        <translation>   August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>  Oktober</source>
        <translation>  October</translation>
    </message>
    <message>
        <source> November</source>
        <translation> November</translation>
    </message>
    <message>
        <source> December</source>
        <translation> December</translation>
    </message>
    <message>
        <source>Zo</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Ma</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Wo</source>
        <translation>We</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Th</translation>
    </message>
    <message>
        <source>Vr</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Za</source>
        <translation>Sa</translation>
    </message>
</context>
<context>
    <name>CardSheets</name>
    <message>
        <source>Snij of knip de kaarten langs de zijlijnen door</source>
        <translation>Cut the cards apart along the side lines</translation>
    </message>
    <message>
        <source>Draai het papier om en print de adreszijden op de achterkant</source>
        <translation>Turn the paper over and print the address sides on the back</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>Binnenzijde</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Knip de envelop uit en vouw deze via de lijnen naar binnen en lijm de zijtabs vast.</source>
        <translation>Cut out the envelope, fold it inwards along the lines and glue the side tabs.</translation>
    </message>
</context>
<context>
    <name>LabelSettingsInput</name>
    <message>
        <source>Vul bij A, B, C en D een getal in.</source>
        <translation>Enter a number in A, B, C and D.</translation>
    </message>
    <message>
        <source>De breedte (C) en de hoogte (D) van een etiket moeten groter dan 0 zijn.</source>
        <translation>The width (C) and the height (D) of a label must be greater than 0.</translation>
    </message>
    <message>
        <source>Het aantal etiketten per vel moet een heel getal van 1 tot 255 zijn.</source>
        <translation>The number of labels per sheet must be a whole number from 1 to 255.</translation>
    </message>
</context>
<context>
    <name>LabelSheetPicture</name>
    <message>
        <source>Verschuiving in mm:
X groter: alles naar rechts
Y groter: alles naar beneden
Meet het met het Testvel.</source>
        <translation>Offset in mm:
Larger X: all to the right
Larger Y: all downwards
Measure with the Test Sheet.</translation>
    </message>
</context>
<context>
    <name>PostcardPaper</name>
    <message>
        <source>A6 (148 x 105 mm)</source>
        <translation>A6 (148 x 105 mm)</translation>
    </message>
    <message>
        <source>10 x 15 cm (102 x 152 mm)</source>
        <translation>10 x 15 cm (102 x 152 mm)</translation>
    </message>
    <message>
        <source>De printer %1 heeft geen papier %2. Kies een andere printer of ander papier.</source>
        <translation>The printer %1 has no %2 paper. Choose another printer or other paper.</translation>
    </message>
</context>
<context>
    <name>PrintModes</name>
    <message>
        <source>2 Prentvellen, voor- en achterkant</source>
        <translation>2 cards, front and back</translation>
    </message>
    <message>
        <source>2 Adreszijden voor de achterzijde van de kaart</source>
        <translation>2 address sides for the back of the card</translation>
    </message>
    <message>
        <source>2 Dezelfde prentvellen</source>
        <translation>2 identical cards</translation>
    </message>
    <message numerus="yes">
        <source>Print %n etiketten per vel met adressenbestand</source>
        <translation>
            <numerusform>Print %n label per sheet from the address book</numerusform>
            <numerusform>Print %n labels per sheet from the address book</numerusform>
        </translation>
    </message>
    <message>
        <source>Dubbele kaart in Landscape mode (liggend)</source>
        <translation>Double card in landscape mode</translation>
    </message>
    <message>
        <source>Dubbele kaart in Portret mode (staand)</source>
        <translation>Double card in portrait mode</translation>
    </message>
    <message>
        <source>Envelop 155 x 110 mm voor de prentvellen</source>
        <translation>Envelope 155 x 110 mm for the cards</translation>
    </message>
    <message>
        <source>Jaarkalender met het geselecteerde jaar</source>
        <translation>Year calendar for the selected year</translation>
    </message>
    <message>
        <source>Lijst met het ingevoerde adressenbestand</source>
        <translation>List of the addresses in the address book</translation>
    </message>
    <message>
        <source>1 prentvel op briefkaartpapier</source>
        <translation>1 card on postcard paper</translation>
    </message>
    <message>
        <source>4 prentvellen op A4 (geperforeerd kaartpapier)</source>
        <translation>4 cards on A4 (perforated card paper)</translation>
    </message>
    <message>
        <source>2 Adreszijden met adressen uit het bestand</source>
        <translation>2 address sides with addresses from the address book</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>Er is nog geen adressenbestand. Vul het eerst via Tools &gt; Adressenbestand.</source>
        <translation>There is no address book yet. Fill it in first via Tools &gt; Address Book.</translation>
    </message>
    <message>
        <source>Alleen de voorkanten zijn geprint.</source>
        <translation>Only the fronts were printed.</translation>
    </message>
    <message>
        <source> Beide zijden</source>
        <translation> Both Sides</translation>
    </message>
    <message>
        <source>Leg de bedrukte vellen terug in de papierlade zoals op het plaatje, en klik op Ja om de achterkanten te printen.</source>
        <translation>Put the printed sheets back in the paper tray as the picture shows, and click Yes to print the backs.</translation>
    </message>
</context>
<context>
    <name>Printmarges</name>
    <message>
        <source> Afdruk Marges</source>
        <translation> Print Margins</translation>
    </message>
    <message>
        <source> Breedte van de kaartjes </source>
        <translation> Width of the labels </translation>
    </message>
    <message>
        <source> Hoogte van de kaartjes </source>
        <translation> Height of the labels </translation>
    </message>
    <message>
        <source>Afmeting in mm</source>
        <translation>Size in mm</translation>
    </message>
    <message>
        <source>Aantal</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>etiketten per vel</source>
        <translation>labels per sheet</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Opslaan</source>
        <translation>Save</translation>
    </message>
    <message>
        <source> Gegevens opslaan </source>
        <translation> Save the settings </translation>
    </message>
    <message>
        <source>Verschuiving X</source>
        <translation>Offset X</translation>
    </message>
    <message>
        <source>Verschuiving Y</source>
        <translation>Offset Y</translation>
    </message>
    <message>
        <source>Achterkant X</source>
        <translation>Back X</translation>
    </message>
    <message>
        <source>Achterkant Y</source>
        <translation>Back Y</translation>
    </message>
    <message>
        <source> Positief: naar rechts / naar beneden </source>
        <translation> Positive: to the right / downwards </translation>
    </message>
    <message>
        <source> Extra op de achterkanten, zoals het testvel het aangeeft </source>
        <translation> Extra on the backs, as the test sheet shows </translation>
    </message>
    <message>
        <source>Testvel</source>
        <translation>Test Sheet</translation>
    </message>
    <message>
        <source> Een vel om de uitlijning van de printer te meten </source>
        <translation> A sheet to measure the printer&apos;s alignment </translation>
    </message>
    <message>
        <source>Wilt u de begin marges resetten?</source>
        <translation>Do you want to reset the margins to their starting values?</translation>
    </message>
    <message>
        <source> Reset</source>
        <translation> Reset</translation>
    </message>
    <message>
        <source>Het afdrukken is mislukt. Controleer de printer of de bestandsnaam.</source>
        <translation>Printing failed. Check the printer or the file name.</translation>
    </message>
</context>
<context>
    <name>SessionPrinter</name>
    <message>
        <source> Printer Setup</source>
        <translation> Printer Setup</translation>
    </message>
    <message>
        <source> Afdrukken naar PDF</source>
        <translation> Print to PDF</translation>
    </message>
    <message>
        <source>PDF-bestand|*.pdf</source>
        <translation>PDF file|*.pdf</translation>
    </message>
    <message>
        <source>Het bestand %1 bestaat al. Wilt u het vervangen?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>StockPictures</name>
    <message>
        <source>prentkaart 148 x 105 mm</source>
        <translation>postcard 148 x 105 mm</translation>
    </message>
</context>
<context>
    <name>TurnPicture</name>
    <message>
        <source>Voorkanten</source>
        <translation>Fronts</translation>
    </message>
    <message>
        <source>omdraaien</source>
        <translation>turn over</translation>
    </message>
    <message>
        <source>lege kant als eerst</source>
        <translation>blank side first</translation>
    </message>
    <message>
        <source>Achterkanten</source>
        <translation>Backs</translation>
    </message>
    <message>
        <source>papierlade</source>
        <translation>paper tray</translation>
    </message>
    <message>
        <source>rode rand nu als laatste</source>
        <translation>red edge goes in last</translation>
    </message>
    <message>
        <source>rode rand weer als eerste</source>
        <translation>red edge goes in first again</translation>
    </message>
</context>
</TS>
