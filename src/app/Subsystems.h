#pragma once
// Each subsystem connects its own controls and menu entries of the main window.
class Main;

void installPhotosTextAndSaving(Main& main); // editor: open photo, text on the card, saving
void installDrawingTools(Main& main);        // drawing: tools, mouse drawing, colours, photo import
void installGradientsAndFrames(Main& main);  // drawing: gradients, frames, configuration window
void installFilters(Main& main);             // filters: the "Bewerken" menu
void installAddressBook(Main& main);         // address book window
void installPrinting(Main& main);            // print window, printer set-up, label settings
void installCardView(Main& main);            // the "Beeld" menu: the card's zoom
void installSteps(Main& main);               // the dock of the card's steps and "Beeld > Stappen"
void installCardFiles(Main& main);           // "Kaart bewaren", recent cards, the autosave
void installLanguageMenu(Main& main);        // "Help > Taal / Language"
void installCardSides(Main& main);           // "Beeld > Voorkant / Adreszijde": the card's two sides

// Texts the window builds from its state, shown again (also after a change of language).
void showCardSteps(Main& main);              // the steps dock: its title and the steps of the side shown
void showLineWidth(Main& main);              // "Lijndikte is n pixels" under the slider
