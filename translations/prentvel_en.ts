<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>AddressFile</name>
    <message>
        <source>Het adressenbestand is te groot om te openen (meer dan %1 MB of meer dan %2 adressen):
%3
Het bestand blijft zoals het is.</source>
        <translation>The address file is too large to open (more than %1 MB or more than %2 addresses):
%3
The file is left as it is.</translation>
    </message>
</context>
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
    <name>CardAutosave</name>
    <message>
        <source>De naam van de kaart kon niet bij de automatisch bewaarde kaart worden gezet.</source>
        <translation>The name of the card could not be stored with the autosaved card.</translation>
    </message>
</context>
<context>
    <name>CardFile</name>
    <message>
        <source>Dit bestand is geen Prentvel-kaart.</source>
        <translation>This file is not a Prentvel card.</translation>
    </message>
    <message>
        <source>Het kaartbestand is beschadigd en kan niet geopend worden.</source>
        <translation>The card file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>de schijf is vol</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>de map bestaat niet</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>er staat een map met die naam</source>
        <translation>there is a folder with that name</translation>
    </message>
    <message>
        <source>er mag in die map niet geschreven worden</source>
        <translation>writing to that folder is not allowed</translation>
    </message>
    <message>
        <source>de schijf kan alleen gelezen worden</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>er ging iets mis bij het schrijven</source>
        <translation>something went wrong while writing</translation>
    </message>
    <message>
        <source>er ging iets mis bij het schrijven (systeemfout %1)</source>
        <translation>something went wrong while writing (system error %1)</translation>
    </message>
    <message>
        <source>De kaart kon niet bewaard worden als „%1”: %2. Een eerder bewaard bestand is niet veranderd.</source>
        <translation>The card could not be saved as “%1”: %2. A previously saved file has not been changed.</translation>
    </message>
    <message>
        <source>het geheugen is vol</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>Het kaartbestand bevat een onderdeel met een ongeldige naam („%1”) en wordt niet geopend.</source>
        <translation>The card file contains a part with an invalid name (“%1”) and will not be opened.</translation>
    </message>
    <message>
        <source>Het kaartbestand zou uitgepakt onredelijk groot worden („%1”) en wordt niet geopend.</source>
        <translation>The card file would become unreasonably large when unpacked (“%1”) and will not be opened.</translation>
    </message>
    <message>
        <source>Het kaartbestand is beschadigd: de lijst van foto’s is ongeldig.</source>
        <translation>The card file is damaged: the list of photos is invalid.</translation>
    </message>
    <message>
        <source>De foto „%1” in het kaartbestand is beschadigd; de kaart wordt niet geopend.</source>
        <translation>The photo “%1” in the card file is damaged; the card will not be opened.</translation>
    </message>
    <message>
        <source>Deze kaart is bewaard met een nieuwere versie van Prentvel; werk Prentvel bij om haar te openen.</source>
        <translation>This card was saved with a newer version of Prentvel; update Prentvel to open it.</translation>
    </message>
    <message>
        <source>Het bestand kon niet gelezen worden.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>Er is te weinig geheugen om de kaart te openen.</source>
        <translation>There is not enough memory to open the card.</translation>
    </message>
    <message>
        <source>Het bestand „%1” bestaat niet.</source>
        <translation>The file “%1” does not exist.</translation>
    </message>
    <message>
        <source>„%1” is een map, geen kaart.</source>
        <translation>“%1” is a folder, not a card.</translation>
    </message>
    <message>
        <source>van de voorkant</source>
        <translation>of the front</translation>
    </message>
    <message>
        <source>van de adreszijde</source>
        <translation>of the address side</translation>
    </message>
    <message>
        <source>Het kaartbestand is beschadigd: het veld „%1” ontbreekt of is ongeldig.</source>
        <translation>The card file is damaged: the field “%1” is missing or invalid.</translation>
    </message>
    <message>
        <source>Het kaartbestand is beschadigd: het veld „%1” %2 ontbreekt of is ongeldig.</source>
        <translation>The card file is damaged: the field “%1” %2 is missing or invalid.</translation>
    </message>
    <message>
        <source>Het kaartbestand bevat meer dan %L1 stappen; zo’n kaart kan Prentvel niet openen.</source>
        <translation>The card file contains more than %L1 steps; Prentvel cannot open such a card.</translation>
    </message>
    <message>
        <source>in stap %1 %2</source>
        <extracomment>%2 is &quot;van de voorkant&quot; or &quot;van de adreszijde&quot;</extracomment>
        <translation>in step %1 %2</translation>
    </message>
    <message>
        <source>Het kaartbestand bevat een soort stap die Prentvel niet kent („%1”, %2).</source>
        <translation>The card file contains a kind of step that Prentvel does not know (“%1”, %2).</translation>
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
    <name>ColorKeuze</name>
    <message>
        <source>Kleurenpalet</source>
        <translation>Color Palette</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Configuratie Zelf Tekenen</source>
        <translation>Free Drawing Configuration</translation>
    </message>
    <message>
        <source>Grootte gekleurde Circels</source>
        <translation>Size of Colored Circles</translation>
    </message>
    <message>
        <source>Rechthoeken en circels</source>
        <translation>Rectangles and Circles</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation>%1 Pixels</translation>
    </message>
    <message>
        <source>Vulstijl: %1</source>
        <translation>Fill Style: %1</translation>
    </message>
    <message>
        <source>Grootte Gum: %1</source>
        <translation>Eraser Size: %1</translation>
    </message>
