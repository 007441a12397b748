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
        <translation>Reliëf</translation>
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
        <translation>Aquarel</translation>
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
        <translation>Transparant</translation>
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
    <name>Main</name>
    <message>
        <source>Foto importeren</source>
        <translation>Import Photo</translation>
    </message>
    <message>
        <source>Coordinaten : X = %1, Y = %2</source>
        <translation>Coordinates : X = %1, Y = %2</translation>
    </message>
    <message>
        <source>Informatie...</source>
        <translation>Information...</translation>
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
    <message>
        <source>Tekenknoppen</source>
        <translation>Drawing Tools</translation>
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
</TS>
