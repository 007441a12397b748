<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>CardAutosave</name>
    <message>
        <source>De naam van de kaart kon niet bij de automatisch bewaarde kaart worden gezet.</source>
        <translation>The name of the card could not be stored with the autosaved card.</translation>
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
</TS>