</context>
<context>
    <name>Contacts</name>
    <message>
        <source>&quot;%1&quot; is geen bestand dat gelezen kan worden.</source>
        <translation>&quot;%1&quot; is not a file that can be read.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden geopend.</source>
        <translation>The file &quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>Het bestand &quot;%1&quot; kan niet worden gelezen.</source>
        <translation>The file &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Het bestand bevat meer dan %1 contacten, meer dan het adresboek kan bewaren. Er is niets ingelezen.</source>
        <translation>The file contains more than %1 contacts, more than the address book can hold. Nothing has been imported.</translation>
    </message>
    <message>
        <source>Het bestand is groter dan %1 MB en wordt niet ingelezen.</source>
        <translation>The file is larger than %1 MB and will not be imported.</translation>
    </message>
    <message>
        <source>Het bestand bevat geen contacten met een naam.</source>
        <translation>The file contains no contacts with a name.</translation>
    </message>
    <message>
        <source>Het bestand is leeg.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Het bestand is geen tekstbestand met contacten.</source>
        <translation>The file is not a text file with contacts.</translation>
    </message>
    <message>
        <source>Contacten</source>
        <extracomment>The file type in the file dialog</extracomment>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Contacten importeren</source>
        <translation>Import Contacts</translation>
    </message>
    <message>
        <source> Importeren</source>
        <translation> Import</translation>
    </message>
    <message>
        <source> Exporteren</source>
        <translation> Export</translation>
    </message>
    <message>
        <source>Het adresboek bevat geen adressen om te exporteren.</source>
        <translation>The address book contains no addresses to export.</translation>
    </message>
    <message>
        <source>CSV-bestand</source>
        <translation>CSV file</translation>
    </message>
    <message>
        <source>vCard-bestand</source>
        <translation>vCard file</translation>
    </message>
    <message>
        <source>Contacten exporteren</source>
        <translation>Export Contacts</translation>
    </message>
    <message>
        <source>De adressen konden niet worden opgeslagen in:
%1</source>
        <translation>The addresses could not be saved to:
%1</translation>
    </message>
    <message>
        <source>Afzender: %1</source>
        <translation>Sender: %1</translation>
    </message>
    <message>
        <source>... en nog %1</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>Het adressenbestand kan deze letters niet bewaren:

%1

Wilt u ze vervangen door de dichtstbijzijnde gewone letters (bijvoorbeeld &quot;Ł&quot; door &quot;L&quot;)? Bij Nee wordt er niets opgeslagen.</source>
        <translation>The address file cannot store these letters:

%1

Do you want to replace them with the nearest plain letters (for example &quot;Ł&quot; with &quot;L&quot;)? If you choose No, nothing is saved.</translation>
    </message>
    <message>
        <source> Opslaan</source>
        <translation> Save</translation>
    </message>
    <message>
        <source>Het bestand is onvolledig: een aanhalingsteken (&quot;) wordt niet gesloten. Er is niets ingelezen.</source>
        <translation>The file is incomplete: a quotation mark (&quot;) is not closed. Nothing has been imported.</translation>
    </message>
    <message>
        <source>In de eerste regel van het bestand staat geen kolom met een naam, zoals &quot;Naam&quot; of &quot;Name&quot;. Er is niets ingelezen.</source>
        <translation>The first line of the file has no column with a name, such as &quot;Naam&quot; or &quot;Name&quot;. Nothing has been imported.</translation>
    </message>
    <message>
        <source>Gevonden adressen: %1
Al in het adresboek (overgeslagen): %2
Zonder adres (overgeslagen): %3
Met vervangen letters: %4</source>
        <translation>Addresses found: %1
Already in the address book (skipped): %2
Without an address (skipped): %3
With replaced letters: %4</translation>
    </message>
    <message>
        <source>Er is geen nieuw adres om toe te voegen.</source>
        <translation>There is no new address to add.</translation>
    </message>
    <message numerus="yes">
        <source>Wilt u %n nieuwe adressen aan het adresboek toevoegen?</source>
        <translation>
            <numerusform>Do you want to add %n new address to the address book?</numerusform>
            <numerusform>Do you want to add %n new addresses to the address book?</numerusform>
        </translation>
    </message>
    <message>
        <source>Het adresboek kan niet meer dan %1 adressen (%2 MB) bewaren. Er is niets toegevoegd.</source>
        <translation>The address book cannot hold more than %1 addresses (%2 MB). Nothing has been added.</translation>
    </message>
    <message>
        <source>Het bestand is onvolledig: een contact (BEGIN:VCARD) wordt niet afgesloten met END:VCARD. Er is niets ingelezen.</source>
        <translation>The file is incomplete: a contact (BEGIN:VCARD) is not closed with END:VCARD. Nothing has been imported.</translation>
    </message>
</context>
<context>
    <name>Dataform</name>
    <message>
        <source> Adressenbestand</source>
        <translation> Address Book</translation>
    </message>
    <message>
        <source>Naam</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Postcode en Woonplaats</source>
        <translation>Postal Code and City</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Toevoegen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source> Naam toevoegen </source>
        <translation> Add address </translation>
    </message>
    <message>
        <source> Eerste naam </source>
        <translation> First address </translation>
    </message>
    <message>
        <source> Vorige naam </source>
        <translation> Previous address </translation>
    </message>
    <message>
        <source> Volgende naam </source>
        <translation> Next address </translation>
    </message>
    <message>
        <source> Laatste naam </source>
        <translation> Last address </translation>
    </message>
    <message>
        <source>Wijzig</source>
        <translation>Change</translation>
    </message>
    <message>
        <source> Naam wijzigen </source>
        <translation> Change address </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source> Naam verwijderen </source>
        <translation> Delete address </translation>
    </message>
    <message>
        <source>Afzender</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Plaats hierboven éénmalig uw naam voor op de adreszijde van de ontworpen prentvellen.</source>
        <translation>Enter your name above once, for the address side of the cards you design.</translation>
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
        <source> Gegevens Opslaan </source>
        <translation> Save Addresses </translation>
    </message>
    <message>
        <source>Zoeken</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Importeren...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source> Adressen uit een CSV- of vCard-bestand toevoegen </source>
        <translation> Add addresses from a CSV or vCard file </translation>
    </message>
    <message>
        <source>Exporteren...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source> Alle adressen als CSV- of vCard-bestand opslaan </source>
        <translation> Save all addresses as a CSV or vCard file </translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source> Toevoegen</source>
        <translation> Add</translation>
    </message>
    <message>
        <source>Wilt u deze gegevens wijzigen?</source>
        <translation>Do you want to change this address?</translation>
    </message>
    <message>
        <source>Wijzigen</source>
        <translation>Change Address</translation>
    </message>
    <message>
        <source>Wilt u deze gegevens verwijderen?</source>
        <translation>Do you want to delete this address?</translation>
    </message>
    <message>
        <source>Het adressenbestand kon niet worden opgeslagen:
%1</source>
        <translation>The address file could not be saved:
%1</translation>
    </message>
    <message>
        <source> Opslaan</source>
        <translation> Save</translation>
    </message>
    <message>
        <source>Het adressenbestand kon niet in de programmamap worden opgeslagen.
Het staat nu in:
%1</source>
        <translation>The address file could not be saved in the program folder.
It is now in:
%1</translation>
    </message>
</context>
<context>
    <name>DesktopShell</name>
    <message>
        <source>Het adres %1 kon niet worden geopend.
Er is geen webbrowser gevonden die het kan tonen.</source>
        <translation>The address %1 could not be opened.
No web browser was found that can show it.</translation>
    </message>
    <message>
        <source>Het bestand %1 kon niet worden geopend.
Het bestaat niet, of er is geen programma gevonden dat het kan tonen.</source>
        <translation>The file %1 could not be opened.
It does not exist, or no program was found that can show it.</translation>
    </message>
    <message>
        <source> Openen</source>
        <translation> Open</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nee</source>
        <translation>No</translation>
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
    <name>Filters</name>
    <message>
        <source>Grayscale</source>
        <translation>Grayscale</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Sharpen</source>
        <translation>Sharpen</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>Pixelize</source>
        <translation>Pixelize</translation>
    </message>
    <message>
        <source>Reliëf</source>
        <translation>Relief</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Swap Colors</translation>
    </message>
    <message>
        <source>Scattered</source>
        <translation>Scattered</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>Aquarel</source>
        <translation>Watercolor</translation>
    </message>
    <message>
        <source>Defuse</source>
        <translation>Defuse</translation>
    </message>
    <message>
        <source>Add noise</source>
        <translation>Add noise</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>Contour</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>Transparant</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>RGB --&gt; BRG</source>
        <translation>RGB --&gt; BRG</translation>
    </message>
    <message>
        <source>RGB --&gt; GBR</source>
        <translation>RGB --&gt; GBR</translation>
    </message>
    <message>
        <source>RGB --&gt; RBG</source>
        <translation>RGB --&gt; RBG</translation>
    </message>
    <message>
        <source>RGB --&gt; BGR</source>
        <translation>RGB --&gt; BGR</translation>
    </message>
    <message>
        <source>RGB --&gt; GRB</source>
        <translation>RGB --&gt; GRB</translation>
    </message>
    <message>
        <source>Flip Horizontaal</source>
        <translation>Flip Horizontal</translation>
    </message>
    <message>
        <source>Flip Vertikaal</source>
        <translation>Flip Vertical</translation>
    </message>
    <message>
        <source>Flip Rechts</source>
        <translation>Mirror Right</translation>
    </message>
    <message>
        <source>Flip Boven</source>
        <translation>Mirror Down</translation>
    </message>
    <message>
        <source>Kaart Kantelen</source>
        <translation>Rotate Card</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A step of a submenu: the submenu&apos;s name (%1), then the entry&apos;s (%2), as in &quot;Contrast Positive&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Frames</name>
    <message>
        <source>Smal</source>
        <translation>Narrow</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Breed</source>
        <translation>Wide</translation>
    </message>
    <message>
        <source>Midden Circel</source>
        <translation>Center Circle</translation>
    </message>
    <message>
        <source>Midden Ruit</source>
        <translation>Center Diamond</translation>
    </message>
</context>
<context>
    <name>Gradients</name>
    <message>
        <source>Boven</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Onderen</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Diagonaal</source>
        <translation>Diagonal</translation>
    </message>
    <message>
        <source>Circulair</source>
        <translation>Circular</translation>
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
    <name>Main</name>
    <message>
        <source> Kaart openen</source>
        <translation> Open Card</translation>
    </message>
    <message>
        <source> Kaart bewaren</source>
        <translation> Save Card</translation>
    </message>
    <message>
        <source> Herstellen</source>
        <translation> Recover</translation>
    </message>
    <message>
        <source>Wilt u een andere kaart openen?</source>
        <translation>Do you want to open another card?</translation>
    </message>
    <message>
        <source>Kaart bewaren</source>
        <translation>Save Card</translation>
    </message>
    <message>
        <source>Kaarten</source>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Er is een kaart die niet bewaard was toen Prentvel onverwacht stopte. Wilt u die terughalen?</source>
        <translation>A card had not been saved when Prentvel stopped unexpectedly. Do you want to recover it?</translation>
    </message>
    <message>
        <source>Wilt u de kaart terughalen?</source>
        <translation>Do you want to recover the card?</translation>
    </message>
    <message>
        <source>%1 bestaat niet meer en is van de lijst gehaald.</source>
        <translation>%1 no longer exists and has been removed from the list.</translation>
    </message>
    <message>
        <source> Recente kaarten</source>
        <translation> Recent Cards</translation>
    </message>
    <message>
        <source>Voorkant</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Adreszijde</source>
        <translation>Address Side</translation>
    </message>
    <message>
        <source>Lijndikte is %1 pixels</source>
        <translation>Line width is %1 pixels</translation>
    </message>
    <message>
        <source>Stappen: voorkant</source>
        <translation>Steps: front</translation>
    </message>
    <message>
        <source>Stappen: adreszijde</source>
        <translation>Steps: address side</translation>
    </message>
    <message>
        <source>Stappen</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Ongedaan maken: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Opnieuw: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Wilt u een nieuwe kaart ontwerpen?</source>
        <translation>Do you want to design a new card?</translation>
    </message>
    <message>
        <source> Nieuw</source>
        <translation> New</translation>
    </message>
    <message>
        <source>Nieuw</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Kies een layout...</source>
        <translation>Choose a layout...</translation>
    </message>
    <message>
        <source>Tekenknoppen</source>
        <translation>Drawing Tools</translation>
    </message>
    <message>
        <source>Wilt u dit programma nu afsluiten?</source>
        <translation>Do you want to quit the program now?</translation>
    </message>
    <message>
        <source> Exit programma</source>
        <translation> Exit Program</translation>
    </message>
    <message>
        <source>Voorbeeld</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source> Klik voor Tekenkleuren </source>
        <translation> Click for drawing colors </translation>
    </message>
    <message>
        <source>Teken of Randkleur</source>
        <translation>Draw or border color</translation>
    </message>
    <message>
        <source> Klik voor Vulkleuren </source>
        <translation> Click for fill colors </translation>
    </message>
    <message>
        <source>Vulkleur</source>
        <translation>Fill color</translation>
    </message>
    <message>
        <source>Ik geef een feestje</source>
        <translation>I&apos;m throwing a party</translation>
    </message>
    <message>
        <source> Dubbelklik is tekst verwijderen </source>
        <translation> Double-click clears the text </translation>
    </message>
    <message>
        <source>Plaats hierboven de tekst voor op de kaart...</source>
        <translation>Type the text for the card above...</translation>
    </message>
    <message>
        <source>Grootte van de tekst</source>
        <translation>Size of the text</translation>
    </message>
    <message>
        <source>Tekst Bold</source>
        <translation>Text Bold</translation>
    </message>
    <message>
        <source>Tekst Schuin</source>
        <translation>Text Italic</translation>
    </message>
    <message>
        <source>Onderstreept</source>
        <translation>Underlined</translation>
    </message>
    <message>
        <source>Tekst Vertikaal</source>
        <translation>Text Vertical</translation>
    </message>
    <message>
        <source>Lettertype</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Schaduwrand om tekst</source>
        <translation>Outline around text</translation>
    </message>
    <message>
        <source>Plaats</source>
        <translation>Place</translation>
    </message>
    <message>
        <source> Tekst Plaatsen </source>
        <translation> Place Text </translation>
    </message>
    <message>
        <source>Coordinaten:</source>
        <translation>Coordinates:</translation>
    </message>
    <message>
        <source>Bestand</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open Foto / Kaart</source>
        <translation>Open Photo / Card</translation>
    </message>
    <message>
        <source>Kaart bewaren als...</source>
        <translation>Save Card As...</translation>
    </message>
    <message>
        <source>Recente kaarten</source>
        <translation>Recent Cards</translation>
    </message>
    <message>
        <source>Lijst wissen</source>
        <translation>Clear List</translation>
    </message>
    <message>
        <source>Kaart Opslaan</source>
        <translation>Export Card</translation>
    </message>
    <message>
        <source>Als Bmp</source>
        <translation>As Bmp</translation>
    </message>
    <message>
        <source>Als Jpg</source>
        <translation>As Jpg</translation>
    </message>
    <message>
        <source>Als Jpg (afdrukkwaliteit)</source>
        <translation>As Jpg (print quality)</translation>
    </message>
    <message>
        <source>Als Png (afdrukkwaliteit)</source>
        <translation>As Png (print quality)</translation>
    </message>
    <message>
        <source>Afdrukken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>Print Marges</source>
        <translation>Print Margins</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Zelf Tekenen</source>
        <translation>Free Drawing</translation>
    </message>
    <message>
        <source>Foto&apos;s bijsnijden</source>
        <translation>Crop Photos</translation>
    </message>
    <message>
        <source>Bewerken</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filters</translation>
    </message>
    <message>
        <source>Kaders</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Beeld</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Passend in venster</source>
        <translation>Fit to Window</translation>
    </message>
    <message>
        <source>Inzoomen</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Uitzoomen</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Kleur Layer</source>
        <translation>Layer Color</translation>
    </message>
    <message>
        <source>Wit</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Grijs</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Zwart</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Verloopkleuren</source>
        <translation>Gradients</translation>
    </message>
    <message>
        <source>Configuratie</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Adressenbestand</source>
        <translation>Address Book</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Meer Software</source>
        <translation>More Software</translation>
    </message>
    <message>
        <source>Download Kaarten</source>
        <translation>Download Cards</translation>
    </message>
    <message>
        <source>prentbriefkaarten ontwerpen en afdrukken</source>
        <translation>design and print picture postcards</translation>
    </message>
    <message>
        <source>Selecteer 1 foto uit het bestand</source>
        <translation>Select 1 photo from your files</translation>
    </message>
    <message>
        <source>Selecteer achtereenvolgens %1 foto&apos;s uit het bestand</source>
        <translation>Select %1 photos one by one from your files</translation>
    </message>
    <message>
        <source>Zelf een tekening ontwerpen met de rechter tekenknoppen en kleuren</source>
        <translation>Design your own drawing with the drawing tools and colors on the right</translation>
    </message>
    <message>
        <source>1 Foto</source>
        <translation>1 Photo</translation>
    </message>
    <message>
        <source>1 Foto Links</source>
        <translation>1 Photo Left</translation>
    </message>
    <message>
        <source>2 Foto&apos;s Vertikaal</source>
        <translation>2 Photos Vertical</translation>
    </message>
    <message>
        <source>2 Foto&apos;s Horizontaal</source>
        <translation>2 Photos Horizontal</translation>
    </message>
    <message>
        <source>2 Foto&apos;s Schuin</source>
        <translation>2 Photos Diagonal</translation>
    </message>
    <message>
        <source>3 Foto&apos;s Schuin</source>
        <translation>3 Photos Diagonal</translation>
    </message>
    <message>
        <source>4 Foto&apos;s </source>
        <translation>4 Photos </translation>
    </message>
    <message>
        <source>5 Foto&apos;s</source>
        <translation>5 Photos</translation>
    </message>
    <message>
        <source>9 Foto&apos;s</source>
        <translation>9 Photos</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)|*.bmp</source>
        <translation>Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>Jpg format (*.jpg)|*.jpg</source>
        <translation>Jpg format (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>Png format (*.png)|*.png</source>
        <translation>Png format (*.png)|*.png</translation>
    </message>
    <message>
        <source>De kaart is niet opgeslagen: %1 kon niet worden geschreven.</source>
        <translation>The card was not saved: %1 could not be written.</translation>
    </message>
    <message>
        <source>File save not as JPG!</source>
        <translation>File save not as JPG!</translation>
    </message>
    <message>
        <source>Over Prentbriefkaarten</source>
        <translation>About Picture Postcards</translation>
    </message>
    <message>
        <source>  Welkom bij dit programma om zelf prentvellen te maken. Met dit softwarepakket
  kunt u op eenvoudige wijze zelf prentvellen ontwerpen. Enkele voorbeelden
  zijn o.a. kerstkaarten, uitnodigingskaarten voor een verjaardag, verhuisberichten of
  gewoon een kaartje vanuit uw woonplaats. U hebt de keus uit 1 foto per kaart tot
  9 verschillende foto&apos;s op één kaart. Wilt u zelf een kaart ontwerpen dan kan dat ook
  door het tekenprogramma onderaan de layout in het menu te selecteren.
  Om de prentvel te versturen kan de achterzijde worden bedrukt met adreslijnen
  om de gegevens op te schrijven, zoals naam, adres van degene waarheen de kaart
  moet worden verzonden. De standaard afmeting van de kaarten zijn 148 x 105 mm
  Om een nieuwe kaart te maken gaat u als volg te werk zoals hieronder beschreven.

        1. Kies eventueel een gekleurde achtergrond met het tekenprogramma
        2. Selecteer een Layout in het bovenstaande menu
        3. Open het aantal foto&apos;s dat geschikt is voor de geselecteerde Layout
        4. Plaats een willekeurige tekst en bewerk de kaart met het Filtermenu
        5. Print of save(opslaan) de gemaakte kaart op uw schijf</source>
        <translation>  Welcome to this program for making your own picture postcards. With this software
  you can easily design picture postcards yourself. Some examples are
  Christmas cards, birthday party invitations, change-of-address cards or
  simply a card from your home town. You can choose from 1 photo per card up to
  9 different photos on one card. If you want to design a card yourself, you can
  do so by choosing the drawing program at the bottom of the Layout menu.
  To post the card, its back can be printed with address lines
  for writing down the details, such as the name and address of the person the card
  is to be sent to. The standard size of the cards is 148 x 105 mm.
  To make a new card, proceed as described below.

        1. If you like, choose a colored background with the drawing program
        2. Select a Layout in the menu above
        3. Open as many photos as the selected Layout holds
        4. Place any text you like and edit the card with the Filters menu
        5. Print or save the finished card to your disk</translation>
    </message>
    <message>
        <source>Deze foto kan niet meer worden aangepast: de kaart is daarna gespiegeld, gekanteld of omgezet naar de adreszijde</source>
        <translation>This photo can no longer be adjusted: the card was since mirrored, tilted or turned into the address side</translation>
    </message>
    <message>
        <source>%1 / %2 x %3 pixels / %4 Bytes</source>
        <translation>%1 / %2 x %3 pixels / %4 Bytes</translation>
    </message>
    <message>
        <source>Kaarten en foto&apos;s</source>
        <translation>Cards and photos</translation>
    </message>
    <message>
        <source>Kaarten (%1)</source>
        <translation>Cards (%1)</translation>
    </message>
    <message>
        <source>In &apos;Zelf Tekenen&apos; worden geen foto&apos;s geladen. Kies eerst een foto-layout.</source>
        <translation>&apos;Free Drawing&apos; loads no photos. Choose a photo layout first.</translation>
    </message>
    <message>
        <source> Open Foto / Kaart</source>
        <translation> Open Photo / Card</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>De grootte van de tekst moet een heel getal van %1 tot %2 zijn.</source>
        <translation>The size of the text must be a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source> Tekst</source>
        <translation> Text</translation>
    </message>
    <message>
        <source>Klik op de linkermuisknop om de tekst te plaatsen</source>
        <translation>Click the left mouse button to place the text</translation>
    </message>
    <message>
        <source>Tekst %1</source>
        <translation>Text %1</translation>
    </message>
    <message>
        <source>Sleep de tekst, pas hem aan in het tekstpaneel, of verwijder hem met Delete</source>
        <translation>Drag the text, change it in the text panel, or remove it with Delete</translation>
    </message>
    <message>
        <source>Informatie...</source>
        <translation>Information...</translation>
    </message>
    <message>
        <source>De kaart is nog niet opgeslagen.
%1</source>
        <translation>The card has not been saved yet.
%1</translation>
    </message>
    <message>
        <source>Foto importeren</source>
        <translation>Import Photo</translation>
    </message>
    <message>
        <source>Coordinaten : X = %1, Y = %2</source>
        <translation>Coordinates : X = %1, Y = %2</translation>
    </message>
    <message>
        <source> Free Hands </source>
        <translation> Free Hands </translation>
    </message>
    <message>
        <source>Kromme lijnen</source>
        <translation>Curved lines</translation>
    </message>
    <message>
        <source>Tekenen van kromme lijnen met tekenkleur</source>
        <translation>Draw curved lines in the drawing color</translation>
    </message>
    <message>
        <source> Strakke Lijnen </source>
        <translation> Straight Lines </translation>
    </message>
    <message>
        <source>Rechte lijnen</source>
        <translation>Straight lines</translation>
    </message>
    <message>
        <source>Tekenen van rechte lijnen met ingedrukte linkermuisknop</source>
        <translation>Draw straight lines with the left mouse button held down</translation>
    </message>
    <message>
        <source> Rechthoeken </source>
        <translation> Rectangles </translation>
    </message>
    <message>
        <source>Rechthoek</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Tekenen van vierkanten en rechthoeken met tekenkleur</source>
        <translation>Draw squares and rectangles in the drawing color</translation>
    </message>
    <message>
        <source> Gevulde Rechthoeken </source>
        <translation> Filled Rectangles </translation>
    </message>
    <message>
        <source>Rechthoek gevuld</source>
        <translation>Filled rectangle</translation>
    </message>
    <message>
        <source>Tekenen van vierkanten en rechthoeken gevuld met vulkleur</source>
        <translation>Draw squares and rectangles filled with the fill color</translation>
    </message>
    <message>
        <source> Circels </source>
        <translation> Circles </translation>
    </message>
    <message>
        <source>Circels en Ellips</source>
        <translation>Circles and Ellipses</translation>
    </message>
    <message>
        <source>Tekenen van circels en ellipsen met tekenkleur</source>
        <translation>Draw circles and ellipses in the drawing color</translation>
    </message>
    <message>
        <source> Gevulde circels </source>
        <translation> Filled circles </translation>
    </message>
    <message>
        <source>Circels en Ellips gevuld</source>
        <translation>Filled Circles and Ellipses</translation>
    </message>
    <message>
        <source>Tekenen van circels en ellipsen gevuld met vulkleur</source>
        <translation>Draw circles and ellipses filled with the fill color</translation>
    </message>
    <message>
        <source> Vullen met Vulkleur </source>
        <translation> Fill with Fill Color </translation>
    </message>
    <message>
        <source>Vullen met vulkleuren</source>
        <translation>Fill with fill color</translation>
    </message>
    <message>
        <source>Linkermuisknop is vullen van vlakken met de vulkleur</source>
        <translation>The left mouse button fills areas with the fill color</translation>
    </message>
    <message>
        <source> Spray </source>
        <translation> Spray </translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Spray met ingedrukte linkermuisknop</source>
        <translation>Spray with the left mouse button held down</translation>
    </message>
    <message>
        <source> Erase </source>
        <translation> Erase </translation>
    </message>
    <message>
        <source>Gummen</source>
        <translation>Eraser</translation>
    </message>
    <message>
        <source>Verwijderen van vlakken</source>
        <translation>Erase areas</translation>
    </message>
    <message>
        <source> Kleurwaarde Opvragen </source>
        <translation> Pick Color </translation>
    </message>
    <message>
        <source>Kleurwaarde opvragen</source>
        <translation>Pick color</translation>
    </message>
    <message>
        <source>Linkermuisknop is tekenkleur, rechtermuisknop is vulkleur opvragen</source>
        <translation>The left mouse button picks the drawing color, the right mouse button the fill color</translation>
    </message>
    <message>
        <source> Gekleurde Circels </source>
        <translation> Colored Circles </translation>
    </message>
    <message>
        <source>Gekleurde circels</source>
        <translation>Colored circles</translation>
    </message>
    <message>
        <source>Teken met ingedrukte linkermuisknop gekleurde circels</source>
        <translation>Draw colored circles with the left mouse button held down</translation>
    </message>
    <message>
        <source> Foto Importeren </source>
        <translation> Import Photo </translation>
    </message>
    <message>
        <source>Selecteer een rechthoek voor de grootte van de foto</source>
        <translation>Select a rectangle for the size of the photo</translation>
    </message>
</context>
<context>
    <name>OverPrentvel</name>
    <message>
        <source>Versie %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Platform: %1, %2 (%3-bit)</source>
        <translation>Platform: %1, %2 (%3-bit)</translation>
    </message>
    <message>
        <source> Over Prentvel</source>
        <translation> About Prentvel</translation>
    </message>
    <message>
        <source>Zelf prentbriefkaarten ontwerpen en afdrukken.</source>
        <translation>Design and print your own picture postcards.</translation>
    </message>
    <message>
        <source>Handleiding</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source> Opent de handleiding (help.pdf) </source>
        <translation> Opens the manual (help.pdf) </translation>
    </message>
    <message>
        <source>Sluiten</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>PhotoFileFilter</name>
    <message>
        <source>Foto&apos;s (Jpg, Heic, Png, Webp, Avif, Tif, Bmp, Gif, Wmf)</source>
        <translation>Photos (Jpg, Heic, Png, Webp, Avif, Tif, Bmp, Gif, Wmf)</translation>
    </message>
    <message>
        <source>Alle bestanden</source>
        <translation>All Files</translation>
    </message>
</context>
<context>
    <name>PictureLoadError</name>
    <message>
        <source> Open Foto</source>
        <translation> Open Photo</translation>
    </message>
    <message>
        <source>het bestand is beschadigd of onvolledig</source>
        <translation>the file is damaged or incomplete</translation>
    </message>
    <message>
        <source>dit bestandstype wordt niet ondersteund</source>
        <translation>this file type is not supported</translation>
    </message>
    <message>
        <source>de foto is te groot (meer dan 100 miljoen pixels)</source>
        <translation>the photo is too large (more than 100 million pixels)</translation>
    </message>
    <message>
        <source>de foto is te groot om te openen</source>
        <translation>the photo is too large to open</translation>
    </message>
    <message>
        <source>het bestand kan niet worden gelezen</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>%1 kan niet als foto worden geopend: %2.</source>
        <translation>%1 cannot be opened as a photo: %2.</translation>
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
    <name>StepsDock</name>
    <message>
        <source>Stappen</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Verwijder stap</source>
        <translation>Delete Step</translation>
    </message>
    <message>
        <source>Ongedaan gemaakt: Opnieuw brengt deze stap terug</source>
        <translation>Undone: Redo brings this step back</translation>
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
    <name>Titel</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>For %1-bit computers with Linux.</source>
        <translation>For %1-bit computers with Linux.</translation>
    </message>
    <message>
        <source>Version number : %1</source>
        <translation>Version number : %1</translation>
    </message>
    <message>
        <source>Filesize............. : %1 Bytes</source>
        <translation>Filesize............. : %1 Bytes</translation>
    </message>
    <message>
        <source>Filedate............ : %1</source>
        <translation>Filedate............ : %1</translation>
    </message>
    <message>
        <source>Screen............. : %1 x %2 pixels</source>
        <translation>Screen............. : %1 x %2 pixels</translation>
    </message>
    <message>
        <source>Dpi................... : %1</source>
        <translation>Dpi................... : %1</translation>
    </message>
    <message>
        <source>Time / Date..... :</source>
        <translation>Time / Date..... :</translation>
    </message>
    <message>
        <source>Uw beeldscherm is ingesteld op %1 DPI (Dots Per Inch)
wijzig dit naar 96 DPI. Op onderstaande internet site
is beschreven hoe deze wijziging kan worden gedaan.</source>
        <translation>Your screen is set to %1 DPI (Dots Per Inch);
please change it to 96 DPI. The web site below
describes how to make this change.</translation>
    </message>
    <message>
        <source>Over Prentvel</source>
        <translation>About Prentvel</translation>
    </message>
    <message>
        <source> Versie en handleiding </source>
        <translation> Version and manual </translation>
    </message>
    <message>
        <source>Klik op de foto om te beginnen...</source>
        <translation>Click the photo to begin...</translation>
    </message>
    <message>
        <source> Error</source>
        <translation> Error</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>Nederlands</source>
        <translation>English</translation>
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
